#include "skin_attach.h"

#include "skin_state.h"
#include "skin_window.h"

namespace {

bool OnSkinThread(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr) == gSkin.threadId;
}

BOOL CALLBACK SkinChild(HWND hwnd, LPARAM) {
    if (OnSkinThread(hwnd)) SubclassForSkin(hwnd, ClassifyExisting(hwnd));
    return TRUE;
}

BOOL CALLBACK SkinTopLevel(HWND hwnd, LPARAM) {
    if (SubclassForSkin(hwnd, ClassifyExisting(hwnd))) {
        SkinWindow* w = FindSkinWindow(hwnd);
        if (w != nullptr && w->kind == SkinKind::TopLevel) {
            w->active = GetActiveWindow() == hwnd;
            PrepareTopLevel(hwnd);
        }
    }
    EnumChildWindows(hwnd, SkinChild, 0);
    return TRUE;
}

BOOL CALLBACK RedrawTopLevel(HWND hwnd, LPARAM) {
    if (FindSkinWindow(hwnd) != nullptr) {
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}

// With desktop composition (Windows Vista and later) the system draws title
// bars itself unless told not to; dwmapi is looked up at run time because
// older systems lack it.
using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
DwmSetWindowAttributeFn gDwmSetWindowAttribute = nullptr;

void LoadDwmApi() {
    if (gDwmSetWindowAttribute != nullptr) return;
    if (HMODULE dwm = LoadLibraryA("dwmapi.dll")) {
        gDwmSetWindowAttribute = reinterpret_cast<DwmSetWindowAttributeFn>(
            reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")));
    }
}

void DisableThemedFrame(HWND hwnd) {
    if (gDwmSetWindowAttribute == nullptr) return;
    const DWORD kNcRenderingPolicy = 2;  // DWMWA_NCRENDERING_POLICY
    const int kDisabled = 1;             // DWMNCRP_DISABLED
    gDwmSetWindowAttribute(hwnd, kNcRenderingPolicy, &kDisabled, sizeof(kDisabled));
}

void ApplyAero(HWND hwnd, bool on) {
    SkinWindow* w = FindSkinWindow(hwnd);
    if (w == nullptr || w->kind != SkinKind::TopLevel) return;
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (on) {
        // A window the program made layered itself keeps its own settings.
        if (exStyle & WS_EX_LAYERED) return;
        SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(hwnd, 0, kAeroAlpha, LWA_ALPHA);
        w->addedLayered = true;
    } else if (w->addedLayered) {
        SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        w->addedLayered = false;
        // A window that stops being layered must draw itself anew.
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

BOOL CALLBACK ApplyAeroToTopLevel(HWND hwnd, LPARAM on) {
    ApplyAero(hwnd, on != 0);
    return TRUE;
}

// Windows made after the attach are subclassed as they are created, before
// their first message, from the creation parameters.
LRESULT CALLBACK CbtProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && gSkin.attached && lp != 0) {
        HWND hwnd = reinterpret_cast<HWND>(wp);
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lp)->lpcs;
        char className[64] = {};
        if (create != nullptr && GetClassNameA(hwnd, className, sizeof(className)) > 0) {
            const WindowFacts facts{className, (create->style & WS_CHILD) != 0,
                                    (create->style & WS_CAPTION) == WS_CAPTION};
            SubclassForSkin(hwnd, ClassifyWindow(facts));
        }
    }
    return CallNextHookEx(gSkin.hook, code, wp, lp);
}

// Windows keep calling into the library for as long as they live, so it
// must stay loaded once it has subclassed anything.
void PinLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCSTR>(&CbtProc), &self);
}

}  // namespace

void PrepareTopLevel(HWND hwnd) {
    DisableThemedFrame(hwnd);
    if (gSkin.aero) ApplyAero(hwnd, true);
}

bool AttachSkin(const SkinDef& look) {
    const DWORD thread = GetCurrentThreadId();
    if (gSkin.attached && gSkin.threadId != thread) return false;
    if (!InstallLook(look)) return false;
    gSkin.threadId = thread;
    PinLibrary();
    LoadDwmApi();
    if (gSkin.hook == nullptr) {
        gSkin.hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, thread);
    }
    EnumThreadWindows(thread, SkinTopLevel, 0);
    if (gSkin.aero) EnumThreadWindows(thread, ApplyAeroToTopLevel, 1);
    EnumThreadWindows(thread, RedrawTopLevel, 0);
    return true;
}

bool SetAero(bool on) {
    gSkin.aero = on;
    if (!gSkin.attached) return false;
    EnumThreadWindows(gSkin.threadId, ApplyAeroToTopLevel, on ? 1 : 0);
    return true;
}
