// The texts of the boxes that the handlers show. Literals are compiled as
// code page 936 bytes.
#pragma once

namespace keyloom {

inline constexpr const char* kNoSelectionText = "请先选中要修改的行后，再点击此按钮！";
inline constexpr const char* kNoSelectionTitle = "操作错误";
inline constexpr const char* kInputErrorText = "填写错误！";
inline constexpr const char* kInputErrorTitle = "错误";
inline constexpr const char* kSaveFailedText = "存储失败！";
inline constexpr const char* kSaveFailedTitle = "信息：";
// Why a save wrote nothing, after kSaveFailedText.
inline constexpr const char* kZeroByteReason =
    "env文件中有零字节：列表只读到那里，存储会截掉它后面的内容。"
    "请先用文本编辑器去掉这个零字节。";
inline constexpr const char* kReadOnlyReason = "env文件是只读的。请先去掉它的只读属性。";
inline constexpr const char* kFolderReason = "env的位置上是一个文件夹，不是文件。";
// Several names (hard links): the save would change only one of them.
inline constexpr const char* kSeveralNamesReason =
    "env文件有多个名称（硬链接），存储只会改变其中一个，它们就会分开。"
    "请改用符号链接，或去掉多余的名称。";
// Another program changed the file; these keys of the user's change, or
// of an undo, could not be carried onto it. The keys follow, each on a
// line of its own.
inline constexpr const char* kNotCarriedText =
    "env文件已被其他程序改动，以下快捷键的行已不是原来的样子，未能删除：";
inline constexpr const char* kNotRestoredText = "env文件已被其他程序改动，以下快捷键未能恢复原样：";
inline constexpr const char* kFileChangedTitle = "信息：";
inline constexpr const char* kEnvContentTitle = "env数据";
// The question before a key bound by another row is bound again:
// 快捷键 <key> 已定义为 "<command>"，替换它吗？
inline constexpr const char* kReplaceTextBeforeKey = "快捷键 ";
inline constexpr const char* kReplaceTextBeforeCommand = " 已定义为 \"";
inline constexpr const char* kReplaceTextAfterCommand = "\"，替换它吗？";
inline constexpr const char* kReplaceTitle = "快捷键已定义";
// A close with a change the file does not hold.
inline constexpr const char* kUnwrittenCloseText =
    "最近的修改未能存入env文件，关闭Keyloom会丢失这些修改。\r\n\r\n仍然关闭吗？";
inline constexpr const char* kUnwrittenCloseTitle = "尚未存储";
// A start that finds env missing or empty beside env.bak.
inline constexpr const char* kRestoreBackupText =
    "env文件不见了（或是空的），但它的备份env.bak还在。要用env.bak恢复env吗？\r\n\r\n"
    "是：用env.bak恢复env，并列出其中的快捷键。\r\n"
    "否：照常继续；这次运行不会改动env.bak。";
inline constexpr const char* kRestoreBackupTitle = "恢复env";

}  // namespace keyloom
