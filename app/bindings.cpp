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
    {"", ControlEvent::Created, OnMainWindowCreated},
    {"", ControlEvent::CloseRequested, OnMainWindowCloseRequested},
    {"", ControlEvent::Destroyed, OnProgramWindowDestroyed},
    {"", ControlEvent::Activated, OnMainWindowActivated},
    {"", ControlEvent::Undo, OnUndo},
    {"", ControlEvent::Redo, OnRedo},
    {"", ControlEvent::ListMenu, OnHotkeyListMenu},
    {"按钮_添加", ControlEvent::Clicked, OnAddClick},
    {"按钮_修改", ControlEvent::Clicked, OnModifyClick},
    {"按钮_删除", ControlEvent::Clicked, OnDeleteClick},
    {"按钮_确认", ControlEvent::Clicked, OnConfirmClick},
    {"按钮_env内容", ControlEvent::Clicked, ShowEnvContent},
    {"按钮_按键", ControlEvent::Clicked, ToggleKeyCapture},
    {"单选框_alias", ControlEvent::Clicked, ChooseAliasVerb},
    {"单选框_funckey", ControlEvent::Clicked, ChooseFunckeyVerb},
    {"时钟1", ControlEvent::TimerTick, OnSlideRightTick},
    {"时钟2", ControlEvent::TimerTick, OnSlideLeftTick},
    {"图片框1", ControlEvent::LeftButtonDown, OnLogoPressed},
};

}  // namespace

const BindingTable kBindings = {kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace keyloom
