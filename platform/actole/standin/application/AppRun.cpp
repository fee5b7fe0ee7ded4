#include "platform/actole/standin/application/AppRun.h"

#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppServer.h"
#include "platform/actole/standin/application/AppSocket.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "platform/win32/linux/WindowRegistry.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ostream>
#include <sys/signalfd.h>
#include <unistd.h>

namespace veltrano::ole::standin {

namespace {

constexpr std::string_view kWindowClass = "ActStandInFrame";
// Writes of the views wait this long for another writer, then answer "busy".
constexpr std::chrono::milliseconds kBusyTimeout{2000};

// Stop signals arrive as readable data instead of interrupting; the old mask returns at the end.
class StopSignals {
public:
    StopSignals() {
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGINT);
        sigaddset(&stop, SIGTERM);
        sigaddset(&stop, SIGHUP);
        if (::sigprocmask(SIG_BLOCK, &stop, &previous_) != 0) {
            throw SocketError(std::string("sigprocmask: ") + std::strerror(errno));
        }
        fd_ = UniqueFd(::signalfd(-1, &stop, SFD_CLOEXEC | SFD_NONBLOCK));
        if (!fd_) {
            const int number = errno;
            ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
            throw SocketError(std::string("signalfd: ") + std::strerror(number));
        }
    }
    ~StopSignals() {
        // Taken here, so that no stop signal is left pending to end the process on unblocking.
        signalfd_siginfo info{};
        while (::read(fd_.get(), &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    int Fd() const noexcept { return fd_.get(); }

private:
    sigset_t previous_{};
    UniqueFd fd_;
};

} // namespace

int RunStandInApp(const std::filesystem::path& database, std::ostream& out, std::ostream& err) {
    try {
        StopSignals signals;
        const auto model = OpenAppModel(database, kBusyTimeout, err);
        if (!model) {
            return 1;
        }
        const auto folder = win32::OpenRegistrationFolder();
        ListeningSocket socket(folder / win32::SocketNameFor(win32::CurrentProcess()));

        win32::WindowEntry window;
        window.className = kWindowClass;
        window.caption = model->Window().caption;
        window.visible = model->Window().visible;
        window.databasePath = model->Window().databasePath;
        win32::WindowRegistration registration(folder, window, signals.Fd());
        model->OnWindowChanged([&](const AppWindowState& state) {
            try {
                registration.Update(state.caption, state.visible, state.databasePath);
            } catch (const win32::RegistrationError& error) {
                err << "act-standin: " << error.what() << "\n";
            }
        });

        out << "act-standin: ACT! runs with " << model->Window().databasePath << " open (window "
            << registration.Entry().process.pid << "); stop it with Ctrl+C." << std::endl;
        AppServer server(socket.Fd(), *model);
        server.Run(signals.Fd());
        out << "act-standin: stopped." << std::endl;
        return 0;
    } catch (const win32::RegistrationError& error) {
        err << "act-standin: " << error.what() << "\n";
    } catch (const SocketError& error) {
        err << "act-standin: " << error.what() << "\n";
    }
    return 1;
}

} // namespace veltrano::ole::standin
