#pragma once

// Variant <-> VARIANT for every kind of the object model: Empty (VT_EMPTY), Boolean (VT_BOOL,
// True = -1), Integer (VT_I2), Long (VT_I4), String (VT_BSTR from and to UTF-8) and Object
// (VT_DISPATCH). Objects of COM servers travel as the interface they are; the program's own
// objects travel as an IDispatch that serves them, and come back unwrapped.

#include "platform/actole/Variant.h"

#include <windows.h>

#include <ole2.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace veltrano::ole::com {

class LiveObjects;

// A VARIANT owned by the program; cleared when it goes.
class UniqueVariant {
public:
    UniqueVariant() noexcept { ::VariantInit(&value_); }
    ~UniqueVariant() { ::VariantClear(&value_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;

    VARIANT* Put() noexcept {
        ::VariantClear(&value_);
        return &value_;
    }
    const VARIANT& Get() const noexcept { return value_; }

private:
    VARIANT value_;
};

// The arguments of one call, each cleared when the array goes.
class VariantArray {
public:
    explicit VariantArray(std::size_t count);
    ~VariantArray();
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;

    VARIANT* Data() noexcept { return values_.data(); }
    VARIANT& operator[](std::size_t index) { return values_[index]; }
    std::size_t Size() const noexcept { return values_.size(); }

private:
    std::vector<VARIANT> values_;
};

// Writes value into out, which must hold nothing (VT_EMPTY). An object of the program is served
// and counted in live (when given). Throws std::bad_alloc when a string cannot be allocated; out
// then still holds nothing.
void ToVARIANT(const Variant& value, VARIANT& out, const std::shared_ptr<LiveObjects>& live = {});

// Reads a VARIANT, also one passed by reference. Kinds the object model lacks raise
// AutomationError: 13 type mismatch, 6 overflow for unsigned values beyond a Long, 94 for Null.
Variant FromVARIANT(const VARIANT& value);

} // namespace veltrano::ole::com
