// The verb of the hotkey in the edit panel: the two radio buttons alias and
// funckey. Until the user chooses one, the choice follows the key box: a
// key that is one typed character, or the quoted Space, is a funckey, any
// other an alias.
#pragma once

#include <windows.h>

#include "core/env_lines.h"

namespace keyloom {

// Shows verb as chosen; chosen=false means the user has not chosen, and then
// the choice follows DefaultVerbForKey of the key box as the user types (and
// as key capture writes it), from the box's text now on.
void ShowVerbChoice(HotkeyVerb verb, bool chosen);

// The verb the panel shows now.
HotkeyVerb PanelVerb();

// Whether the shown verb is the user's own choice.
bool IsVerbChosen();

// A click on 单选框_alias or 单选框_funckey (mouse, Space, or the focus
// arriving on it): that verb, chosen by the user.
void ChooseAliasVerb();
void ChooseFunckeyVerb();

// The key box's text changed: an unchosen verb follows it.
void OnKeyBoxChanged();

// An arrow key on one of the radio buttons moves the choice, and the focus,
// to the other one. True when the key was used up.
bool MoveVerbChoiceByKey(HWND control, WPARAM key);

// The window is gone: the next one starts unchosen.
void ForgetVerbChoice();

}  // namespace keyloom
