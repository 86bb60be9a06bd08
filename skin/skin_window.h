#pragma once
// Subclassing of the windows the library draws: each skinned window keeps a
// SkinWindow record in a window property, its messages pass through one
// window procedure that hands them to the handler of its kind, and the record
// goes away with the window (WM_NCDESTROY).
#include <windows.h>

#include "skin_kind.h"

struct SkinWindow {
    WNDPROC original = nullptr;
    bool unicode = false;  // subclassed with the W functions
    SkinKind kind = SkinKind::None;
    bool hover = false;         // push button: the pointer is over it
    bool active = true;         // top-level: title bar drawn as active
    int pressedItem = -1;       // header: item held down with the mouse
    bool addedLayered = false;  // top-level: made layered by SetAero
};

// Subclasses `hwnd` as a window of `kind`. False when `kind` is None, the
// window is already skinned, or Windows refuses.
bool SubclassForSkin(HWND hwnd, SkinKind kind);

// The record of a skinned window, or null.
SkinWindow* FindSkinWindow(HWND hwnd);

// Passes a message to the window's previous procedure. The record may be
// freed during the call (the message may destroy the window): look it up
// again afterwards.
LRESULT CallOriginal(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The class and style facts of an existing window, classified.
SkinKind ClassifyExisting(HWND hwnd);

// Handlers by kind, in their own files.
LRESULT OnTopLevelMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp);
LRESULT OnButtonMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp);
LRESULT OnBorderMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp);
LRESULT OnHeaderMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp);
LRESULT OnDialogMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp);

// WM_CTLCOLORSTATIC, WM_CTLCOLORBTN and WM_CTLCOLORDLG for a skinned parent.
bool IsParentColourMessage(UINT msg);
LRESULT OnParentColour(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
