// The ids of the controls that code outside the control table addresses.
// Code addresses controls by these; their Chinese names stay in the control
// table and the binding table, which describe the window by name.
#pragma once

#include "window/controls/control_ids.h"

namespace keyloom {

inline constexpr ControlId kHotkeyList = kHotkeyListId;              // 超级列表框1
inline constexpr ControlId kCountLabel = kCountLabelId;              // 标签2
inline constexpr ControlId kContentBox = kContentBoxId;              // 编辑框1
inline constexpr ControlId kKeyBox = kKeyBoxId;                      // 编辑框2
inline constexpr ControlId kCommandBox = kCommandBoxId;              // 编辑框3
inline constexpr ControlId kPanelGroup = kPanelGroupId;              // 分组框1
inline constexpr ControlId kContentGroup = kContentGroupId;          // 分组框2
inline constexpr ControlId kConfirmButton = kConfirmButtonId;        // 按钮_确认
inline constexpr ControlId kModifyButton = kModifyButtonId;          // 按钮_修改
inline constexpr ControlId kDeleteButton = kDeleteButtonId;          // 按钮_删除
inline constexpr ControlId kAddButton = kAddButtonId;                // 按钮_添加
inline constexpr ControlId kEnvContentButton = kEnvContentButtonId;  // 按钮_env内容
inline constexpr ControlId kLinkControl = kLinkId;                   // 超级链接框1
inline constexpr ControlId kSlideRightTimer = kSlideRightTimerId;    // 时钟1
inline constexpr ControlId kSlideLeftTimer = kSlideLeftTimerId;      // 时钟2
inline constexpr ControlId kKeyCaptureButton = kKeyCaptureButtonId;  // 按钮_按键
inline constexpr ControlId kAliasRadio = kAliasRadioId;              // 单选框_alias
inline constexpr ControlId kFunckeyRadio = kFunckeyRadioId;          // 单选框_funckey
inline constexpr ControlId kKeyNoteLabel = kKeyNoteLabelId;          // 标签7

}  // namespace keyloom
