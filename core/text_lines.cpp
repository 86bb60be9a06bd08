#include "core/text_lines.h"

#include "core/text_rules.h"

namespace keyloom {

LineSpan LineAt(std::string_view text, std::size_t pos) {
    const std::size_t lf = FindByteAtCharStart(text, '\n', pos);
    if (lf == std::string_view::npos) return {pos, text.size() - pos, 0};
    // The CR counts as part of the line end only where it is a character of
    // its own, not the second byte of a double-byte character.
    if (lf > pos && text[lf - 1] == '\r' && IsCharStart(text, lf - 1, pos)) {
        return {pos, lf - 1 - pos, 2};
    }
    return {pos, lf - pos, 1};
}

}  // namespace keyloom
