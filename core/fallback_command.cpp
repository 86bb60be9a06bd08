#include "core/fallback_command.h"

#include "core/text_rules.h"

namespace keyloom {

std::optional<std::string> BuildFallbackCommandLine(std::string_view associationCommand,
                                                    std::string_view target) {
    std::size_t cut = FindAtCharStart(associationCommand, "\"%1\"");
    if (cut == std::string_view::npos) cut = FindAtCharStart(associationCommand, "%1");
    std::string_view program = associationCommand.substr(0, cut);

    // Checked before building, so an overlong address costs no allocation.
    if (program.size() + 1 + target.size() > kMaxWinExecCommandLine) return std::nullopt;
    std::string line;
    line.reserve(program.size() + 1 + target.size());
    line.append(program);
    line.push_back(' ');
    line.append(target);
    return line;
}

}  // namespace keyloom
