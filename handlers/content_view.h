// The env file's current text, as the content box and the content view show
// it: the bytes up to the first zero byte, with the file's own line ends.
#pragma once

#include <string>

namespace keyloom {

// Empty when EnvFilePath is unset or the file is missing or unreadable.
std::string EnvFileText();

// 编辑框1 gets the env file's current text (Add and Modify).
void FillContentBox();

// Click handler of 按钮_env内容: the file's text in a box titled "env数据".
void ShowEnvContent();

}  // namespace keyloom
