#pragma once

// The console output of the run, and at its end the ratios of each benchmark to its baseline and
// the limits, each with its verdict.

#include "bench/BenchContext.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace veltrano::bench {

class TargetReporter final : public benchmark::ConsoleReporter {
public:
    // Plain text: the output is read from logs and files as often as from a terminal.
    TargetReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints both tables; false when a benchmark that a target needs failed.
    bool PrintTargets(const BenchContext& context) const;

private:
    struct Result {
        double realSeconds = 0; // per iteration, summed over runs
        double cpuSeconds = 0;
        int runs = 0;
        bool failed = false;
        std::map<std::string, double> counters;
    };
    bool PrintRatios(const BenchContext& context) const;
    bool PrintLimits(const BenchContext& context) const;
    const Result* Find(const std::string& name) const;

    std::map<std::string, Result> results_;
    std::map<std::string, Result> means_;
};

} // namespace veltrano::bench
