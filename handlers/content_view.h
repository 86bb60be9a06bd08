// The content view: the env file's current text in a box titled "env数据".
#pragma once

namespace keyloom {

// Click handler of 按钮_env内容: the file as it stands at the click.
void ShowEnvContent();

}  // namespace keyloom
