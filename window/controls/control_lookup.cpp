#include "window/controls/control_lookup.h"

#include <commctrl.h>

#include "window/controls/hyperlink.h"
#include "window/controls/logo_picture.h"
#include "window/controls/window_registry.h"
#include "window/memo/memo_box.h"

namespace keyloom {

namespace {

// The kind words of the control names, in the order they are compared.
const struct {
    const char* prefix;
    ControlKind kind;
} kPrefixKinds[] = {{"编辑框", ControlKind::Edit},
                    {"按钮", ControlKind::Button},
                    {"分组框", ControlKind::GroupBox},
                    {"标签", ControlKind::Label},
                    {"超级列表框", ControlKind::ListView}};

}  // namespace

bool KindOfNamePrefix(std::string_view prefix, ControlKind* kind) {
    for (const auto& entry : kPrefixKinds) {
        if (prefix == entry.prefix) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

std::vector<HWND> FindControlsByNamePrefix(HWND window, std::string_view prefix) {
    std::vector<HWND> found;
    if (!window) return found;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        HWND control = ControlWindowAt(static_cast<int>(i));
        std::string_view name = kControls[i].name;
        if (!control || !IsWindow(control) || !IsChild(window, control)) continue;
        if (name.substr(0, prefix.size()) == prefix) found.push_back(control);
    }
    return found;
}

ControlKind ControlKindOfWindow(HWND control) {
    char className[64] = "";
    GetClassNameA(control, className, sizeof className);
    auto is = [&](const char* other) { return lstrcmpiA(className, other) == 0; };
    if (is("Static")) return ControlKind::Label;
    if (is("Edit") || is(kMemoClassName)) return ControlKind::Edit;
    if (is(WC_LISTVIEWA)) return ControlKind::ListView;
    if (is(kPictureClassName)) return ControlKind::Picture;
    if (is(kHyperlinkClassName)) return ControlKind::Hyperlink;
    if (is("Button")) {
        LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_GROUPBOX) return ControlKind::GroupBox;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) return ControlKind::Button;
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return ControlKind::RadioButton;
    }
    return ControlKind::Unknown;
}

}  // namespace keyloom
