#pragma once

// The automation objects on Linux: Database objects of the stand-in engine, and the application
// object of the stand-in ACT! that registered last and still runs.

#include "platform/actole/Dispatch.h"
#include "platform/actole/standin/application/AppClient.h"

#include <filesystem>
#include <string>

namespace veltrano::ole::standin {

class LinuxObjectFactory final : public ObjectFactory {
public:
    // The registration folder of this user ($XDG_RUNTIME_DIR/act-standin, ...).
    LinuxObjectFactory();
    explicit LinuxObjectFactory(std::filesystem::path registrationFolder,
                                AppClientOptions clientOptions = {});

    // Database.Open("") opens the database of the running stand-in ACT!.
    DispatchPtr CreateDatabase() override;
    // "ACTOLE.APPOBJECT": the running stand-in ACT!; anything else, or none running: error 429.
    DispatchPtr CreateObject(std::string_view progId) override;
    // The database of every registered stand-in ACT! that still runs; nullopt when the folder
    // cannot be trusted.
    std::optional<std::vector<std::string>> RunningDatabases() override;

private:
    std::filesystem::path folder_;
    AppClientOptions clientOptions_;
};

// The database path of the stand-in ACT! registered last among those still running; "" when
// none runs or the folder cannot be trusted.
std::string RunningStandInDatabase(const std::filesystem::path& registrationFolder);

} // namespace veltrano::ole::standin
