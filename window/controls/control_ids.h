// Every control's fixed numeric id (its dialog item id; a timer's timer
// id). The control table gives each control its id from here, so putting
// the table in another order changes no id, and tools outside the program
// can name a control by its id.
#pragma once

namespace keyloom {

enum ControlId : int {
    kLogoPictureId = 1000,       // 图片框1
    kAuthorLabelId = 1001,       // 标签5
    kSlideLeftTimerId = 1002,    // 时钟2
    kSlideRightTimerId = 1003,   // 时钟1
    kLinkId = 1004,              // 超级链接框1
    kCommandBoxId = 1005,        // 编辑框3
    kKeyBoxId = 1006,            // 编辑框2
    kContentBoxId = 1007,        // 编辑框1
    kContentGroupId = 1008,      // 分组框2
    kConfirmButtonId = 1009,     // 按钮_确认
    kKeyLabelId = 1010,          // 标签3
    kCommandLabelId = 1011,      // 标签4
    kPanelGroupId = 1012,        // 分组框1
    kEnvContentButtonId = 1013,  // 按钮_env内容
    kDeleteButtonId = 1014,      // 按钮_删除
    kModifyButtonId = 1015,      // 按钮_修改
    kAddButtonId = 1016,         // 按钮_添加
    kCountLabelId = 1017,        // 标签2
    kCountTitleLabelId = 1018,   // 标签1
    kHotkeyListId = 1019,        // 超级列表框1
    kKeyCaptureButtonId = 1020,  // 按钮_按键
    kAliasRadioId = 1021,        // 单选框_alias
    kFunckeyRadioId = 1022,      // 单选框_funckey
    kVerbLabelId = 1023,         // 标签6
    kKeyNoteLabelId = 1024,      // 标签7
};

inline constexpr int kFirstControlId = kLogoPictureId;
inline constexpr int kLastControlId = kKeyNoteLabelId;
inline constexpr int kControlIdCount = kLastControlId - kFirstControlId + 1;

}  // namespace keyloom
