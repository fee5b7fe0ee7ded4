#pragma once

// What the benchmarks of one run share: the sizes to run, the generated databases, surveyed
// windows kept between benchmarks, and the pairs of benchmark and baseline to compare.

#include "bench/BenchDatabase.h"
#include "bench/BenchWindow.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::bench {

// A benchmark, its baseline and the most the benchmark may take as a multiple of it.
struct Comparison {
    std::string subject;
    std::string baseline;
    std::optional<double> target;
};

// The most a benchmark's counter may reach; an empty counter means its real time per
// iteration in milliseconds.
struct Limit {
    std::string benchmark;
    std::string counter;
    double most = 0;
    std::string unit;
};

class BenchContext {
public:
    explicit BenchContext(bool smoke) : smoke_(smoke) {}

    // Smoke run: the smallest size only, one iteration each.
    bool Smoke() const noexcept { return smoke_; }
    // The sizes for a benchmark: the given ones, or only the smallest database in a smoke run.
    std::vector<int> Sizes(std::vector<int> full) const;

    BenchDataFolder& Data() noexcept { return data_; }
    // A window that surveyed the database of that size; made on first use, then kept.
    BenchWindow& SurveyedWindow(int fieldsPerTable);

    // Registers a benchmark with the run's settings (real time; one iteration when smoking).
    benchmark::internal::Benchmark* Register(const std::string& name,
                                             std::function<void(benchmark::State&)> body);
    // Registers name + SizeSuffix(size), running body on that size.
    using SizedBody = void (*)(benchmark::State&, BenchContext&, int);
    void RegisterSized(const std::string& name, int size, SizedBody body);
    void Compare(std::string subject, std::string baseline, std::optional<double> target) {
        comparisons_.push_back({std::move(subject), std::move(baseline), target});
    }
    const std::vector<Comparison>& Comparisons() const noexcept { return comparisons_; }
    void Require(Limit limit) { limits_.push_back(std::move(limit)); }
    const std::vector<Limit>& Limits() const noexcept { return limits_; }

private:
    bool smoke_;
    BenchDataFolder data_;
    std::map<int, std::unique_ptr<BenchWindow>> windows_;
    std::vector<Comparison> comparisons_;
    std::vector<Limit> limits_;
};

// "/" and the size, ending the names of benchmarks run per database size.
std::string SizeSuffix(int size);

// Runs body; an exception skips the benchmark with its message instead of ending the run.
void Guarded(benchmark::State& state, const std::function<void()>& body);

// Registration of each group of benchmarks.
void RegisterScanBenchmarks(BenchContext& context);
void RegisterListBenchmarks(BenchContext& context);
void RegisterSaveBenchmarks(BenchContext& context);
void RegisterTreeBenchmarks(BenchContext& context);
void RegisterDiffBenchmarks(BenchContext& context);
void RegisterProcessBenchmarks(BenchContext& context);

} // namespace veltrano::bench
