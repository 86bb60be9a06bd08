// The floors the editing benchmark measures against: what the same work
// costs with nothing of the program around it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/env_text.h"

namespace keyloom::bench {

// A bare report-view list like 超级列表框1 (same styles, size and columns)
// in a plain top-level window, made hidden as the program's window is made
// at start-up; destroyed with its window.
class BareList {
public:
    BareList();
    ~BareList();
    BareList(const BareList&) = delete;
    BareList& operator=(const BareList&) = delete;

    HWND List() const { return list_; }
    // Inserts the rows, two cells each, one message per cell, into the
    // hidden list, then shows and paints it. Without redraw the list is
    // told not to redraw while the rows go in.
    void InsertRows(const std::vector<HotkeyEntry>& rows, bool redraw = true);

private:
    HWND frame_ = nullptr;
    HWND list_ = nullptr;
};

// Writes the bytes to the file in one call; false on failure.
bool WriteInOneCall(const std::string& path, std::string_view bytes);

}  // namespace keyloom::bench
