// veltrano-cli diff's work (both databases surveyed, the trees compared, the lines written)
// against surveying both databases alone.

#include "bench/BenchContext.h"
#include "cli/DiffOutput.h"
#include "platform/actole/standin/Sqlite.h"
#include "scan/StructureDiff.h"

#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <sstream>
#include <stdexcept>

namespace veltrano::bench {

namespace {

// A copy that differs from the database of that size all over: every other entry trigger,
// renamed, removed and added fields, the first entry of every drop-down list, some users.
std::filesystem::path ChangedCopy(BenchContext& context, int size) {
    const auto file = context.Data().Copy(size, "Changed");
    auto db = ole::standin::Connection::Open(file.string(), SQLITE_OPEN_READWRITE);
    db.Execute("BEGIN;"
               "UPDATE field SET entry_trigger = replace(entry_trigger, 'old', 'new') "
               "  WHERE field_id % 2 = 0;"
               "UPDATE field SET name = name || ' renamed' WHERE field_id % 100 = 3;"
               "DELETE FROM field WHERE field_id % 100 = 7;"
               "INSERT INTO field (accessor, field_id, position, name) "
               "  SELECT accessor, field_id + 20000, position + 20000, name || ' copy' "
               "  FROM field WHERE field_id % 100 = 11;"
               "UPDATE popup_item SET value = value || '!' WHERE position = 0;"
               "DELETE FROM act_user WHERE position % 50 = 25;"
               "COMMIT;");
    return file;
}

void DiffBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& fileA = context.Data().Database(size);
        const auto fileB = ChangedCopy(context, size);
        BenchWindow a;
        BenchWindow b;
        std::size_t differences = 0;
        std::size_t bytes = 0;
        std::chrono::steady_clock::duration comparing{};
        std::clock_t comparingCpu = 0;
        for (auto _ : state) {
            a.Survey(fileA);
            b.Survey(fileB);
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t startCpu = std::clock();
            std::ostringstream out;
            differences = scan::CompareStructures(
                a.Form().tvACT, b.Form().tvACT, {},
                [&out](const scan::Difference& d) { cli::WriteDifferenceText(d, out); });
            bytes = out.view().size();
            comparing += std::chrono::steady_clock::now() - start;
            comparingCpu += std::clock() - startCpu;
        }
        if (differences == 0) {
            throw std::runtime_error("the changed copy showed no differences");
        }
        state.counters["differences"] = static_cast<double>(differences);
        state.counters["output_bytes"] = static_cast<double>(bytes);
        // The share of the comparison and its output alone.
        const auto iterations = static_cast<double>(state.iterations());
        state.counters["compare_ms"] =
            std::chrono::duration<double, std::milli>(comparing).count() / iterations;
        state.counters["compare_cpu_ms"] =
            1e3 * static_cast<double>(comparingCpu) / CLOCKS_PER_SEC / iterations;
    });
}

void SurveyBothBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& fileA = context.Data().Database(size);
        const auto fileB = ChangedCopy(context, size);
        BenchWindow a;
        BenchWindow b;
        for (auto _ : state) {
            a.Survey(fileA);
            b.Survey(fileB);
        }
    });
}

} // namespace

void RegisterDiffBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kLarge})) {
        const std::string suffix = SizeSuffix(size);
        context.RegisterSized("Diff_TwoDatabases", size, DiffBenchmark);
        context.RegisterSized("Diff_SurveyBoth", size, SurveyBothBaseline);
        context.Compare("Diff_TwoDatabases" + suffix, "Diff_SurveyBoth" + suffix, 2.0);
    }
}

} // namespace veltrano::bench
