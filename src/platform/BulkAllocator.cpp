#include "platform/BulkAllocator.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr size_t kHugePage = size_t(2) << 20;

// `bytes` rounded up to whole huge pages; 0 when that overflows.
size_t HugePagesFor(size_t bytes) {
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    return rounded < bytes ? 0 : rounded;
}

// `bytes` (whole huge pages) mapped at a huge-page boundary, or nullptr.
void* MapHugePages(size_t bytes) noexcept {
    const size_t span = bytes + kHugePage; // room to slide to the boundary
    if (span < bytes)
        return nullptr;
    void* mapped = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const uintptr_t start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t begin = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (begin > start)
        ::munmap(mapped, begin - start);
    if (start + span > begin + bytes)
        ::munmap(reinterpret_cast<void*>(begin + bytes), start + span - (begin + bytes));
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void*>(begin), bytes, MADV_HUGEPAGE); // a hint; small pages serve as well
#endif
    return reinterpret_cast<void*>(begin);
}

} // namespace

void* AllocateBulk(size_t bytes) {
    if (bytes < kHugePage)
        return ::operator new(bytes);
    const size_t rounded = HugePagesFor(bytes);
    void* memory = rounded ? MapHugePages(rounded) : nullptr;
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void FreeBulk(void* memory, size_t bytes) noexcept {
    if (bytes < kHugePage)
        ::operator delete(memory);
    else
        ::munmap(memory, HugePagesFor(bytes));
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

bool TBulkBytes::Allocate(size_t bytes) noexcept {
    Clear();
    if (bytes < kHugePage) {
        m_bytes = static_cast<char*>(std::malloc(bytes > 0 ? bytes : 1));
    } else if (const size_t rounded = HugePagesFor(bytes)) {
        m_bytes = static_cast<char*>(MapHugePages(rounded));
    }
    m_size = m_bytes ? bytes : 0;
    return m_bytes != nullptr;
}

void TBulkBytes::ShrinkTo(size_t bytes) noexcept {
    if (!m_bytes || bytes >= m_size)
        return;
    if (m_size < kHugePage) {
        if (char* fitted = static_cast<char*>(std::realloc(m_bytes, bytes > 0 ? bytes : 1))) {
            m_bytes = fitted;
            m_size = bytes;
        }
        return;
    }
    // Whole huge pages stay, so that Clear gives back exactly what is mapped.
    const size_t kept = HugePagesFor(bytes > 0 ? bytes : 1);
    const size_t mapped = HugePagesFor(m_size);
    if (kept < mapped)
        ::munmap(m_bytes + kept, mapped - kept);
    m_size = kept;
}

void TBulkBytes::Clear() noexcept {
    if (!m_bytes)
        return;
    if (m_size < kHugePage)
        std::free(m_bytes);
    else
        ::munmap(m_bytes, HugePagesFor(m_size));
    m_bytes = nullptr;
    m_size = 0;
}
