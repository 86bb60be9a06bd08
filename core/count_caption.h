// The text of the count label: the number of hotkeys and the counter word.
#pragma once

#include <cstddef>
#include <string>

namespace keyloom {

// "12个" for 12: decimal digits, no sign or grouping, then 个 (B8 F6).
std::string CountCaption(std::size_t count);

}  // namespace keyloom
