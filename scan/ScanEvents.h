#pragma once

// Keeps the window responsive during a long scan: events run whenever a stretch of scan work
// has taken longer than the interval, however many fields that was.

#include "platform/controls/StatusBar.h"
#include "platform/forms/FormsRuntime.h"

#include <chrono>
#include <string_view>

namespace veltrano::scan {

class ScanEvents {
public:
    using Clock = std::chrono::steady_clock;
    // Half the longest stretch a window may go without events, so that the work between two
    // checks of the clock never carries it over.
    static constexpr Clock::duration kDefaultInterval = std::chrono::milliseconds(50);

    // progress: the panel that shows how far the scan has come; null shows nothing.
    ScanEvents(forms::FormsRuntime& forms, controls::StatusBar::Panel* progress,
               Clock::duration interval = kDefaultInterval)
        : forms_(forms), progress_(progress), interval_(interval) {}

    forms::FormsRuntime& Forms() noexcept { return forms_; }
    // Runs the events now.
    void Run();
    // After one item of a part: runs the events (with "part done/total" in the progress panel)
    // when the interval has passed since they last ran.
    void Step(std::string_view part, int done, int total);

private:
    forms::FormsRuntime& forms_;
    controls::StatusBar::Panel* progress_;
    Clock::duration interval_;
    Clock::time_point due_ = Clock::now();
};

} // namespace veltrano::scan
