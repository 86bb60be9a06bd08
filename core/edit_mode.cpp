#include "core/edit_mode.h"

namespace keyloom {

bool IsModifyMode(std::string_view confirmCaption) {
    return confirmCaption == kModifyConfirmCaption;
}

bool IsPanelShown(int windowWidth) {
    return windowWidth >= kPanelShownFrom;
}

int ToggledPanelWidth(int windowWidth) {
    return IsPanelShown(windowWidth) ? kPanelHiddenWidth : kPanelShownWidth;
}

}  // namespace keyloom
