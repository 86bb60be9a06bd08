#include "handlers/editing_actions.h"

#include <windows.h>

#include "handlers/editing_state.h"
#include "handlers/editing_texts.h"
#include "handlers/save_env_file.h"
#include "handlers/session_view.h"
#include "platform/question_box.h"
#include "window/box_focus.h"
#include "window/controls/control_names.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// 快捷键 F2 已定义为 "zoom fit"，替换它吗？ in a box owned by the window.
bool AskToReplace(const ReplaceQuestion& question) {
    return WithFocusKept([&] {
        return AskYesNo(MainWindow(),
                        {{kReplaceTextBeforeKey, BoxText::Program},
                         {question.key, BoxText::EnvFile},
                         {kReplaceTextBeforeCommand, BoxText::Program},
                         {question.command, BoxText::EnvFile},
                         {kReplaceTextAfterCommand, BoxText::Program}},
                        kReplaceTitle);
    });
}

// True while actions are being carried out: a message box shown by one
// runs its own loop, and nothing it dispatches may start the next action
// before this one is done.
bool gCarrying = false;

}  // namespace

void GiveAction(EditAction::Kind kind) {
    Session().Give({kind, SelectedHotkeyRow()});
    CarryGivenActions();
}

void CarryGivenActions() {
    if (gCarrying) return;
    gCarrying = true;
    EditingSession& session = Session();
    while (auto action = session.NextAction()) {
        PanelInput input;
        if (action->kind == EditAction::Confirm) {
            input = {ControlText(kKeyBox), ControlText(kCommandBox), PanelVerb()};
        }
        SessionChange change = session.Carry(*action, input);
        ShowSessionChange(change);
        if (change.question) {
            change = session.AnswerReplace(AskToReplace(*change.question));
            ShowSessionChange(change);
        }
        if (change.close) {
            gCarrying = false;
            DestroyWindow(MainWindow());
            return;
        }
        if (change.save) SaveEnvFile();
    }
    gCarrying = false;
}

}  // namespace keyloom

namespace keyloom {

void OnSaveDone() {
    std::unique_ptr<SaveJob> job = TakeFinishedSave();
    if (!job) return;
    SessionChange change = Session().FinishSave(std::move(job));
    ShowSessionChange(change);
    CarryGivenActions();
}

void OnMainWindowCloseRequested() {
    GiveAction(EditAction::Close);
}

}  // namespace keyloom
