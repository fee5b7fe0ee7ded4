#include "base/ClosingSteps.h"
#include "platform/controls/ControlError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::base {
namespace {

using Lines = std::vector<std::string>;

// The hardest way out, which takes every path the ordinary ones take: the command fails, and so
// does the report of the failing second step.
TEST(ClosingSteps, AFailingStepIsReportedAndTheNextStepsStillRun) {
    Lines done;
    const auto report = [&](const ErrorInfo& error) {
        done.push_back("report " + std::to_string(error.number) + " " + error.description);
        throw std::runtime_error("no message box");
    };
    try {
        const ClosingSteps closing(
            report, [&] { done.push_back("first"); },
            [&] { throw controls::errors::Error(controls::errors::kElementNotFound); },
            [&] { done.push_back("third"); });
        throw std::runtime_error("command failed");
    } catch (const std::runtime_error& e) {
        done.push_back(e.what()); // the command's own failure still reaches its caller
    }
    EXPECT_EQ(done, (Lines{"first", "report 35601 Element not found", "third", "command failed"}));
}

} // namespace
} // namespace veltrano::base
