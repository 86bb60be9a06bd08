// The main window's twenty controls and the event bindings, as data.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

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
    Unknown
};

struct ControlSpec {
    ControlKind kind;
    const char* name;
    const char* parent;  // "" for the window itself
    int left, top, width, height;
    const char* caption;
    DWORD style;  // beyond WS_CHILD | WS_VISIBLE
    DWORD exStyle;
};

enum class ControlEvent { Created, Clicked, TimerTick, LeftButtonDown };

struct EventBinding {
    const char* source;  // "" for the window itself
    ControlEvent event;
    void (*handler)();
};

extern const ControlSpec kControls[];
extern const std::size_t kControlCount;
extern const EventBinding kBindings[];
extern const std::size_t kBindingCount;

// Index of the control named name in kControls, or -1.
int ControlIndex(std::string_view name);

// Control ids and timer ids follow the table order.
inline int ControlIdOf(int index) {
    return 1000 + index;
}
inline int ControlIndexOfId(int id) {
    return id - 1000;
}

}  // namespace keyloom
