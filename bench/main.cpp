// veltrano-bench: the speed and memory benchmarks, each beside its baseline, and at the end the
// ratios of benchmark to baseline with their targets. --smoke runs each benchmark once on the
// smallest database, as a check that they all work, not as a measurement.

#include "bench/BenchContext.h"
#include "scan/modKonstantenArrays.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using veltrano::bench::BenchContext;

// The console output, and the mean real time of every benchmark for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    // Plain text: the output is read from logs and files as often as from a terminal.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) {
                continue;
            }
            auto& time = times_[run.run_name.function_name];
            if (run.error_occurred) {
                time.failed = true;
            } else if (run.iterations > 0) {
                time.seconds += run.real_accumulated_time / static_cast<double>(run.iterations);
                ++time.runs;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints the ratio table; false when a benchmark of a pair failed.
    bool PrintRatios(const BenchContext& context) const {
        bool complete = true;
        std::printf("\n%-34s %-36s %9s %8s  %s\n", "Benchmark", "Baseline", "Ratio", "Target",
                    "Verdict");
        for (const auto& pair : context.Comparisons()) {
            const auto subject = times_.find(pair.subject);
            const auto baseline = times_.find(pair.baseline);
            if (subject == times_.end() || baseline == times_.end()) {
                continue; // filtered out
            }
            if (subject->second.failed || baseline->second.failed || subject->second.runs == 0 ||
                baseline->second.runs == 0) {
                std::printf("%-34s %-36s %9s\n", pair.subject.c_str(), pair.baseline.c_str(),
                            "failed");
                complete = false;
                continue;
            }
            const double ratio = subject->second.Mean() / baseline->second.Mean();
            const std::string target =
                pair.target ? std::to_string(*pair.target).substr(0, 3) + "x" : "-";
            const char* verdict = !pair.target            ? ""
                                  : context.Smoke()       ? "(smoke run: not a measurement)"
                                  : ratio <= *pair.target ? "met"
                                                          : "MISSED";
            std::printf("%-34s %-36s %8.2fx %8s  %s\n", pair.subject.c_str(), pair.baseline.c_str(),
                        ratio, target.c_str(), verdict);
        }
        return complete;
    }

private:
    struct Time {
        double seconds = 0;
        int runs = 0;
        bool failed = false;
        double Mean() const { return seconds / runs; }
    };
    std::map<std::string, Time> times_;
};

// Takes --smoke out of the arguments; true when it was there.
bool TakeSmokeFlag(int& argc, char** argv) {
    bool smoke = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            smoke = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return smoke;
}

} // namespace

int main(int argc, char** argv) {
    const bool smoke = TakeSmokeFlag(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    veltrano::scan::InitKonstantenArrays();

    BenchContext context(smoke);
    veltrano::bench::RegisterScanBenchmarks(context);
    veltrano::bench::RegisterListBenchmarks(context);
    veltrano::bench::RegisterSaveBenchmarks(context);
    veltrano::bench::RegisterTreeBenchmarks(context);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool complete = reporter.PrintRatios(context);
    benchmark::Shutdown();
    return complete ? 0 : 1;
}
