#pragma once

// The client side of the stand-in ACT! application: its objects as Dispatch objects whose
// calls by member name travel over the application's socket.

#include "platform/actole/Dispatch.h"

#include <chrono>
#include <filesystem>

namespace veltrano::ole::standin {

struct AppClientOptions {
    // How long a call waits for its reply before it fails as "application busy".
    std::chrono::milliseconds replyTimeout{std::chrono::seconds(30)};
};

// The application object of the stand-in serving at socketPath. Objects it hands out share its
// connection, which closes with the last of them. Throws AutomationError 429 when the
// application cannot be reached.
DispatchPtr ConnectStandInApplication(const std::filesystem::path& socketPath,
                                      AppClientOptions options = {});

} // namespace veltrano::ole::standin
