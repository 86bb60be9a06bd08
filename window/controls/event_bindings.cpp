#include "window/controls/event_bindings.h"

#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

constexpr std::size_t kEventCount = static_cast<std::size_t>(ControlEvent::ListMenu) + 1;
using Handler = void (*)();
// The bindings resolved once, when the window is made: the handler of each
// control's events by table place, and of the window's own.
Handler gControlHandlers[kMaxControls][kEventCount] = {};
Handler gWindowHandlers[kEventCount] = {};

void ResolveBindings(BindingTable bindings) {
    for (auto& handlers : gControlHandlers) {
        for (Handler& handler : handlers) handler = nullptr;
    }
    for (Handler& handler : gWindowHandlers) handler = nullptr;
    for (std::size_t i = 0; i < bindings.count; ++i) {
        const EventBinding& binding = bindings.entries[i];
        const auto event = static_cast<std::size_t>(binding.event);
        if (binding.source == kMainWindowItself) {
            gWindowHandlers[event] = binding.handler;
            continue;
        }
        const int index = ControlIndexOfId(binding.source);
        if (index >= 0) gControlHandlers[index][event] = binding.handler;
    }
}

bool RunHandler(Handler handler) {
    if (handler == nullptr) return false;
    handler();
    return true;
}

}  // namespace

void UseBindings(BindingTable bindings) {
    ResolveBindings(bindings);
}

bool RaiseControlEvent(int id, ControlEvent event) {
    const int index = ControlIndexOfId(id);
    if (index < 0 || index >= static_cast<int>(kControlCount)) return false;
    return RunHandler(gControlHandlers[index][static_cast<std::size_t>(event)]);
}

bool RaiseWindowEvent(ControlEvent event) {
    return RunHandler(gWindowHandlers[static_cast<std::size_t>(event)]);
}

}  // namespace keyloom
