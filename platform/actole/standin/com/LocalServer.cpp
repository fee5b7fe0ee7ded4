#include "platform/actole/standin/com/LocalServer.h"

#include "platform/actole/com/ComApartment.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppProtocol.h"
#include "platform/actole/standin/com/AppObject.h"
#include "platform/actole/standin/com/ClassFactory.h"
#include "platform/actole/standin/com/StandInClasses.h"
#include "platform/win32/windows/WideText.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <system_error>

namespace veltrano::ole::standin::com {

namespace {

constexpr std::chrono::milliseconds kBusyTimeout{2000};
constexpr int kWidth = 640;
constexpr int kHeight = 400;

// The console's Ctrl+C handler runs on a thread of its own and gets no context: it can only
// reach the window's thread through this.
std::atomic<DWORD> consoleStopThread{0};

BOOL WINAPI OnConsoleStop(DWORD) {
    const DWORD thread = consoleStopThread.load();
    return thread != 0 && ::PostThreadMessageW(thread, WM_QUIT, 0, 0);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class WindowClass {
public:
    WindowClass() : name_(win32::Widen(kWindowClass)) {
        WNDCLASSEXW info{};
        info.cbSize = sizeof(info);
        info.lpfnWndProc = FrameProc;
        info.hInstance = ::GetModuleHandleW(nullptr);
        info.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        info.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        info.lpszClassName = name_.c_str();
        if (::RegisterClassExW(&info) == 0) {
            throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                    "cannot register the window class");
        }
    }
    ~WindowClass() { ::UnregisterClassW(name_.c_str(), ::GetModuleHandleW(nullptr)); }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    const wchar_t* Name() const noexcept { return name_.c_str(); }

private:
    std::wstring name_;
};

class Frame {
public:
    Frame(const WindowClass& windowClass, const AppWindowState& state) {
        window_ =
            ::CreateWindowExW(0, windowClass.Name(), win32::Widen(state.caption).c_str(),
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight,
                              nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (window_ == nullptr) {
            throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                    "cannot create the window");
        }
        Show(state);
    }
    ~Frame() {
        if (::IsWindow(window_)) {
            ::DestroyWindow(window_);
        }
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    void Show(const AppWindowState& state) {
        ::SetWindowTextW(window_, win32::Widen(state.caption).c_str());
        ::ShowWindow(window_, state.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    }

private:
    HWND window_ = nullptr;
};

// The class object, registered while the server runs.
class RegisteredClass {
public:
    explicit RegisteredClass(IClassFactory* factory) {
        const HRESULT hr =
            ::CoRegisterClassObject(ole::com::ClassIdOf(kApplicationClass), factory,
                                    CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
        if (FAILED(hr)) {
            throw std::system_error(static_cast<int>(hr), std::system_category(),
                                    "cannot register the application's class object");
        }
    }
    ~RegisteredClass() { ::CoRevokeClassObject(cookie_); }
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;

private:
    DWORD cookie_ = 0;
};

class ConsoleStop {
public:
    ConsoleStop() {
        consoleStopThread = ::GetCurrentThreadId();
        ::SetConsoleCtrlHandler(OnConsoleStop, TRUE);
    }
    ~ConsoleStop() {
        ::SetConsoleCtrlHandler(OnConsoleStop, FALSE);
        consoleStopThread = 0;
    }
    ConsoleStop(const ConsoleStop&) = delete;
    ConsoleStop& operator=(const ConsoleStop&) = delete;
};

} // namespace

int RunStandInComServer(const std::filesystem::path& database, std::ostream& out,
                        std::ostream& err) {
    try {
        const ole::com::ComApartment apartment;
        const auto model = OpenAppModel(database, kBusyTimeout, err);
        if (!model) {
            return 1;
        }
        const ConsoleStop console;
        const auto factory = ClassFactory::Create(
            [model] {
                return DispatchPtr(std::make_shared<AppObject>(model, wire::kApplicationObject));
            },
            std::make_shared<ole::com::LiveObjects>());
        const RegisteredClass registered(factory.Get());
        const WindowClass windowClass;
        Frame frame(windowClass, model->Window());
        model->OnWindowChanged([&frame](const AppWindowState& state) { frame.Show(state); });

        out << "act-standin: ACT! runs with " << model->Window().databasePath << " open (window "
            << ::GetCurrentProcessId() << "); stop it with Ctrl+C or by closing its window."
            << std::endl;
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        model->OnWindowChanged({});
        out << "act-standin: stopped." << std::endl;
        return 0;
    } catch (const std::system_error& error) {
        err << "act-standin: " << error.what() << "\n";
    }
    return 1;
}

} // namespace veltrano::ole::standin::com
