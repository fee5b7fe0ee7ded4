#pragma once

// The forms runtime of the benchmarks: confirms every login with one user, answers input boxes
// from a queue, counts message boxes and times the gaps between event runs.

#include "platform/forms/FormsRuntime.h"
#include "platform/forms/MemorySettingsStore.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace veltrano::bench {

class BenchForms final : public forms::FormsRuntime {
public:
    using Clock = std::chrono::steady_clock;

    BenchForms(std::string user, std::string password);

    void QueueInput(std::string answer) { inputs_.push_back(std::move(answer)); }
    std::size_t MessageCount() const noexcept { return messages_; }
    const std::string& LastMessage() const noexcept { return lastMessage_; }

    // Starts timing: the longest stretch without an event run is measured from here on.
    void StartEventTiming();
    // The longest stretch so far, including the one still open.
    Clock::duration LongestWithoutEvents() const;
    std::size_t EventRuns() const noexcept { return eventRuns_; }

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override;

    void ClipboardClear() override { clipboard_.clear(); }
    void ClipboardSetText(std::string_view text) override { clipboard_ = text; }

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override {
        return settings_.Get(app, section, key, defaultValue);
    }
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override {
        settings_.Save(app, section, key, value);
    }

    forms::AppVersion Version() const override { return forms::BuildVersion(); }
    void SetMousePointer(int pointer) override { mousePointer_ = pointer; }
    int MousePointer() const override { return mousePointer_; }
    void SetFocus(std::string_view) override {}

    void ShowLoginModal(forms::LoginFormState& state) override;
    void ShowAboutModal() override {}
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest&) override {
        return std::nullopt;
    }

private:
    std::string user_;
    std::string password_;
    forms::MemorySettingsStore settings_;
    std::deque<std::string> inputs_;
    std::size_t messages_ = 0;
    std::string lastMessage_;
    std::string clipboard_;
    int mousePointer_ = forms::vbDefault;
    Clock::time_point lastEvents_{};
    Clock::duration longest_{};
    std::size_t eventRuns_ = 0;
};

} // namespace veltrano::bench
