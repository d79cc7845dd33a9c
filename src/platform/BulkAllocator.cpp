#include "platform/BulkAllocator.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

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

void* MallocBulk(size_t bytes) noexcept {
    if (bytes < kHugePage)
        return std::malloc(bytes > 0 ? bytes : 1);
    size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    if (rounded < bytes)
        return nullptr;
    void* memory = std::aligned_alloc(kHugePage, rounded);
#ifdef MADV_HUGEPAGE
    if (memory)
        ::madvise(memory, rounded, MADV_HUGEPAGE);
#endif
    return memory;
}

void FreeBulk(void* memory, size_t bytes) noexcept {
    if (bytes < kHugePage)
        ::operator delete(memory);
    else
        std::free(memory);
}

void GiveBackPages(void* memory, size_t bytes) noexcept {
#ifdef MADV_DONTNEED
    static const uintptr_t page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(memory) + page - 1) / page * page;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(memory) + bytes) / page * page;
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
#else
    (void)memory;
    (void)bytes;
#endif
}
