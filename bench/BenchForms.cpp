#include "bench/BenchForms.h"

#include <algorithm>

namespace veltrano::bench {

BenchForms::BenchForms(std::string user, std::string password)
    : user_(std::move(user)), password_(std::move(password)) {}

void BenchForms::StartEventTiming() {
    lastEvents_ = Clock::now();
    longest_ = {};
    eventRuns_ = 0;
}

BenchForms::Clock::duration BenchForms::LongestWithoutEvents() const {
    return std::max(longest_, Clock::now() - lastEvents_);
}

int BenchForms::MsgBox(std::string_view text, int, std::string_view) {
    ++messages_;
    lastMessage_ = text;
    return forms::vbOK;
}

std::string BenchForms::InputBox(std::string_view, std::string_view, std::string_view) {
    if (inputs_.empty()) {
        return {};
    }
    std::string answer = std::move(inputs_.front());
    inputs_.pop_front();
    return answer;
}

void BenchForms::DoEvents() {
    const auto now = Clock::now();
    longest_ = std::max(longest_, now - lastEvents_);
    lastEvents_ = now;
    ++eventRuns_;
}

void BenchForms::ShowLoginModal(forms::LoginFormState& state) {
    state.Username = user_;
    state.Userpassword = password_;
    state.Tag = "ok";
}

} // namespace veltrano::bench
