#include "editing/env_file_text.h"

#include "app/globals.h"
#include "editing/editing_texts.h"
#include "env/env_file.h"
#include "ui/window_ops.h"

namespace keyloom {

std::string EnvFileText() {
    if (EnvFilePath == nullptr) return std::string();
    return std::string(BytesToText(ReadWholeFile(*EnvFilePath)));
}

void FillContentBox() {
    SetControlText(kContentBox, EnvFileText());
}

}  // namespace keyloom
