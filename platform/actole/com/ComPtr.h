#pragma once

// An owned reference to a COM interface: released when the holder goes, whatever the way out.

#include <windows.h>

#include <ole2.h>

#include <utility>

namespace veltrano::ole::com {

template <class T> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already owns.
    static ComPtr Attach(T* pointer) noexcept {
        ComPtr result;
        result.pointer_ = pointer;
        return result;
    }
    // Adds a reference of its own.
    static ComPtr Retain(T* pointer) noexcept {
        if (pointer != nullptr) {
            pointer->AddRef();
        }
        return Attach(pointer);
    }

    ComPtr(const ComPtr& other) noexcept : pointer_(other.pointer_) {
        if (pointer_ != nullptr) {
            pointer_->AddRef();
        }
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }

    T* Get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // For out parameters: drops the current reference and lends the slot.
    T** Put() noexcept {
        Reset();
        return &pointer_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    // Hands the reference to the caller.
    T* Detach() noexcept { return std::exchange(pointer_, nullptr); }

    void Reset() noexcept {
        if (T* old = std::exchange(pointer_, nullptr)) {
            old->Release();
        }
    }

private:
    T* pointer_ = nullptr;
};

} // namespace veltrano::ole::com
