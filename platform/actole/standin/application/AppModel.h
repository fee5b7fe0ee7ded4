#pragma once

// The objects the stand-in ACT! application serves, by id: the application (1), its views
// collection (2) and the views it created (100 on). Requests arrive decoded; every failure is an
// error reply, never an exception out of Handle.

#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/application/AppProtocol.h"
#include "platform/actole/standin/application/AppRecordView.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>

namespace veltrano::ole::standin {

// What the window shows; the application reports every change.
struct AppWindowState {
    std::string caption;
    bool visible = true;
    std::string databasePath;
};

class AppModel {
public:
    static constexpr std::uint32_t kViewsObject = 2;
    static constexpr std::size_t kMaxViews = 32;

    using WindowChanged = std::function<void(const AppWindowState&)>;

    // Opens the database (throws StandInError when it is not a stand-in ACT! database) with a
    // contact view active.
    AppModel(const std::filesystem::path& database, std::chrono::milliseconds busyTimeout);

    void OnWindowChanged(WindowChanged callback) { windowChanged_ = std::move(callback); }
    const AppWindowState& Window() const noexcept { return window_; }

    wire::Reply Handle(const wire::Request& request) noexcept;

private:
    wire::Value InvokeApplication(const wire::Request& request);
    wire::Value InvokeViews(const wire::Request& request);
    wire::Value InvokeView(AppRecordView& view, const wire::Request& request);

    void Open(const std::filesystem::path& database);
    void Close();
    std::uint32_t AddView(std::int32_t type);
    void ChangeWindow(AppWindowState state);

    std::chrono::milliseconds busyTimeout_;
    std::unique_ptr<Connection> database_;
    std::string databasePath_;
    std::string userName_;
    std::string userId_;
    std::map<std::uint32_t, std::unique_ptr<AppRecordView>> views_;
    std::uint32_t activeView_ = 0;
    std::uint32_t nextViewId_ = 100;
    AppWindowState window_;
    WindowChanged windowChanged_;
};

// The window caption of a stand-in ACT! with that database name open.
std::string AppCaption(const std::string& databaseName);

// The model of `act-standin run FILE`; nullptr after saying on err why the file cannot be run.
std::shared_ptr<AppModel> OpenAppModel(const std::filesystem::path& database,
                                       std::chrono::milliseconds busyTimeout, std::ostream& err);

} // namespace veltrano::ole::standin
