#include "base/CurrentError.h"

#include "base/Error.h"

#include <exception>
#include <new>
#include <system_error>

namespace veltrano::base {

ErrorInfo CurrentError() noexcept {
    if (!std::current_exception()) {
        return {errors::kInternalError, "Internal error"};
    }
    try {
        try {
            throw;
        } catch (const Error& e) {
            return {e.Number(), e.Description()};
        } catch (const std::bad_alloc&) {
            return {errors::kOutOfMemory, "Out of memory"};
        } catch (const std::system_error& e) {
            return {e.code().value(), e.what()};
        } catch (const std::exception& e) {
            return {errors::kInternalError, e.what()};
        } catch (...) {
            return {errors::kInternalError, "Internal error"};
        }
    } catch (...) {
        // Copying a description can itself run out of memory.
        return {errors::kOutOfMemory, {}};
    }
}

} // namespace veltrano::base
