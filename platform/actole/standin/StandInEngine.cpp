#include "platform/actole/standin/StandInEngine.h"

#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInObjects.h"

namespace veltrano::ole::standin {

ole::DispatchPtr CreateStandInDatabase(std::function<std::string()> runningDatabasePath) {
    return CreateStandInDatabase(std::move(runningDatabasePath), StandInOptions{});
}

ole::DispatchPtr CreateStandInDatabase(std::function<std::string()> runningDatabasePath,
                                       StandInOptions options) {
    return std::make_shared<DatabaseObject>(
        std::make_shared<Session>(std::move(runningDatabasePath), options));
}

} // namespace veltrano::ole::standin
