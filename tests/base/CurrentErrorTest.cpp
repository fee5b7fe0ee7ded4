#include "base/CurrentError.h"
#include "platform/controls/ControlError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <new>
#include <stdexcept>
#include <system_error>

namespace veltrano::base {
namespace {

ErrorInfo Translated(const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        return CurrentError();
    }
    return {};
}

// Every numbered error is one base class: the controls' stands for the automation and service
// errors, whose texts the file dialog and Survey Database tests show.
TEST(CurrentError, EveryKindOfFailureGetsItsNumberAndDescription) {
    const std::system_error denied(EACCES, std::generic_category(), "open x");
    const struct {
        std::function<void()> raise;
        ErrorInfo expected;
    } cases[] = {
        {[] { throw controls::errors::Error(controls::errors::kKeyNotUnique); },
         {35602, "Key is not unique in collection"}},
        {[] { throw std::bad_alloc(); }, {7, "Out of memory"}},
        {[&] { throw denied; }, {EACCES, denied.what()}},
        {[] { throw std::length_error("The tree's text storage is full"); },
         {51, "The tree's text storage is full"}},
        {[] { throw 42; }, {51, "Internal error"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Translated(c.raise), c.expected) << c.expected.description;
    }
    // Called where nothing is in flight it still answers instead of ending the program.
    EXPECT_EQ(CurrentError(), (ErrorInfo{51, "Internal error"}));
}

} // namespace
} // namespace veltrano::base
