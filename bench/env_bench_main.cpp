// Runs the env benchmarks and prints, after the usual table, each one's
// median time as a ratio to its baseline measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Comparison {
    const char* measured;
    const char* baseline;
    const char* label;
    double goal;
};

constexpr Comparison kComparisons[] = {
    {"ParseEnvText64MB", "SplitLinesWithMemchr64MB", "ParseEnvText / memchr line split", 3.0},
    {"ComposeEnvText1M", "ConcatenateTexts1M", "ComposeEnvText / concatenation", 2.0},
};

struct Times {
    double real;
    double cpu;
};

// Remembers each benchmark's median (or its one run without repetitions).
class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the figures are read in logs and copied into notes.
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if ((run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") ||
                (run.run_type == Run::RT_Iteration && run.repetitions <= 1)) {
                medians_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        for (const Comparison& c : kComparisons) {
            const auto measured = medians_.find(c.measured);
            const auto baseline = medians_.find(c.baseline);
            if (measured == medians_.end() || baseline == medians_.end()) continue;
            const Times& m = measured->second;
            const Times& b = baseline->second;
            // The goal is on real time; the CPU time ratio shows how much of
            // it other processes on a busy machine took.
            std::printf("%s: %.1f ms / %.1f ms, ratio %.2fx (goal at most %.0fx; CPU time %.2fx)\n",
                        c.label, m.real, b.real, m.real / b.real, c.goal, m.cpu / b.cpu);
        }
    }

private:
    std::map<std::string, Times> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
