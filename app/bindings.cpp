#include "app/bindings.h"

#include "app/program_end.h"
#include "handlers/add_confirm.h"
#include "handlers/content_view.h"
#include "handlers/created_handler.h"
#include "handlers/delete_modify.h"
#include "handlers/logo_press.h"
#include "handlers/closing.h"
#include "handlers/file_jobs.h"
#include "handlers/slide_link.h"
#include "handlers/undo_redo.h"
#include "window/key_capture.h"
#include "window/verb_choice.h"

namespace keyloom {

namespace {

const EventBinding kEntries[] = {
    {kMainWindowItself, ControlEvent::Created, OnMainWindowCreated},
    {kMainWindowItself, ControlEvent::CloseRequested, OnMainWindowCloseRequested},
    {kMainWindowItself, ControlEvent::Destroyed, OnProgramWindowDestroyed},
    {kMainWindowItself, ControlEvent::Activated, OnMainWindowActivated},
    {kMainWindowItself, ControlEvent::Undo, OnUndo},
    {kMainWindowItself, ControlEvent::Redo, OnRedo},
    {kMainWindowItself, ControlEvent::ListMenu, OnHotkeyListMenu},
    {kAddButton, ControlEvent::Clicked, OnAddClick},                // 按钮_添加
    {kModifyButton, ControlEvent::Clicked, OnModifyClick},          // 按钮_修改
    {kDeleteButton, ControlEvent::Clicked, OnDeleteClick},          // 按钮_删除
    {kConfirmButton, ControlEvent::Clicked, OnConfirmClick},        // 按钮_确认
    {kEnvContentButton, ControlEvent::Clicked, ShowEnvContent},     // 按钮_env内容
    {kKeyCaptureButton, ControlEvent::Clicked, ToggleKeyCapture},   // 按钮_按键
    {kAliasRadio, ControlEvent::Clicked, ChooseAliasVerb},          // 单选框_alias
    {kFunckeyRadio, ControlEvent::Clicked, ChooseFunckeyVerb},      // 单选框_funckey
    {kSlideRightTimer, ControlEvent::TimerTick, OnSlideRightTick},  // 时钟1
    {kSlideLeftTimer, ControlEvent::TimerTick, OnSlideLeftTick},    // 时钟2
    {kLogoPicture, ControlEvent::LeftButtonDown, OnLogoPressed},    // 图片框1
};

}  // namespace

const BindingTable kBindings = {kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace keyloom
