#include "window/verb_choice.h"

#include "core/allegro_keys.h"
#include "window/controls/control_ids.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// Whether the user chose; the verb itself is the radio button checked.
bool gChosen = false;

void CheckVerb(HotkeyVerb verb) {
    const bool funckey = verb == HotkeyVerb::Funckey;
    HWND alias = ControlWindow(kAliasRadio), other = ControlWindow(kFunckeyRadio);
    if (alias) SendMessageW(alias, BM_SETCHECK, funckey ? BST_UNCHECKED : BST_CHECKED, 0);
    if (other) SendMessageW(other, BM_SETCHECK, funckey ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FollowKeyBox() {
    CheckVerb(DefaultVerbForKey(TrimBlanks(ControlText(kKeyBox))));
}

void Choose(HotkeyVerb verb) {
    gChosen = true;
    CheckVerb(verb);
}

}  // namespace

void ShowVerbChoice(HotkeyVerb verb, bool chosen) {
    gChosen = chosen;
    CheckVerb(verb);
    if (!chosen) FollowKeyBox();
}

HotkeyVerb PanelVerb() {
    HWND funckey = ControlWindow(kFunckeyRadio);
    const bool checked = funckey && SendMessageW(funckey, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked ? HotkeyVerb::Funckey : HotkeyVerb::Alias;
}

bool IsVerbChosen() {
    return gChosen;
}

void ChooseAliasVerb() {
    Choose(HotkeyVerb::Alias);
}

void ChooseFunckeyVerb() {
    Choose(HotkeyVerb::Funckey);
}

void OnKeyBoxChanged() {
    if (!gChosen) FollowKeyBox();
}

bool MoveVerbChoiceByKey(HWND control, WPARAM key) {
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return false;
    HWND alias = ControlWindow(kAliasRadio), funckey = ControlWindow(kFunckeyRadio);
    if (!control || (control != alias && control != funckey)) return false;
    // Two choices: every arrow goes to the other one.
    const HotkeyVerb verb = control == alias ? HotkeyVerb::Funckey : HotkeyVerb::Alias;
    Choose(verb);
    SetFocus(verb == HotkeyVerb::Funckey ? funckey : alias);
    return true;
}

void ForgetVerbChoice() {
    gChosen = false;
}

}  // namespace keyloom
