#pragma once

#include "platform/forms/FormsRuntime.h"
#include "platform/forms/SettingsStore.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace veltrano::qt {

// The forms runtime on Qt: message and input boxes, event runs, the clipboard, the mouse
// pointer, focus by control name, the file dialog, and the modal login and about forms.
class QtForms final : public forms::FormsRuntime {
public:
    explicit QtForms(forms::SettingsStore& settings);
    ~QtForms() override;
    QtForms(const QtForms&) = delete;
    QtForms& operator=(const QtForms&) = delete;

    // The window that owns the dialogs and holds the named controls; may be set later.
    void SetMainWindow(QWidget* window) { window_ = window; }
    QWidget* Window() const { return window_; }

    // Set by the login and about views; until then those forms show nothing.
    std::function<void(QWidget* parent, forms::LoginFormState& state)> ShowLogin;
    std::function<void(QWidget* parent)> ShowAbout;

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override;

    void ClipboardClear() override;
    void ClipboardSetText(std::string_view text) override;

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    forms::AppVersion Version() const override;
    void SetMousePointer(int pointer) override;
    int MousePointer() const override { return pointer_; }
    void SetFocus(std::string_view control) override;

    void ShowLoginModal(forms::LoginFormState& state) override;
    void ShowAboutModal() override;
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest& request) override;

private:
    forms::SettingsStore& settings_;
    QPointer<QWidget> window_;
    int pointer_ = forms::vbDefault;
    bool cursorOverridden_ = false;
};

// Texts of the runtime use CR LF between lines; Qt's widgets want LF.
QString DialogText(std::string_view text);
// "Description (pattern)" as QFileDialog reads a name filter.
QString NameFilter(const std::string& description, const std::string& pattern);

} // namespace veltrano::qt
