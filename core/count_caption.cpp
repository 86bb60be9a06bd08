#include "core/count_caption.h"

namespace keyloom {

// "个" in code page 936, spelled as bytes so every compiler gives the same.
std::string CountCaption(std::size_t count) {
    return std::to_string(count) + "\xB8\xF6";
}

}  // namespace keyloom
