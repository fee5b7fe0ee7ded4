#include "scan/ScanEvents.h"

#include <string>

namespace veltrano::scan {

void ScanEvents::Run() {
    forms_.DoEvents();
    due_ = Clock::now() + interval_;
}

void ScanEvents::Step(std::string_view part, int done, int total) {
    if (Clock::now() < due_) {
        return;
    }
    if (progress_ != nullptr) {
        std::string text(part);
        text += ' ';
        text += std::to_string(done);
        text += '/';
        text += std::to_string(total);
        progress_->SetText(text);
    }
    Run();
}

} // namespace veltrano::scan
