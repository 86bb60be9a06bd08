#include "window/controls/control_cursor.h"

#include <unordered_map>

namespace keyloom {

namespace {

// What a control needs to show its own pointer: the pointer and the window
// procedure that handles everything else. Kept in a map of our own rather
// than in window properties (or comctl32's subclassing, which uses them):
// under Wine every property lookup is a round trip to the server, and this
// procedure sees every message of the hotkey list.
struct CursorRecord {
    HCURSOR cursor = nullptr;
    WNDPROC previous = nullptr;
    bool unicode = false;  // the window stays as Unicode or ANSI as it was
};

std::unordered_map<HWND, CursorRecord>& CursorRecords() {
    static std::unordered_map<HWND, CursorRecord> records;
    return records;
}

LRESULT CursorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode);

LRESULT CALLBACK CursorProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CursorProc(window, message, wParam, lParam, false);
}

LRESULT CALLBACK CursorProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CursorProc(window, message, wParam, lParam, true);
}

LRESULT CursorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
    auto& records = CursorRecords();
    const auto found = records.find(window);
    if (found == records.end()) {
        return unicode ? DefWindowProcW(window, message, wParam, lParam)
                       : DefWindowProcA(window, message, wParam, lParam);
    }
    const CursorRecord record = found->second;
    // Only the client area: scroll bars and header dividers keep their own.
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        SetCursor(record.cursor);
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        // Put the previous procedure back unless someone subclassed on top.
        const LONG_PTR ours = reinterpret_cast<LONG_PTR>(unicode ? CursorProcW : CursorProcA);
        if (unicode && GetWindowLongPtrW(window, GWLP_WNDPROC) == ours) {
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previous));
        } else if (!unicode && GetWindowLongPtrA(window, GWLP_WNDPROC) == ours) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previous));
        }
        records.erase(found);
    }
    return unicode ? CallWindowProcW(record.previous, window, message, wParam, lParam)
                   : CallWindowProcA(record.previous, window, message, wParam, lParam);
}

}  // namespace

void SetControlCursor(HWND control, HCURSOR cursor) {
    auto& records = CursorRecords();
    const auto found = records.find(control);
    if (found != records.end()) {
        found->second.cursor = cursor;
        return;
    }
    const bool unicode = IsWindowUnicode(control) != FALSE;
    const LONG_PTR previous =
        unicode ? SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CursorProcW))
                : SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CursorProcA));
    if (previous == 0) return;
    records[control] = CursorRecord{cursor, reinterpret_cast<WNDPROC>(previous), unicode};
}

HCURSOR ControlCursor(HWND control) {
    const auto& records = CursorRecords();
    const auto found = records.find(control);
    return found == records.end() ? nullptr : found->second.cursor;
}

}  // namespace keyloom
