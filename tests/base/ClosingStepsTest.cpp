#include "base/ClosingSteps.h"
#include "platform/controls/ControlError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::base {
namespace {

using Lines = std::vector<std::string>;

// Leaves the scope the way the flag says, with three closing steps of which the second fails.
Lines Close(bool leaveByException, bool reportFails) {
    Lines done;
    const auto report = [&](const ErrorInfo& error) {
        done.push_back("report " + std::to_string(error.number) + " " + error.description);
        if (reportFails) {
            throw std::runtime_error("no message box");
        }
    };
    try {
        const ClosingSteps closing(
            report, [&] { done.push_back("first"); },
            [&] { throw controls::errors::Error(controls::errors::kElementNotFound); },
            [&] { done.push_back("third"); });
        if (leaveByException) {
            throw std::runtime_error("command failed");
        }
    } catch (const std::runtime_error& e) {
        done.push_back(e.what());
    }
    return done;
}

TEST(ClosingSteps, AFailingStepIsReportedAndTheNextStepsStillRun) {
    const Lines normal{"first", "report 35601 Element not found", "third"};
    EXPECT_EQ(Close(false, false), normal);
    EXPECT_EQ(Close(false, true), normal); // a report that fails itself stops nothing
    Lines failed = normal;
    failed.push_back("command failed"); // the command's own failure still reaches its caller
    EXPECT_EQ(Close(true, false), failed);
}

} // namespace
} // namespace veltrano::base
