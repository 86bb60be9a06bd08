// The content view: the env file's current text in a box titled "env数据".
#pragma once

namespace keyloom {

// Click handler of 按钮_env内容; after a running save, the text it wrote.
void ShowEnvContent();

}  // namespace keyloom
