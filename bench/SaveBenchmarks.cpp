// Save of one changed Entry Trigger per field of a table in one batch, against the same
// updates in one SQLite transaction.

#include "act/ActObjects.h"
#include "bench/BenchContext.h"
#include "bench/SqliteBaseline.h"
#include "platform/actole/standin/StandInEngine.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::bench {

namespace {

constexpr std::int32_t kEntryTrigger = 6; // sub-item of the Fields list

// The text with the trigger word swapped, so that every save really changes the file.
std::string Swapped(const std::string& text) {
    const std::string a(kTriggerWord);
    const std::string b(kTriggerWordReplaced);
    std::string result = text;
    if (const auto at = result.find(a); at != std::string::npos) {
        return result.replace(at, a.size(), b);
    }
    if (const auto at = result.find(b); at != std::string::npos) {
        return result.replace(at, b.size(), a);
    }
    return result;
}

void SaveBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        BenchWindow window;
        window.Survey(context.Data().Copy(size, "Save"));
        window.ClickFields("Contact");
        auto& list = window.Form().lvACT;
        for (auto _ : state) {
            state.PauseTiming();
            for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
                list.SetSubItemText(row, kEntryTrigger,
                                    Swapped(list.GetSubItem(row, kEntryTrigger).text));
                list.SetSubItemBold(row, kEntryTrigger, true);
            }
            state.ResumeTiming();
            window.Save(static_cast<std::size_t>(size));
        }
        state.counters["changes"] = size;
    });
}

std::vector<std::pair<std::int16_t, std::string>>
ContactEntryTriggers(const std::filesystem::path& file) {
    std::vector<std::pair<std::int16_t, std::string>> triggers;
    for (const auto& field : ReadRawDatabase(file).fields) {
        if (field.accessor == "Contact") {
            triggers.emplace_back(static_cast<std::int16_t>(field.id), field.entryTrigger);
        }
    }
    return triggers;
}

// Not compared with a target: the engine's batch alone, without reopening and checking the
// file, shows what of the Save is writing.
void BatchWritesBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto file = context.Data().Copy(size, "BatchWrites");
        auto triggers = ContactEntryTriggers(file);
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        db.Login(std::string(kUserName), std::string(kPassword));
        for (auto _ : state) {
            state.PauseTiming();
            for (auto& trigger : triggers) {
                trigger.second = Swapped(trigger.second);
            }
            state.ResumeTiming();
            act::Fields fields = db.ContactTable().GetFieldsByName();
            if (!fields.BeginBatch()) {
                throw std::runtime_error("BeginBatch failed");
            }
            for (const auto& [id, text] : triggers) {
                fields.SetEntryTrigger(id, text);
            }
            if (!fields.EndBatch()) {
                throw std::runtime_error("EndBatch failed");
            }
        }
        db.Close();
    });
}

void SqliteTransactionBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto file = context.Data().Copy(size, "SaveBaseline");
        auto triggers = ContactEntryTriggers(file);
        for (auto _ : state) {
            state.PauseTiming();
            for (auto& trigger : triggers) {
                trigger.second = Swapped(trigger.second);
            }
            state.ResumeTiming();
            UpdateEntryTriggers(file, "Contact", triggers);
        }
    });
}

} // namespace

void RegisterSaveBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kMedium})) {
        const std::string suffix = SizeSuffix(size);
        context.RegisterSized("Save_Batch", size, SaveBenchmark);
        context.RegisterSized("Save_SqliteBaseline", size, SqliteTransactionBaseline);
        context.RegisterSized("Save_BatchWritesOnly", size, BatchWritesBenchmark);
        context.Compare("Save_Batch" + suffix, "Save_SqliteBaseline" + suffix, 2.0);
        context.Compare("Save_BatchWritesOnly" + suffix, "Save_SqliteBaseline" + suffix,
                        std::nullopt);
    }
}

} // namespace veltrano::bench
