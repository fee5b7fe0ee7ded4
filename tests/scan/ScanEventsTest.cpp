// Events during the scan run by the clock, with the progress shown in the second panel then.

#include "StandInFixture.h"

#include <chrono>
#include <string>

namespace veltrano::scan::testing {
namespace {

// Notes each panel text as it is set; the progress is set only when events run.
class PanelRecorder final : public controls::StatusBar::Listener {
public:
    void PanelTextChanged(const std::string& key, const std::string& text) override {
        seen.push_back(key + ": " + text);
    }
    Texts seen;
};

using ScanEventsTest = StandInScan;

TEST_F(ScanEventsTest, RunAsTheClockSaysWithProgressInTheSecondPanel) {
    const auto file = Build([](StandInDatabaseWriter& w) {
        for (std::int16_t id = 1; id <= 3; ++id) {
            w.AddField(TableAccessor::Contact, {.id = id, .name = "F" + std::to_string(id)});
        }
        w.AddField(TableAccessor::Sales, {.id = 7, .name = "Amount"});
        w.AddUser({.name = "Ann"});
        w.AddUser({.name = "Bob"});
    });
    const std::pair<ScanEvents::Clock::duration, Texts> cases[] = {
        // The interval is over at every step.
        {std::chrono::nanoseconds(0),
         {"Status: Reading database structure...", "Progress: Contact 1/3", "Progress: Contact 2/3",
          "Progress: Contact 3/3", "Progress: Sales 1/1", "Progress: Users 1/2",
          "Progress: Users 2/2", "Status: Closing ACT! database..."}},
        // Within the interval events run only at the start and the end.
        {std::chrono::hours(1),
         {"Status: Reading database structure...", "Status: Closing ACT! database..."}},
    };
    for (const auto& [interval, seen] : cases) {
        controls::StatusBar bar{{"Status", "Progress"}};
        PanelRecorder recorder;
        bar.SetListener(&recorder);
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        ScanDatabase(db, tree, bar.Panels("Status"), forms, &bar.Panels("Progress"), interval);
        bar.SetListener(nullptr);
        db.Close();
        EXPECT_EQ(recorder.seen, seen);
    }
}

} // namespace
} // namespace veltrano::scan::testing
