#include "core/edit_mode.h"

namespace keyloom {

bool IsModifyMode(std::string_view confirmCaption) {
    return confirmCaption == kModifyConfirmCaption;
}

}  // namespace keyloom
