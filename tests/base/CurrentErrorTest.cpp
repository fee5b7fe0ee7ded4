#include "base/CurrentError.h"
#include "platform/controls/ControlError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <stdexcept>
#include <system_error>

namespace veltrano::base {
namespace {

// The failure as the translator reads it while it is in flight.
template <class Failure> ErrorInfo Translated(const Failure& failure) {
    try {
        throw failure;
    } catch (...) {
        return CurrentError();
    }
}

// Every numbered error is one base class: the controls' stands for the automation and service
// errors, whose texts the file dialog and Survey Database tests show.
TEST(CurrentError, EveryKindOfFailureGetsItsNumberAndDescription) {
    EXPECT_EQ(Translated(controls::errors::Error(controls::errors::kKeyNotUnique)),
              (ErrorInfo{35602, "Key is not unique in collection"}));
    EXPECT_EQ(Translated(std::bad_alloc()), (ErrorInfo{7, "Out of memory"}));
    const std::system_error denied(EACCES, std::generic_category(), "open x");
    EXPECT_EQ(Translated(denied), (ErrorInfo{EACCES, denied.what()}));
    EXPECT_EQ(Translated(std::length_error("The tree's text storage is full")),
              (ErrorInfo{51, "The tree's text storage is full"}));
    EXPECT_EQ(Translated(42), (ErrorInfo{51, "Internal error"}));
    // Called where nothing is in flight it still answers instead of ending the program.
    EXPECT_EQ(CurrentError(), (ErrorInfo{51, "Internal error"}));
}

} // namespace
} // namespace veltrano::base
