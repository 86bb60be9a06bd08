// The edit panel's state, read back from the window: the mode lives in the
// caption of 按钮_确认 and nowhere else, the panel's visibility in the
// window's width. Captions are code page 936 bytes, spelled as escapes so
// every compiler gives the same.
#pragma once

#include <string_view>

namespace keyloom {

// Captions that tell the user, and the confirm, which mode the panel is in.
inline constexpr std::string_view kModifyGroupCaption = "\xD0\xDE\xB8\xC4\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kModifyConfirmCaption = "\xC8\xB7\xC8\xCF\xD0\xDE\xB8\xC4";
inline constexpr std::string_view kAddGroupCaption = "\xCC\xED\xBC\xD3\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kAddConfirmCaption = "\xC8\xB7\xC8\xCF\xCC\xED\xBC\xD3";

// Window widths: the edit panel shows from 470 on.
inline constexpr int kPanelShownWidth = 474;
inline constexpr int kPanelHiddenWidth = 266;
inline constexpr int kPanelShownFrom = 470;

// Modify mode exactly when the caption is "确认修改", byte for byte; every
// other caption ("确认添加", the form's first "确认") means add mode.
bool IsModifyMode(std::string_view confirmCaption);

// The panel is shown from a window width of 470 on.
bool IsPanelShown(int windowWidth);

// The width ToggleEditPanel sets: shown when it was hidden, else hidden.
int ToggledPanelWidth(int windowWidth);

}  // namespace keyloom
