#include "handlers/content_view.h"

#include <cstring>

#include "core/env_file.h"
#include "handlers/editing_texts.h"
#include "platform/globals.h"
#include "platform/message_box.h"
#include "window/content_box.h"
#include "window/control_names.h"
#include "window/text_box.h"
#include "window/window_ops.h"

namespace keyloom {

std::string EnvFileText() {
    if (EnvFilePath == nullptr) return std::string();
    // Cut in place at the first zero byte: the text of a large env is not
    // copied again.
    std::string text = ReadWholeFile(*EnvFilePath);
    text.resize(std::strlen(text.c_str()));
    return text;
}

void FillContentBox() {
    ShowSavedText(EnvFileText());
}

void ShowEnvContent() {
    ShowTextBox(EnvFileText(), kEnvContentTitle);
}

}  // namespace keyloom
