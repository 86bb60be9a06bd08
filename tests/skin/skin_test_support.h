#pragma once
// What the skin library tests share: loading the built library by name,
// skin texts, a window with one control of each kind the skin draws, and
// reading back what is on the screen.
#include <windows.h>

#include <string>

using AttachResFn = int(WINAPI*)(const unsigned char* skinBytes, int size, const char* password,
                                 int hue, int saturation, int brightness);
using SetAeroFn = int(WINAPI*)(int enable);

struct SkinLibrary {
    HMODULE module = nullptr;
    AttachResFn attachRes = nullptr;
    SetAeroFn setAero = nullptr;
};

// Under Wine, moves the calling thread to a desktop of the process's own, so
// that other Wine programs of the same session can neither move its pointer
// nor take its activation. Call before the thread makes a window or a skin
// is attached; true when done (always true on Windows, which stays put).
bool UseOwnDesktop();

// SkinH_EL.dll from the test program's own folder (the build folder).
SkinLibrary LoadSkinLibrary();

// Calls SkinH_AttachRes with the text's bytes and an empty password.
int Attach(const SkinLibrary& lib, const std::string& skin, int hue = 0, int saturation = 0,
           int brightness = 0);

// One of the shipped skins, 1..37, read from the source tree.
std::string ReadShippedSkin(int index);

// A skin with flat faces, square corners and a different colour in every
// role, so each pixel read tells which role drew it.
std::string FlatTestSkin();

struct TestWindow {
    HWND top = nullptr;
    HWND button = nullptr;
    HWND group = nullptr;
    HWND groupLabel = nullptr;  // a label inside the group box
    HWND label = nullptr;       // default text colour
    HWND redLabel = nullptr;    // the parent answers red text for it
    HWND edit = nullptr;        // client edge
    HWND list = nullptr;        // report view, client edge, two columns
    HWND header = nullptr;      // the list's header
    HWND link = nullptr;        // a custom child class the skin must not touch
};

// Builds the window hidden, at (`x`, `y`) on the screen.
TestWindow CreateTestWindow(int x = 100, int y = 100);
void DestroyTestWindow(TestWindow& w);
void AddListRow(HWND list, const char* key, const char* command);

// The procedure of the custom child class, to see that it is untouched.
WNDPROC LinkClassProc();
// Text colour the test window's procedure sets for the red label.
constexpr COLORREF kRedText = RGB(255, 0, 0);

// Handles pending messages for about `ms` milliseconds.
void PumpMessages(int ms);

// Puts the mouse pointer at a screen point and makes sure it stays there
// (under Wine a late pointer event can move it back); false if it would not.
bool MovePointer(int x, int y);
// Puts the pointer in the desktop's bottom-left corner, where no test window
// lies. The desktop, not the X screen, bounds the pointer: a fixed point low
// on a large screen is out of reach on a small desktop.
bool MovePointerAway();

// Shows the window and lets it paint.
void ShowAndPaint(HWND top);

// The colour on the screen at a point of a window's client area, or of the
// whole window (window coordinates); CLR_INVALID off the desktop.
COLORREF ScreenPixelOfClient(HWND hwnd, int x, int y);
// The pixel once it has the wanted colour, or after two seconds as it is.
COLORREF WaitForPixel(HWND hwnd, int x, int y, COLORREF wanted);
COLORREF ScreenPixelOfWindow(HWND hwnd, int x, int y);

// The skin's colour of `key` after the given attach parameters.
COLORREF SkinColour(const std::string& skin, const char* key, int hue = 0, int saturation = 0,
                    int brightness = 0);
