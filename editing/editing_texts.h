// The names of the controls the editing handlers use and the texts they
// show. Literals are compiled as code page 936 bytes.
#pragma once

#include <string_view>

namespace keyloom {

// Controls.
inline constexpr std::string_view kContentBox = "编辑框1";
inline constexpr std::string_view kKeyBox = "编辑框2";
inline constexpr std::string_view kCommandBox = "编辑框3";
inline constexpr std::string_view kPanelGroup = "分组框1";
inline constexpr std::string_view kConfirmButton = "按钮_确认";
inline constexpr std::string_view kCountLabel = "标签2";

// Captions that tell the user, and the confirm, which mode the panel is in.
inline constexpr std::string_view kModifyGroupCaption = "修改快捷键";
inline constexpr std::string_view kModifyConfirmCaption = "确认修改";
inline constexpr std::string_view kAddGroupCaption = "添加快捷键";
inline constexpr std::string_view kAddConfirmCaption = "确认添加";

// Message boxes.
inline constexpr const char* kNoSelectionText = "请先选中要修改的行后，再点击此按钮！";
inline constexpr const char* kNoSelectionTitle = "操作错误";
inline constexpr const char* kInputErrorText = "填写错误！";
inline constexpr const char* kInputErrorTitle = "错误";
inline constexpr const char* kSaveFailedText = "存储失败！";
inline constexpr const char* kSaveFailedTitle = "信息：";
inline constexpr const char* kEnvContentTitle = "env数据";
inline constexpr unsigned kErrorIconStyle = 16;  // MB_ICONERROR
inline constexpr unsigned kPlainStyle = 0;       // MB_OK, no icon

// Window widths: the edit panel shows from 470 on.
inline constexpr int kPanelShownWidth = 474;
inline constexpr int kPanelHiddenWidth = 266;
inline constexpr int kPanelShownFrom = 470;

}  // namespace keyloom
