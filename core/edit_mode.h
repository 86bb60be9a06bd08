// The edit panel's mode, read back from the window: it lives in the caption
// of 按钮_确认 and nowhere else. Captions are code page 936 bytes, spelled as
// escapes so every compiler gives the same.
#pragma once

#include <string_view>

namespace keyloom {

// Captions that tell the user, and the confirm, which mode the panel is in.
inline constexpr std::string_view kModifyGroupCaption = "\xD0\xDE\xB8\xC4\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kModifyConfirmCaption = "\xC8\xB7\xC8\xCF\xD0\xDE\xB8\xC4";
inline constexpr std::string_view kAddGroupCaption = "\xCC\xED\xBC\xD3\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kAddConfirmCaption = "\xC8\xB7\xC8\xCF\xCC\xED\xBC\xD3";

// Modify mode exactly when the caption is "确认修改", byte for byte; every
// other caption ("确认添加", the form's first "确认") means add mode.
bool IsModifyMode(std::string_view confirmCaption);

}  // namespace keyloom
