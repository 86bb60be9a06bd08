// The floors the editing benchmark measures against: what the same work
// costs with nothing of the program around it.
#pragma once

#include <windows.h>

#include <string>
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

// The safe steps of a first save, with nothing of the program around them:
// the env at path read whole, the new text composed from the rows, the old
// bytes copied to path + ".bak", the new text written to a temporary file
// and flushed, and that file put in the env's place in one step. The
// composed text goes to *text; false when a step fails.
bool FirstSafeSave(const std::string& path, const std::vector<HotkeyEntry>& rows,
                   std::string* text);

}  // namespace keyloom::bench
