#include "editing/hotkey_cell_reader.h"

#include <commctrl.h>

#include "ui/window_ops.h"

namespace keyloom {

HotkeyCellReader::HotkeyCellReader() : list_(ControlWindow("超级列表框1")), buffer_(256) {}

std::string HotkeyCellReader::Cell(int row, int column) {
    if (list_ == nullptr || row < 0) return std::string();
    // The list copies at most the buffer's size less one, and a cut may stop
    // before a double-byte character that does not fit: a text that comes
    // within two bytes of the end may be longer, so grow and ask again.
    for (;;) {
        buffer_[0] = '\0';
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer_.data();
        item.cchTextMax = static_cast<int>(buffer_.size());
        const LRESULT length =
            SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(buffer_.size()) - 2 || buffer_.size() >= (1u << 24)) {
            return std::string(buffer_.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
        }
        buffer_.resize(buffer_.size() * 2);
    }
}

}  // namespace keyloom
