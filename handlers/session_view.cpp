#include "handlers/session_view.h"

#include "handlers/editing_state.h"
#include "handlers/editing_texts.h"
#include "window/boxes.h"
#include "window/content_box.h"
#include "window/controls/control_ids.h"
#include "window/controls/dpi_layout.h"
#include "window/edit_panel.h"
#include "window/hotkey_list.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

const char* ReasonOf(SaveFailure failure) {
    switch (failure) {
        case SaveFailure::Plain:
            return "";
        case SaveFailure::ZeroByte:
            return kZeroByteReason;
        case SaveFailure::ReadOnly:
            return kReadOnlyReason;
        case SaveFailure::SeveralNames:
            return kSeveralNamesReason;
        case SaveFailure::Folder:
            return kFolderReason;
    }
    return "";
}

// A program text followed by the keys as the file has them, one a line.
Box KeysBox(const char* text, const std::vector<std::string>& keys) {
    Box box{BoxKind::Message, {{text, BoxText::Program}}, kFileChangedTitle, MB_OK};
    for (const std::string& key : keys) {
        box.text.push_back({"\r\n", BoxText::Program});
        box.text.push_back({key, BoxText::EnvFile});
    }
    return box;
}

void ShowSessionBox(const SessionChange& change) {
    switch (change.box) {
        case SessionBox::None:
            return;
        case SessionBox::NoSelection:
            ShowBox({BoxKind::Message,
                     {{kNoSelectionText, BoxText::Program}},
                     kNoSelectionTitle,
                     MB_ICONERROR});
            return;
        case SessionBox::InputError:
            ShowBox({BoxKind::Message,
                     {{kInputErrorText, BoxText::Program}},
                     kInputErrorTitle,
                     MB_ICONERROR});
            return;
        case SessionBox::SaveFailed:
            ShowBox({BoxKind::Message,
                     {{std::string(kSaveFailedText) + ReasonOf(change.failure), BoxText::Program}},
                     kSaveFailedTitle,
                     MB_OK});
            return;
        case SessionBox::NotCarried:
            ShowBox(KeysBox(kNotCarriedText, change.boxKeys));
            return;
        case SessionBox::NotRestored:
            ShowBox(KeysBox(kNotRestoredText, change.boxKeys));
            return;
    }
}

}  // namespace

LineId SelectedLine() {
    return Session().RowLine(SelectedHotkeyRow());
}

void ShowSessionChange(SessionChange& change, LineId selectedBefore) {
    ShowHotkeyListChanges(change.list);
    if (change.select) {
        SelectHotkeyRow(*change.select);
    } else if (!change.list.empty()) {
        // The row selected before stays selected where the change put it.
        const int row = Session().RowOfLine(selectedBefore);
        if (row >= 0 && row != SelectedHotkeyRow()) KeepHotkeyRowSelected(row);
    }
    if (change.marksChanged) RedrawHotkeyList();
    if (change.panelShown) ShowEditPanel(*change.panelShown);
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
    ShowSessionBox(change);
    if (change.envContent) {
        ShowBox({BoxKind::LongText,
                 {{std::move(*change.envContent), BoxText::EnvFile}},
                 kEnvContentTitle,
                 MB_OK});
    }
}

}  // namespace keyloom
