// The main window's controls, as data, and the shape of the event
// bindings that tie their events to handlers (the table itself belongs to
// the program, which hands it to the window when it is made).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "window/controls/control_ids.h"

namespace keyloom {

// Unknown is for a window that is none of the kinds (never in the table).
enum class ControlKind {
    Label,
    Button,
    GroupBox,
    Edit,
    ListView,
    Picture,
    Hyperlink,
    Timer,
    RadioButton,
    Unknown
};

// Edit boxes and the list hold the env file's bytes, which stay in the
// system's ANSI code page and go through the ANSI functions; every other
// control shows the program's own texts (code page 936) as wide text.
inline bool HoldsEnvText(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ListView;
}

struct ControlSpec {
    ControlKind kind;
    const char* name;
    ControlId id;
    ControlId parent;  // kMainWindowItself for the window
    int left, top, width, height;
    const char* caption;
    DWORD style;  // beyond WS_CHILD | WS_VISIBLE (and WS_TABSTOP, from tabOrder)
    DWORD exStyle;
    int tabOrder;  // place in the Tab order, from 1; 0 for no tab stop
};

// The multi-line edit box (编辑框1): a control of our own, with a font of
// its own.
inline bool IsMultiLineEdit(const ControlSpec& spec) {
    return spec.kind == ControlKind::Edit && (spec.style & ES_MULTILINE) != 0;
}

// From CloseRequested on, events are the window's own: a bound close
// handler decides whether the window goes (unbound, it is destroyed at
// once).
enum class ControlEvent {
    Created,
    Clicked,
    TimerTick,
    LeftButtonDown,
    CloseRequested,
    Destroyed,
    // The window became the active one again.
    Activated,
    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, outside the key and command
    // boxes: the last change taken back, or done again.
    Undo,
    Redo,
    // The hotkey list's context menu is asked for (right click, Shift+F10,
    // the menu key).
    ListMenu
};

struct EventBinding {
    ControlId source;  // kMainWindowItself for the window's own events
    ControlEvent event;
    void (*handler)();
};

struct BindingTable {
    const EventBinding* entries;
    std::size_t count;
};

extern const ControlSpec kControls[];
extern const std::size_t kControlCount;

// Index of the control named name in kControls, or -1.
int ControlIndex(std::string_view name);

// Index in kControls of the control with this id, or -1.
int ControlIndexOfId(int id);

}  // namespace keyloom
