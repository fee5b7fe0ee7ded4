// veltrano-bench: the speed and memory benchmarks, each beside its baseline, and at the end the
// ratios of benchmark to baseline with their targets. --smoke runs each benchmark once on the
// smallest database, as a check that they all work, not as a measurement.

#include "bench/BenchContext.h"
#include "bench/TargetReporter.h"
#include "scan/modKonstantenArrays.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

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

    veltrano::bench::BenchContext context(smoke);
    veltrano::bench::RegisterScanBenchmarks(context);
    veltrano::bench::RegisterListBenchmarks(context);
    veltrano::bench::RegisterSaveBenchmarks(context);
    veltrano::bench::RegisterTreeBenchmarks(context);
    veltrano::bench::RegisterDiffBenchmarks(context);
    veltrano::bench::RegisterProcessBenchmarks(context);

    veltrano::bench::TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool complete = reporter.PrintTargets(context);
    benchmark::Shutdown();
    return complete ? 0 : 1;
}
