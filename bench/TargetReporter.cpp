#include "bench/TargetReporter.h"

#include <cstdio>

namespace veltrano::bench {

namespace {

const char* Verdict(const BenchContext& context, bool met) {
    if (context.Smoke()) {
        return "(smoke run: not a measurement)";
    }
    return met ? "met" : "MISSED";
}

} // namespace

void TargetReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
        if (run.run_type != Run::RT_Iteration && !mean) {
            continue;
        }
        // With repetitions the mean replaces the single runs it was made from.
        Result& result = (mean ? means_ : results_)[run.run_name.function_name];
        if (run.error_occurred) {
            result.failed = true;
        } else if (run.iterations > 0) {
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            result.realSeconds += run.GetAdjustedRealTime() / perSecond;
            result.cpuSeconds += run.GetAdjustedCPUTime() / perSecond;
            ++result.runs;
            for (const auto& [name, counter] : run.counters) {
                result.counters[name] = counter.value;
            }
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

const TargetReporter::Result* TargetReporter::Find(const std::string& name) const {
    if (const auto mean = means_.find(name); mean != means_.end()) {
        return &mean->second;
    }
    const auto found = results_.find(name);
    return found != results_.end() ? &found->second : nullptr;
}

bool TargetReporter::PrintTargets(const BenchContext& context) const {
    const bool ratios = PrintRatios(context);
    const bool limits = PrintLimits(context);
    return ratios && limits;
}

bool TargetReporter::PrintRatios(const BenchContext& context) const {
    bool complete = true;
    std::printf("\n%-32s %-34s %10s %10s %7s  %s\n", "Benchmark", "Baseline", "Real time",
                "CPU time", "Target", "Verdict (real time)");
    for (const Comparison& pair : context.Comparisons()) {
        const Result* subject = Find(pair.subject);
        const Result* baseline = Find(pair.baseline);
        if (subject == nullptr || baseline == nullptr) {
            continue; // filtered out
        }
        if (subject->failed || baseline->failed || subject->runs == 0 || baseline->runs == 0) {
            std::printf("%-32s %-34s %10s\n", pair.subject.c_str(), pair.baseline.c_str(),
                        "failed");
            complete = false;
            continue;
        }
        const double real =
            (subject->realSeconds / subject->runs) / (baseline->realSeconds / baseline->runs);
        const double cpu =
            (subject->cpuSeconds / subject->runs) / (baseline->cpuSeconds / baseline->runs);
        char target[16] = "-";
        if (pair.target) {
            std::snprintf(target, sizeof target, "%.0fx", *pair.target);
        }
        std::printf("%-32s %-34s %9.2fx %9.2fx %7s  %s\n", pair.subject.c_str(),
                    pair.baseline.c_str(), real, cpu, target,
                    pair.target ? Verdict(context, real <= *pair.target) : "");
    }
    return complete;
}

bool TargetReporter::PrintLimits(const BenchContext& context) const {
    bool complete = true;
    std::printf("\n%-34s %-30s %12s %10s  %s\n", "Benchmark", "Measure", "Value", "Limit",
                "Verdict");
    for (const Limit& limit : context.Limits()) {
        const Result* result = Find(limit.benchmark);
        if (result == nullptr) {
            continue;
        }
        const std::string measure = limit.counter.empty() ? "real time" : limit.counter;
        const auto counter = result->counters.find(limit.counter);
        if (result->failed || result->runs == 0 ||
            (!limit.counter.empty() && counter == result->counters.end())) {
            std::printf("%-34s %-30s %12s\n", limit.benchmark.c_str(), measure.c_str(), "failed");
            complete = false;
            continue;
        }
        const double value =
            limit.counter.empty() ? result->realSeconds / result->runs * 1e3 : counter->second;
        std::printf("%-34s %-30s %9.1f %-2s %7.0f %-2s %s\n", limit.benchmark.c_str(),
                    measure.c_str(), value, limit.unit.c_str(), limit.most, limit.unit.c_str(),
                    Verdict(context, value <= limit.most));
    }
    return complete;
}

} // namespace veltrano::bench
