// The env file and the window: loading the rows at start-up, saving them
// after every change, and showing the stored text.
#pragma once

#include <string>

namespace keyloom {

// Fills 超级列表框1 and the count label 标签2 from the env file at path.
void LoadEnvFile(const std::string& path);

// Writes the rows to EnvFilePath, shows the composed text in 编辑框1 and,
// when the write succeeds, the new count in 标签2.
void SaveEnvFile();

// True while SaveEnvFile runs. The save processes pending messages after
// each row, so clicks and a close can arrive in its middle: the editing
// buttons do nothing then, and a close waits for the save to finish.
bool IsSaveRunning();

// Asks for the main window to be closed once the running save has finished.
void CloseMainWindowAfterSave();

// Click handler of 按钮_env内容: the file's text in a box titled "env数据".
void ShowEnvContent();

}  // namespace keyloom
