// The names of the controls that code outside the control table addresses,
// spelled once. Literals are compiled as code page 936 bytes.
#pragma once

#include <string_view>

namespace keyloom {

inline constexpr std::string_view kHotkeyList = "超级列表框1";
inline constexpr std::string_view kCountLabel = "标签2";
inline constexpr std::string_view kContentBox = "编辑框1";
inline constexpr std::string_view kKeyBox = "编辑框2";
inline constexpr std::string_view kCommandBox = "编辑框3";
inline constexpr std::string_view kPanelGroup = "分组框1";
inline constexpr std::string_view kContentGroup = "分组框2";
inline constexpr std::string_view kConfirmButton = "按钮_确认";
inline constexpr std::string_view kModifyButton = "按钮_修改";
inline constexpr std::string_view kDeleteButton = "按钮_删除";
inline constexpr std::string_view kLinkControl = "超级链接框1";
inline constexpr std::string_view kSlideRightTimer = "时钟1";
inline constexpr std::string_view kSlideLeftTimer = "时钟2";

}  // namespace keyloom
