#pragma once

// Joins the calling thread to a single-threaded apartment, the one a VB program runs in, and
// leaves it again when it goes. COM counts the joins of a thread, so nesting is harmless.

namespace veltrano::ole::com {

class ComApartment {
public:
    // Throws std::system_error when COM cannot be started on this thread.
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_ = false;
};

} // namespace veltrano::ole::com
