// Survey Database (open, log in, the whole tree built) against reading the same rows straight
// from SQLite.

#include "act/ActObjects.h"
#include "bench/BenchContext.h"
#include "bench/SqliteBaseline.h"
#include "platform/actole/standin/StandInEngine.h"

#include <chrono>
#include <stdexcept>

namespace veltrano::bench {

namespace {

void SurveyBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& file = context.Data().Database(size);
        BenchWindow window;
        BenchForms::Clock::duration longest{};
        for (auto _ : state) {
            window.Forms().StartEventTiming();
            window.Survey(file);
            longest = std::max(longest, window.Forms().LongestWithoutEvents());
        }
        const auto nodes = window.Form().tvACT.Count();
        state.counters["nodes"] = nodes;
        state.counters["nodes_per_s"] =
            benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
        state.counters["ms_without_events"] =
            std::chrono::duration<double, std::milli>(longest).count();
    });
}

void SqliteReadBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& file = context.Data().Database(size);
        std::size_t rows = 0;
        for (auto _ : state) {
            const RawDatabase raw = ReadRawDatabase(file);
            rows = raw.fields.size() + raw.popupItems.size() + raw.users.size();
            benchmark::DoNotOptimize(rows);
            if (raw.fields.size() != static_cast<std::size_t>(7 * size)) {
                throw std::runtime_error("the baseline read the wrong number of fields");
            }
        }
        state.counters["rows"] = static_cast<double>(rows);
    });
}

// Not compared: shows how much of the survey opening and checking the file takes.
void OpenLoginBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& file = context.Data().Database(size);
        for (auto _ : state) {
            act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
            db.Open(file.string());
            db.Login(std::string(kUserName), std::string(kPassword));
            if (!db.IsOpen()) {
                throw std::runtime_error("the database did not open");
            }
            db.Close();
        }
    });
}

} // namespace

void RegisterScanBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kSmall, kMedium, kLarge})) {
        const std::string suffix = SizeSuffix(size);
        context.RegisterSized("Scan_Survey", size, SurveyBenchmark);
        context.RegisterSized("Scan_SqliteBaseline", size, SqliteReadBaseline);
        context.RegisterSized("Scan_OpenLoginOnly", size, OpenLoginBenchmark);
        context.Compare("Scan_Survey" + suffix, "Scan_SqliteBaseline" + suffix, 3.0);
        // Responsive: events run at least every tenth of a second while the survey reads.
        context.Require({"Scan_Survey" + suffix, "ms_without_events", 100, "ms"});
    }
}

} // namespace veltrano::bench
