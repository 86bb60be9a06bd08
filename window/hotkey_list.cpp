#include "window/hotkey_list.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/text_rules.h"
#include "platform/program_text.h"
#include "window/controls/control_ids.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// The rows the list shows; their owner changes them only on this thread.
const HotkeyRows* gShownRows = nullptr;

// The tip of a dead row: "已被后面的 <key> 覆盖", the key as the file holds it.
constexpr std::string_view kCoveredTipBefore = "已被后面的 ";
constexpr std::string_view kCoveredTipAfter = " 覆盖";

std::size_t ShownCount() {
    return gShownRows ? gShownRows->Count() : 0;
}

HWND HotkeyList() {
    return ControlWindow(kHotkeyList);
}

bool IsRow(int row) {
    return row >= 0 && static_cast<std::size_t>(row) < ShownCount();
}

// How the list's two scroll bars look: where their thumbs are, and whether
// they are shown and enabled.
std::array<SCROLLBARINFO, 2> ScrollBars(HWND list) {
    std::array<SCROLLBARINFO, 2> bars = {};
    const LONG objects[2] = {OBJID_HSCROLL, OBJID_VSCROLL};
    for (int i = 0; i < 2; ++i) {
        bars[i].cbSize = sizeof bars[i];
        if (!GetScrollBarInfo(list, objects[i], &bars[i])) bars[i].cbSize = 0;
    }
    return bars;
}

bool SameScrollBars(const std::array<SCROLLBARINFO, 2>& a, const std::array<SCROLLBARINFO, 2>& b) {
    for (int i = 0; i < 2; ++i) {
        if (a[i].cbSize == 0 || b[i].cbSize == 0 ||
            !EqualRect(&a[i].rcScrollBar, &b[i].rcScrollBar) ||
            a[i].xyThumbTop != b[i].xyThumbTop || a[i].xyThumbBottom != b[i].xyThumbBottom ||
            std::memcmp(a[i].rgstate, b[i].rgstate, sizeof a[i].rgstate) != 0) {
            return false;
        }
    }
    return true;
}

// Copies as much of text as fits into the list's buffer, ending at a
// character start so a double-byte character is never cut in two.
void CopyCellText(std::string_view text, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return;
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    while (length > 0 && !IsCharStart(text, length)) --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters compare without case, as the list's own search does.
bool KeyBeginsWith(std::string_view key, std::string_view prefix) {
    if (key.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(key[i]) != AsciiLower(prefix[i])) return false;
    }
    return true;
}

// The typed letters of a find request: bytes as they are from an ANSI
// request; from a wide one (Wine sends that whatever the parent asked
// for) only when every character is ASCII, which needs no code page.
bool TypedPrefix(const NMHDR& header, std::string* prefix) {
    if (header.code == LVN_ODFINDITEMA) {
        const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);
        if (find.lvfi.psz == nullptr) return false;
        prefix->assign(find.lvfi.psz);
        return true;
    }
    const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
    if (find.lvfi.psz == nullptr) return false;
    prefix->clear();
    for (const wchar_t* c = find.lvfi.psz; *c != L'\0'; ++c) {
        if (*c >= 0x80) return false;
        prefix->push_back(static_cast<char>(*c));
    }
    return true;
}

// The list's type-ahead: the first row from the start row on (around to
// the top when asked) whose key begins with the typed letters, or -1.
LRESULT FindRowByTypedKey(const NMHDR& header) {
    // Both request forms start alike up to the string they point to.
    const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);
    std::string prefix;
    if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || !TypedPrefix(header, &prefix)) {
        return -1;
    }
    const int count = HotkeyRowCount();
    const int start = find.iStart >= 0 && find.iStart < count ? find.iStart : 0;
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        if (row < start && (find.lvfi.flags & LVFI_WRAP) == 0) break;
        if (KeyBeginsWith(gShownRows->Key(static_cast<std::size_t>(row)), prefix)) return row;
    }
    return -1;
}

// The selected row (-1: none) and the focused one, where the selection
// and focus may have stayed at their old places.
void SetSelectionAndFocus(HWND list, int selected, int focused) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    for (UINT which : {LVNI_SELECTED, LVNI_FOCUSED}) {
        const LRESULT marked = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which);
        if (marked >= 0) {
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(marked),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    if (focused >= 0) {
        item.state = LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(focused),
                     reinterpret_cast<LPARAM>(&item));
    }
    if (selected >= 0) {
        item.state = LVIS_SELECTED;
        item.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&item));
        SendMessageA(list, LVM_SETSELECTIONMARK, 0, selected);
    }
}

// A cell of a shown row: the key, the command, or the verb its line has.
std::string_view CellText(std::size_t row, int column) {
    switch (column) {
        case 0:
            return gShownRows->Key(row);
        case 1:
            return gShownRows->Command(row);
        case 2:
            return VerbWord(gShownRows->Verb(row));
        default:
            return {};
    }
}

// One row selected and focused (-1: none), as a click on it would.
void SetSelection(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // The selected and the focused row lose their marks; asked for all
    // rows at once, the list would visit each of them.
    for (UINT which : {LVNI_SELECTED, LVNI_FOCUSED}) {
        const LRESULT marked = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which);
        if (marked >= 0 && marked != row) {
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(marked),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    if (row < 0 || row >= HotkeyRowCount()) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
}

bool IsCovered(int row) {
    return IsRow(row) && gShownRows->IsDead(static_cast<std::size_t>(row));
}

// A dead row's key and command in the system's grey text.
LRESULT DrawRow(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
        IsCovered(static_cast<int>(draw.nmcd.dwItemSpec))) {
        draw.clrText = GetSysColor(COLOR_GRAYTEXT);
        return CDRF_NEWFONT;
    }
    return CDRF_DODEFAULT;
}

// The info tip of a dead row; other rows have none.
void AnswerInfoTip(const NMHDR& header) {
    if (header.code == LVN_GETINFOTIPA) {
        auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(const_cast<NMHDR&>(header));
        if (!IsCovered(tip.iItem) || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
        std::string text(kCoveredTipBefore);
        text.append(gShownRows->Key(static_cast<std::size_t>(tip.iItem))).append(kCoveredTipAfter);
        CopyCellText(text, tip.pszText, tip.cchTextMax);
        return;
    }
    auto& tip = reinterpret_cast<NMLVGETINFOTIPW&>(const_cast<NMHDR&>(header));
    if (!IsCovered(tip.iItem) || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
    // The key is the file's bytes, the words the program's own.
    const std::wstring text = WideProgramText(kCoveredTipBefore) +
                              WideAnsiText(gShownRows->Key(static_cast<std::size_t>(tip.iItem))) +
                              WideProgramText(kCoveredTipAfter);
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), tip.pszText);
    tip.pszText[length] = L'\0';
}

}  // namespace

void ShowHotkeyRows(const HotkeyRows* rows) {
    gShownRows = rows;
    HWND list = HotkeyList();
    if (!list) return;
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
    SendMessageA(list, LVM_SETITEMCOUNT, ShownCount(), 0);
    InvalidateRect(list, nullptr, TRUE);
}

int HotkeyRowCount() {
    return static_cast<int>(ShownCount());
}

std::string HotkeyCell(int row, int column) {
    if (!IsRow(row) || column < 0 || column > 2) return {};
    return std::string(CellText(static_cast<std::size_t>(row), column));
}

void ShowHotkeyListChanges(const std::vector<ListChange>& changes) {
    HWND list = HotkeyList();
    if (!list || changes.empty()) return;
    // The first row whose place on the screen the changes move or fill.
    int firstChanged = HotkeyRowCount();
    bool allNew = false;
    for (const ListChange& change : changes) {
        if (change.kind == ListChange::Replaced) allNew = true;
        firstChanged = std::min(firstChanged, change.row);
    }
    const LRESULT top = SendMessageA(list, LVM_GETTOPINDEX, 0, 0);
    const std::array<SCROLLBARINFO, 2> barsBefore = ScrollBars(list);
    // Under Wine the list draws both its scroll bars twice, at once, for
    // every change of its row count; kept from drawing (as the default
    // WM_SETREDRAW does, without the list's own handling of it), it draws
    // them once, with the rows that changed, when it next paints.
    DefWindowProcA(list, WM_SETREDRAW, FALSE, 0);
    int selected = SelectedHotkeyRow();
    int focused = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    // An owner-data list only learns its new count; the selection and the
    // focus move with the rows as they do in a list of the control's own:
    // down with an insertion above them, up with a deletion, and a deleted
    // selected row leaves none selected, the focus staying at its place.
    for (const ListChange& change : changes) {
        if (change.kind == ListChange::Deleted) {
            --count;
            if (selected == change.row) selected = -1;
            if (selected > change.row) --selected;
            if (focused > change.row) --focused;
        } else if (change.kind == ListChange::Inserted) {
            ++count;
            if (selected >= change.row) ++selected;
            if (focused >= change.row) ++focused;
        } else {
            count = change.row;
        }
    }
    SendMessageA(list, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (focused >= count) focused = count - 1;
    SetSelectionAndFocus(list, selected, focused);
    DefWindowProcA(list, WM_SETREDRAW, TRUE, 0);
    // The scroll bars are drawn again only when they look different: a row
    // more or less among thousands seldom moves a thumb by a pixel.
    if (!SameScrollBars(barsBefore, ScrollBars(list))) {
        RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    }
    // The rows from the first changed one down, or all when the list
    // scrolled or every row is new.
    RECT changed;
    GetClientRect(list, &changed);
    if (!allNew && SendMessageA(list, LVM_GETTOPINDEX, 0, 0) == top && firstChanged > top) {
        RECT row = {LVIR_BOUNDS};
        if (SendMessageA(list, LVM_GETITEMRECT, firstChanged, reinterpret_cast<LPARAM>(&row))) {
            changed.top = std::max(changed.top, row.top);
        }
    }
    if (changed.top < changed.bottom) InvalidateRect(list, &changed, FALSE);
}

void KeepHotkeyRowSelected(int row) {
    if (HWND list = HotkeyList()) SetSelection(list, row);
}

void SelectHotkeyRow(int row) {
    HWND list = HotkeyList();
    if (!list) return;
    SetSelection(list, row);
    if (row >= 0 && row < HotkeyRowCount()) SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
}

void RedrawHotkeyList() {
    if (HWND list = HotkeyList()) InvalidateRect(list, nullptr, FALSE);
}

int SelectedHotkeyRow() {
    HWND list = HotkeyList();
    if (!list) return -1;
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool AnswerHotkeyListNotification(const NMHDR& header, LRESULT* result) {
    if (header.hwndFrom == nullptr || header.hwndFrom != HotkeyList()) return false;
    if (header.code == LVN_GETDISPINFOA) {
        auto& item = reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(header)).item;
        if ((item.mask & LVIF_TEXT) != 0) {
            std::string_view text;
            if (IsRow(item.iItem)) {
                text = CellText(static_cast<std::size_t>(item.iItem), item.iSubItem);
            }
            CopyCellText(text, item.pszText, item.cchTextMax);
        }
        *result = 0;
        return true;
    }
    if (header.code == NM_CUSTOMDRAW) {
        *result = DrawRow(reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header)));
        return true;
    }
    if (header.code == LVN_GETINFOTIPA || header.code == LVN_GETINFOTIPW) {
        AnswerInfoTip(header);
        *result = 0;
        return true;
    }
    if (header.code == LVN_ODFINDITEMA || header.code == LVN_ODFINDITEMW) {
        *result = FindRowByTypedKey(header);
        return true;
    }
    return false;
}

}  // namespace keyloom
