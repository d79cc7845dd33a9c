#include "platform/BulkAllocator.h"

#include <cstdlib>
#include <sys/mman.h>

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
}

void* AllocateBulk(size_t bytes) {
    if (bytes < kHugePage)
        return ::operator new(bytes);
    size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    if (rounded < bytes)
        throw std::bad_alloc();
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (!memory)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(memory, rounded, MADV_HUGEPAGE); // a hint; without it small pages serve as well
#endif
    return memory;
}

void FreeBulk(void* memory, size_t bytes) noexcept {
    if (bytes < kHugePage)
        ::operator delete(memory);
    else
        std::free(memory);
}
