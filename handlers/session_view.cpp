#include "handlers/session_view.h"

#include "handlers/editing_texts.h"
#include "platform/message_box.h"
#include "window/box_focus.h"
#include "window/content_box.h"
#include "window/controls/control_names.h"
#include "window/controls/dpi_layout.h"
#include "window/edit_panel.h"
#include "window/hotkey_list.h"
#include "window/text_box.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// Every box gives the keyboard back to where it was.
void ShowBox(const char* text, const char* title, unsigned style) {
    WithFocusKept([&] { return ShowMessageBox(text, title, style); });
}

void ShowSessionBox(SessionBox box) {
    switch (box) {
        case SessionBox::None:
            return;
        case SessionBox::NoSelection:
            ShowBox(kNoSelectionText, kNoSelectionTitle, kErrorIconStyle);
            return;
        case SessionBox::InputError:
            ShowBox(kInputErrorText, kInputErrorTitle, kErrorIconStyle);
            return;
        case SessionBox::SaveFailed:
            ShowBox(kSaveFailedText, kSaveFailedTitle, kPlainStyle);
            return;
        case SessionBox::SaveRefusedForNames:
            ShowBox(kSeveralNamesText, kSaveFailedTitle, kPlainStyle);
            return;
    }
}

}  // namespace

void ShowSessionChange(SessionChange& change) {
    ShowHotkeyListChanges(change.list);
    if (change.marksChanged) RedrawHotkeyList();
    if (change.panelShown) {
        SetMainWindowWidth(
            ScaledToWindow(*change.panelShown ? kPanelShownWidth : kPanelHiddenWidth));
    }
    if (change.groupCaption) SetControlText(kPanelGroup, *change.groupCaption);
    if (change.confirmCaption) SetControlText(kConfirmButton, *change.confirmCaption);
    if (change.keyBox) SetControlText(kKeyBox, *change.keyBox);
    if (change.commandBox) SetControlText(kCommandBox, *change.commandBox);
    // After the key box: an unchosen verb follows the box's new text.
    if (change.verb) ShowVerbChoice(*change.verb, change.verbChosen);
    if (change.contentBox) ShowSavedText(std::move(*change.contentBox));
    if (change.countCaption) SetControlText(kCountLabel, *change.countCaption);
    if (change.focus == FocusTarget::KeyBox) FocusControl(kKeyBox);
    if (change.focus == FocusTarget::HotkeyList) FocusControl(kHotkeyList);
    ShowSessionBox(change.box);
    if (change.envContent) {
        // Our own box: it gives the keyboard back itself.
        ShowTextBox(std::move(*change.envContent), kEnvContentTitle);
    }
}

}  // namespace keyloom
