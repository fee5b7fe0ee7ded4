#include "bench/BenchContext.h"

#include <algorithm>
#include <exception>

namespace veltrano::bench {

std::vector<int> BenchContext::Sizes(std::vector<int> full) const {
    if (smoke_) {
        return {kSmall};
    }
    return full;
}

BenchWindow& BenchContext::SurveyedWindow(int fieldsPerTable) {
    auto& window = windows_[fieldsPerTable];
    if (!window) {
        auto made = std::make_unique<BenchWindow>();
        made->Survey(data_.Database(fieldsPerTable));
        window = std::move(made);
    }
    return *window;
}

benchmark::internal::Benchmark*
BenchContext::Register(const std::string& name, std::function<void(benchmark::State&)> body) {
    auto* registered = benchmark::RegisterBenchmark(name.c_str(), std::move(body));
    registered->UseRealTime()->Unit(benchmark::kMillisecond);
    if (smoke_) {
        registered->Iterations(1);
    }
    return registered;
}

void BenchContext::RegisterSized(const std::string& name, int size, SizedBody body) {
    Register(name + SizeSuffix(size),
             [this, size, body](benchmark::State& state) { body(state, *this, size); });
}

std::string SizeSuffix(int size) {
    std::string suffix("/");
    suffix.append(std::to_string(size));
    return suffix;
}

void Guarded(benchmark::State& state, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

} // namespace veltrano::bench
