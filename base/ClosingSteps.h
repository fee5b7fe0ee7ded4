#pragma once

#include "base/CurrentError.h"

#include <tuple>
#include <utility>

namespace veltrano::base {

// Runs its closing steps in order when the scope ends, however it ends. A step that fails is
// handed to `report` as the one translator reads it, and the next step still runs: nothing
// leaves the destructor, so a failing closing step cannot end the program.
template <class Report, class... Steps> class ClosingSteps {
public:
    explicit ClosingSteps(Report report, Steps... steps)
        : report_(std::move(report)), steps_(std::move(steps)...) {}
    ClosingSteps(const ClosingSteps&) = delete;
    ClosingSteps& operator=(const ClosingSteps&) = delete;
    ~ClosingSteps() {
        std::apply([this](Steps&... step) { (Run(step), ...); }, steps_);
    }

private:
    template <class Step> void Run(Step& step) noexcept {
        try {
            step();
        } catch (...) {
            const ErrorInfo error = CurrentError();
            try {
                report_(error);
            } catch (...) {
                // The report itself failed; the remaining steps still have to run.
            }
        }
    }

    Report report_;
    std::tuple<Steps...> steps_;
};

} // namespace veltrano::base
