#include "skin_window.h"

#include <new>
#include <unordered_map>

#include "skin_state.h"

namespace {

// The window property marks a skinned window for anyone who looks; the
// lookup on every message goes through a map of our own instead, because
// under Wine each GetProp is a round trip to the server, which made filling
// a long list many times slower. Only the attaching thread is skinned, so
// the map needs no lock.
constexpr const char* kSkinProp = "KeyloomSkinWindow";

std::unordered_map<HWND, SkinWindow*>& SkinWindows() {
    static std::unordered_map<HWND, SkinWindow*> windows;
    return windows;
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool unicodeProc);

LRESULT CALLBACK SkinWindowProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Dispatch(hwnd, msg, wp, lp, false);
}

LRESULT CALLBACK SkinWindowProcW(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Dispatch(hwnd, msg, wp, lp, true);
}

WNDPROC OurProc(bool unicode) {
    return unicode ? SkinWindowProcW : SkinWindowProcA;
}

// Last message of the window: put the previous procedure back when nobody
// has subclassed on top of us, and free the record.
LRESULT OnNcDestroy(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp) {
    const WNDPROC original = w->original;
    const bool unicode = w->unicode;
    const LONG_PTR current =
        unicode ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    if (current == reinterpret_cast<LONG_PTR>(OurProc(unicode))) {
        if (unicode) {
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        } else {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        }
    }
    RemovePropA(hwnd, kSkinProp);
    SkinWindows().erase(hwnd);
    delete w;
    return unicode ? CallWindowProcW(original, hwnd, msg, wp, lp)
                   : CallWindowProcA(original, hwnd, msg, wp, lp);
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool unicodeProc) {
    SkinWindow* w = FindSkinWindow(hwnd);
    if (w == nullptr) {
        return unicodeProc ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) return OnNcDestroy(hwnd, w, msg, wp, lp);
    if (!gSkin.attached) return CallOriginal(hwnd, msg, wp, lp);

    const bool parentKind =
        w->kind == SkinKind::TopLevel || w->kind == SkinKind::Dialog || w->kind == SkinKind::Button;
    if (parentKind && IsParentColourMessage(msg)) return OnParentColour(hwnd, msg, wp, lp);
    switch (w->kind) {
        case SkinKind::TopLevel:
            return OnTopLevelMessage(hwnd, w, msg, wp, lp);
        case SkinKind::Dialog:
            return OnDialogMessage(hwnd, w, msg, wp, lp);
        case SkinKind::Button:
            return OnButtonMessage(hwnd, w, msg, wp, lp);
        case SkinKind::Edit:
        case SkinKind::List:
            return OnBorderMessage(hwnd, w, msg, wp, lp);
        case SkinKind::Header:
            return OnHeaderMessage(hwnd, w, msg, wp, lp);
        case SkinKind::None:
            break;
    }
    return CallOriginal(hwnd, msg, wp, lp);
}

}  // namespace

SkinWindow* FindSkinWindow(HWND hwnd) {
    const auto& windows = SkinWindows();
    const auto found = windows.find(hwnd);
    return found == windows.end() ? nullptr : found->second;
}

LRESULT CallOriginal(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const SkinWindow* w = FindSkinWindow(hwnd);
    if (w == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
    const WNDPROC original = w->original;
    return w->unicode ? CallWindowProcW(original, hwnd, msg, wp, lp)
                      : CallWindowProcA(original, hwnd, msg, wp, lp);
}

bool SubclassForSkin(HWND hwnd, SkinKind kind) {
    if (kind == SkinKind::None || hwnd == nullptr || FindSkinWindow(hwnd) != nullptr) return false;
    SkinWindow* w = new (std::nothrow) SkinWindow;
    if (w == nullptr) return false;
    w->kind = kind;
    w->unicode = IsWindowUnicode(hwnd) != FALSE;
    if (!SetPropA(hwnd, kSkinProp, w)) {
        delete w;
        return false;
    }
    SkinWindows()[hwnd] = w;
    const LONG_PTR ours = reinterpret_cast<LONG_PTR>(OurProc(w->unicode));
    const LONG_PTR previous = w->unicode ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, ours)
                                         : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, ours);
    if (previous == 0) {
        RemovePropA(hwnd, kSkinProp);
        SkinWindows().erase(hwnd);
        delete w;
        return false;
    }
    w->original = reinterpret_cast<WNDPROC>(previous);
    return true;
}

SkinKind ClassifyExisting(HWND hwnd) {
    char className[64] = {};
    if (GetClassNameA(hwnd, className, sizeof(className)) == 0) return SkinKind::None;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    WindowFacts facts{className, (style & WS_CHILD) != 0, (style & WS_CAPTION) == WS_CAPTION};
    return ClassifyWindow(facts);
}
