// Every control's fixed numeric id (its dialog item id; a timer's timer
// id). The control table gives each control its id from here, so putting
// the table in another order changes no id, and tools outside the program
// can name a control by its id. Code addresses controls by these; their
// Chinese names stay in the control table, which describes the window by
// name.
#pragma once

namespace keyloom {

enum ControlId : int {
    // The main window itself, as the source of an event or a parent.
    kMainWindowItself = 0,
    kLogoPicture = 1000,       // 图片框1
    kAuthorLabel = 1001,       // 标签5
    kSlideLeftTimer = 1002,    // 时钟2
    kSlideRightTimer = 1003,   // 时钟1
    kLinkControl = 1004,       // 超级链接框1
    kCommandBox = 1005,        // 编辑框3
    kKeyBox = 1006,            // 编辑框2
    kContentBox = 1007,        // 编辑框1
    kContentGroup = 1008,      // 分组框2
    kConfirmButton = 1009,     // 按钮_确认
    kKeyLabel = 1010,          // 标签3
    kCommandLabel = 1011,      // 标签4
    kPanelGroup = 1012,        // 分组框1
    kEnvContentButton = 1013,  // 按钮_env内容
    kDeleteButton = 1014,      // 按钮_删除
    kModifyButton = 1015,      // 按钮_修改
    kAddButton = 1016,         // 按钮_添加
    kCountLabel = 1017,        // 标签2
    kCountTitleLabel = 1018,   // 标签1
    kHotkeyList = 1019,        // 超级列表框1
    kKeyCaptureButton = 1020,  // 按钮_按键
    kAliasRadio = 1021,        // 单选框_alias
    kFunckeyRadio = 1022,      // 单选框_funckey
    kVerbLabel = 1023,         // 标签6
    kKeyNoteLabel = 1024,      // 标签7
};

inline constexpr int kFirstControlId = kLogoPicture;
inline constexpr int kLastControlId = kKeyNoteLabel;
inline constexpr int kControlIdCount = kLastControlId - kFirstControlId + 1;

}  // namespace keyloom
