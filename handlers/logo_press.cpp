#include "handlers/logo_press.h"

#include "platform/web_open.h"

namespace keyloom {

namespace {

// The site behind the logo picture.
constexpr const char* kLogoAddress = "http://keyloom.example.com/";

}  // namespace

void OnLogoPressed() {
    OpenWebAddress(kLogoAddress);
}

}  // namespace keyloom
