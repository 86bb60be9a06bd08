// The edit mode lives in the caption of 按钮_确认 and nowhere else.
#pragma once

#include <string_view>

namespace keyloom {

// Modify mode exactly when the caption is "确认修改", byte for byte; every
// other caption ("确认添加", the form's first "确认") means add mode.
bool IsModifyMode(std::string_view confirmCaption);

// The panel is shown from a window width of 470 on.
bool IsPanelShown(int windowWidth);

// The width ToggleEditPanel sets: shown when it was hidden, else hidden.
int ToggledPanelWidth(int windowWidth);

}  // namespace keyloom
