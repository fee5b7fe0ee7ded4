#pragma once

#include <cstddef>

namespace veltrano::bench {

// Bytes the C heap has handed out and not yet got back, allocator overhead included
// (glibc's mallinfo2: small blocks plus mmapped ones).
std::size_t HeapBytesInUse();

} // namespace veltrano::bench
