// The captions that tell the user which mode the edit panel is in. They
// are code page 936 bytes, spelled as escapes so every compiler gives the
// same.
#pragma once

#include <string_view>

namespace keyloom {

inline constexpr std::string_view kModifyGroupCaption = "\xD0\xDE\xB8\xC4\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kModifyConfirmCaption = "\xC8\xB7\xC8\xCF\xD0\xDE\xB8\xC4";
inline constexpr std::string_view kAddGroupCaption = "\xCC\xED\xBC\xD3\xBF\xEC\xBD\xDD\xBC\xFC";
inline constexpr std::string_view kAddConfirmCaption = "\xC8\xB7\xC8\xCF\xCC\xED\xBC\xD3";

}  // namespace keyloom
