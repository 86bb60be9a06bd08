// The env text core against the plainest work on the same bytes: reading a
// 64 MB env against splitting it into lines with memchr, and composing a
// million entries against concatenating their texts. Figures only.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "bench/env_bench_data.h"
#include "core/env_text.h"

namespace keyloom::bench {
namespace {

const std::string& EnvText() {
    static const std::string text = RealisticEnvText(64u << 20);
    return text;
}

const std::vector<HotkeyEntry>& Entries() {
    static const std::vector<HotkeyEntry> entries = RealisticEntries(1000000);
    return entries;
}

void ParseEnvText64MB(benchmark::State& state) {
    const std::string& text = EnvText();
    for (auto _ : state) {
        std::vector<HotkeyEntry> entries = ParseEnvText(text);
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Baseline: the lines of the same bytes as views, found with memchr.
void SplitLinesWithMemchr64MB(benchmark::State& state) {
    const std::string& text = EnvText();
    for (auto _ : state) {
        std::vector<std::string_view> lines;
        const char* pos = text.data();
        const char* const end = pos + text.size();
        while (pos < end) {
            const void* found = std::memchr(pos, '\n', static_cast<std::size_t>(end - pos));
            const char* lineEnd = found ? static_cast<const char*>(found) : end;
            lines.emplace_back(pos, static_cast<std::size_t>(lineEnd - pos));
            pos = lineEnd + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void ComposeEnvText1M(benchmark::State& state) {
    const std::vector<HotkeyEntry>& entries = Entries();
    for (auto _ : state) {
        std::string text = ComposeEnvText(entries);
        benchmark::DoNotOptimize(text.data());
    }
}

// Baseline: the keys and commands appended to one string of the exact size.
void ConcatenateTexts1M(benchmark::State& state) {
    const std::vector<HotkeyEntry>& entries = Entries();
    for (auto _ : state) {
        std::size_t size = 0;
        for (const HotkeyEntry& entry : entries) size += entry.key.size() + entry.command.size();
        std::string text;
        text.reserve(size);
        for (const HotkeyEntry& entry : entries) {
            text += entry.key;
            text += entry.command;
        }
        benchmark::DoNotOptimize(text.data());
    }
}

BENCHMARK(ParseEnvText64MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SplitLinesWithMemchr64MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComposeEnvText1M)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ConcatenateTexts1M)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace keyloom::bench
