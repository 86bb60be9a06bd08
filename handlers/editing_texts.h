// The texts of the message boxes that the handlers show. Literals are
// compiled as code page 936 bytes.
#pragma once

namespace keyloom {

inline constexpr const char* kNoSelectionText = "请先选中要修改的行后，再点击此按钮！";
inline constexpr const char* kNoSelectionTitle = "操作错误";
inline constexpr const char* kInputErrorText = "填写错误！";
inline constexpr const char* kInputErrorTitle = "错误";
inline constexpr const char* kSaveFailedText = "存储失败！";
inline constexpr const char* kSaveFailedTitle = "信息：";
// A save refused because the env has several names (hard links): it would
// change only one of them. Shown under kSaveFailedTitle.
inline constexpr const char* kSeveralNamesText =
    "存储失败！env文件有多个名称（硬链接），存储只会改变其中一个，它们就会分开。"
    "请改用符号链接，或去掉多余的名称。";
inline constexpr const char* kEnvContentTitle = "env数据";
// The question before a key bound by another row is bound again:
// 快捷键 <key> 已定义为 "<command>"，替换它吗？
inline constexpr const char* kReplaceTextBeforeKey = "快捷键 ";
inline constexpr const char* kReplaceTextBeforeCommand = " 已定义为 \"";
inline constexpr const char* kReplaceTextAfterCommand = "\"，替换它吗？";
inline constexpr const char* kReplaceTitle = "快捷键已定义";
inline constexpr unsigned kErrorIconStyle = 16;  // MB_ICONERROR
inline constexpr unsigned kPlainStyle = 0;       // MB_OK, no icon

}  // namespace keyloom
