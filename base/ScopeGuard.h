#pragma once

#include <exception>
#include <utility>

namespace veltrano::base {

// Runs its closing steps when the scope ends, however it ends.
template <typename F> class ScopeGuard {
public:
    explicit ScopeGuard(F steps) : steps_(std::move(steps)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() { steps_(); }

private:
    F steps_;
};

} // namespace veltrano::base
