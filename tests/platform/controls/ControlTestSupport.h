#pragma once

#include "platform/controls/ControlError.h"

#include <functional>
#include <string>

// The number of the ControlError the action raises; 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const veltrano::controls::ControlError& e) {
        return e.Number();
    }
    return 0;
}

// Appends "name(a,b) " to a listener's log.
template <typename... Numbers> void Note(std::string& log, const char* name, Numbers... numbers) {
    std::string args;
    ((args += (args.empty() ? "" : ",") + std::to_string(numbers)), ...);
    log += std::string(name) + "(" + args + ") ";
}
