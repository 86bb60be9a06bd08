// A desktop of the test program's own under Wine. Wine programs that share a
// prefix share one Windows session whatever X display each one uses: on the
// common desktop another program's pointer moves and activations reach the
// test's windows (a hover test elsewhere moves our pointer, a window shown
// elsewhere takes the foreground). Under Wine every desktop is drawn on the
// X display, so the test's windows still show; on Windows only the input
// desktop is drawn, so there the test stays where it is.
#include <cstdio>

#include "skin_test_support.h"

namespace {

HDESK gOwnDesktop = nullptr;

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

bool UseOwnDesktop() {
    if (gOwnDesktop != nullptr) return GetThreadDesktop(GetCurrentThreadId()) == gOwnDesktop;
    if (!UnderWine()) return true;
    char name[64];
    std::snprintf(name, sizeof(name), "keyloom-skin-test-%lu", GetCurrentProcessId());
    HDESK desktop = CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr) return false;
    // Refused once the thread has a window or a hook: call it first.
    if (!SetThreadDesktop(desktop)) {
        CloseDesktop(desktop);
        return false;
    }
    gOwnDesktop = desktop;  // open for the life of the process
    return true;
}
