#include "core/env_temporary.h"

namespace keyloom {
namespace {

// Largest id a process can have: Windows ids are 32 bits.
constexpr unsigned long long kMaxProcessId = 0xFFFFFFFFull;

// The id in digits, as std::to_string writes it: no sign, no leading zero.
std::optional<unsigned long> ProcessIdIn(std::string_view digits) {
    if (digits.empty() || digits.size() > 10 || digits[0] == '0') return std::nullopt;
    unsigned long long id = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        id = id * 10 + static_cast<unsigned long long>(c - '0');
    }
    if (id > kMaxProcessId) return std::nullopt;
    return static_cast<unsigned long>(id);
}

// The id in name when name is target, ".", an id, suffix.
std::optional<unsigned long> WriterOf(std::string_view target, std::string_view suffix,
                                      std::string_view name) {
    if (name.size() <= target.size() + 1 + suffix.size()) return std::nullopt;
    if (name.substr(0, target.size()) != target || name[target.size()] != '.') return std::nullopt;
    if (name.substr(name.size() - suffix.size()) != suffix) return std::nullopt;
    const std::size_t start = target.size() + 1;
    return ProcessIdIn(name.substr(start, name.size() - suffix.size() - start));
}

}  // namespace

std::string TemporaryPathFor(std::string_view target, unsigned long processId,
                             std::string_view suffix) {
    std::string path(target);
    path += '.';
    path += std::to_string(processId);
    path += suffix;
    return path;
}

std::optional<TemporaryName> ReadTemporaryName(std::string_view targetName, std::string_view name) {
    if (targetName.empty()) return std::nullopt;
    if (auto writer = WriterOf(targetName, kPartSuffix, name)) return TemporaryName{*writer, false};
    if (auto writer = WriterOf(targetName, kWholeSuffix, name)) return TemporaryName{*writer, true};
    return std::nullopt;
}

}  // namespace keyloom
