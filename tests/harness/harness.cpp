#include "tests/harness/harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/bindings.h"
#include "handlers/editing_state.h"
#include "platform/globals.h"
#include "platform/program_folder.h"
#include "platform/skin_module.h"
#include "window/controls/control_ids.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"
#include "window/boxes.h"
#include "window/message_pump.h"
#include "window/window_ops.h"

namespace keyloom::test {

namespace {

std::vector<RecordedBox> gRecordedBoxes;
BoxFunction gSavedBox = nullptr;
bool gAnswer = false;

// A question is recorded with the style MB_YESNO and answered as the
// recorder says (否 unless told), so a test that meets one unawares sees it
// and never waits on it. A long text is recorded as a message box with no
// icon would be, its text the env file's.
bool RecordBox(const Box& box) {
    const BoxText kind = box.kind == BoxKind::LongText ? BoxText::EnvFile
                         : box.text.empty()            ? BoxText::Program
                                                       : box.text.front().kind;
    const unsigned style = box.kind == BoxKind::Question ? MB_YESNO : box.style;
    gRecordedBoxes.push_back({JoinedText(box.text), box.title, style, kind});
    return box.kind == BoxKind::Question && gAnswer;
}

HWND StartWindow() {
    PrepareMainWindowLayout();
    if (!SkinModuleInstance) SkinModuleInstance = new SkinModule(SkinModule::NoInstall{});
    HWND window = CreateMainWindow(kBindings);
    if (!window) return nullptr;
    RaiseMainWindowCreated();
    if (IsWindow(window)) ShowWindow(window, SW_SHOWNORMAL);
    PumpMessages();
    return MainWindow();
}

}  // namespace

std::string TestProgramFolder() {
    return ProgramFolder();
}
std::string TestEnvPath() {
    return TestProgramFolder() + "/env";
}

HWND StartMainWindowForTest(const std::string& envBytes) {
    DeleteFileA((TestEnvPath() + ".bak").c_str());
    WriteFileBytes(TestEnvPath(), envBytes);
    return StartWindow();
}

HWND StartMainWindowWithoutEnvForTest() {
    DeleteFileA((TestEnvPath() + ".bak").c_str());
    DeleteFileA(TestEnvPath().c_str());
    return StartWindow();
}

HWND StartMainWindowBesideBackupForTest(const std::string& backupBytes) {
    DeleteFileA(TestEnvPath().c_str());
    WriteFileBytes(TestEnvPath() + ".bak", backupBytes);
    return StartWindow();
}

void CloseMainWindowForTest() {
    // A save still running finishes first, as a close by the user waits.
    PumpMessages();
    if (MainWindow()) DestroyWindow(MainWindow());
    PumpMessages();
}

void PumpMessages() {
    ProcessPendingMessages();
    // The saves the messages started, and the actions given meanwhile.
    while (!Session().IsIdle() && MainWindow() != nullptr) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        ProcessPendingMessages();
    }
}

void PumpMessagesFor(int milliseconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        ProcessPendingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    ProcessPendingMessages();
}

MessageBoxRecorder::MessageBoxRecorder() {
    gRecordedBoxes.clear();
    gAnswer = false;
    gSavedBox = gBoxFunction;
    gBoxFunction = RecordBox;
}

MessageBoxRecorder::~MessageBoxRecorder() {
    gBoxFunction = gSavedBox;
}

void MessageBoxRecorder::Clear() {
    gRecordedBoxes.clear();
}

void MessageBoxRecorder::AnswerQuestionsYes(bool yes) {
    gAnswer = yes;
}

const std::vector<RecordedBox>& MessageBoxRecorder::Boxes() const {
    return gRecordedBoxes;
}

void ClickButton(std::string_view name) {
    HWND button = ControlWindow(name);
    if (button) SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
}

void PressControl(std::string_view name) {
    HWND control = ControlWindow(name);
    if (!control) return;
    RECT client;
    GetClientRect(control, &client);
    LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(control, WM_LBUTTONUP, 0, middle);
    PumpMessages();
}

void SelectHotkeyRowForTest(int row) {
    HWND list = ControlWindow(kHotkeyList);
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Clear every row first; single selection keeps at most one anyway.
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row >= 0) {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
    PumpMessages();
}

void TypeInto(std::string_view name, std::string_view text) {
    HWND edit = ControlWindow(name);
    if (edit)
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::string(text).c_str()));
    PumpMessages();
}

void PressKey(HWND window, UINT virtualKey) {
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
    PumpMessages();
}

void PressRealKeys(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
        inputs.push_back(input);
    }
    for (auto key = virtualKeys.end(); key != virtualKeys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(*key, 0));
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessagesFor(50);
    PumpMessages();
}

void PressKeyHolding(HWND window, UINT virtualKey, KeysHeld held, bool extended) {
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE keys[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(keys));
    const auto down = [](bool on) { return static_cast<BYTE>(on ? 0x80 : 0); };
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down(held.ctrl);
    keys[VK_MENU] = keys[VK_LMENU] = down(held.alt);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = down(held.shift);
    SetKeyboardState(keys);
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scan) << 16);
    if (extended) lParam |= LPARAM(1) << 24;
    if (held.alt) lParam |= LPARAM(1) << 29;
    // Alt, and F10 alone, come as system keys.
    const bool system = held.alt || virtualKey == VK_F10;
    PostMessageA(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, lParam);
    PostMessageA(window, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, lParam | (LPARAM(3) << 30));
    PumpMessages();
    SetKeyboardState(saved);
}

bool PressKeysOnX(const std::string& keys) {
    HWND window = MainWindow();
    if (!window) return false;
    SetForegroundWindow(window);
    PumpMessages();
    // Wine keeps the X window of a top-level window in this property; the
    // keys go to the X window that has the input focus.
    const auto xWindow =
        reinterpret_cast<std::uintptr_t>(GetPropA(window, "__wine_x11_whole_window"));
    // The test program's folder is on drive Z:, the host's root.
    const std::string folder = TestProgramFolder();
    if (!xWindow || folder.size() < 2 || (folder[0] != 'Z' && folder[0] != 'z')) return false;
    static int runs = 0;
    const std::string done = folder + "\\xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++runs) + ".done";
    std::string hostDone = done.substr(2);
    std::replace(hostDone.begin(), hostDone.end(), '\\', '/');
    // Wine starts the host's program as it would a Windows one, but gives
    // no handle to wait on: xdotool leaves a file when it is done.
    std::string command = "/bin/sh -c \"/usr/bin/xdotool windowfocus --sync " +
                          std::to_string(xWindow) + " key --delay 40 " + keys + "; touch '" +
                          hostDone + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The keys arrive while xdotool runs: handle them as they come.
    const DWORD start = GetTickCount();
    bool finished = false;
    while (!finished && GetTickCount() - start < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        ProcessPendingMessages();
        finished = GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    DeleteFileA(done.c_str());
    // The last key's messages may come just after xdotool ends.
    PumpMessagesFor(100);
    PumpMessages();
    return finished;
}

std::vector<std::pair<std::string, std::string>> HotkeyRows() {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < HotkeyRowCount(); ++row) {
        rows.emplace_back(HotkeyCell(row, 0), HotkeyCell(row, 1));
    }
    return rows;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace keyloom::test
