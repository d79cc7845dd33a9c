#pragma once

#include <cstddef>
#include <limits>
#include <new>

// Memory for large arrays (the records of a big list) in huge pages where the
// system offers them: filling fresh memory one small page at a time costs
// more than reading the list itself.
void* AllocateBulk(size_t bytes);
void FreeBulk(void* memory, size_t bytes) noexcept;
// The same for a buffer of bytes that std::free and std::realloc take back;
// nullptr when there is no memory.
void* MallocBulk(size_t bytes) noexcept;
// Hands the whole pages within [memory, memory + bytes) back to the system
// while the block stays allocated: they read as zeros afterwards. For a big
// buffer read once from front to back.
void GiveBackPages(void* memory, size_t bytes) noexcept;

template <class T> struct TBulkAllocator {
    using value_type = T;

    TBulkAllocator() = default;
    template <class U> TBulkAllocator(const TBulkAllocator<U>&) noexcept {}

    T* allocate(size_t count) {
        if (count > std::numeric_limits<size_t>::max() / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(AllocateBulk(count * sizeof(T)));
    }
    void deallocate(T* memory, size_t count) noexcept { FreeBulk(memory, count * sizeof(T)); }

    template <class U> bool operator==(const TBulkAllocator<U>&) const noexcept { return true; }
    template <class U> bool operator!=(const TBulkAllocator<U>&) const noexcept { return false; }
};
