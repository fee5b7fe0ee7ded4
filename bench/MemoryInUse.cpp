#include "bench/MemoryInUse.h"

#include <malloc.h>

namespace veltrano::bench {

std::size_t HeapBytesInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace veltrano::bench
