#pragma once

#include <cstddef>
#include <limits>
#include <new>
#include <utility>

// Memory for large arrays (the records of a big list) and large buffers (a
// list's content). A block of a huge page or more comes straight from the
// system in huge pages where it offers them, and goes straight back when
// freed: filling fresh memory one small page at a time costs more than
// reading the list itself, and malloc would keep a closed list's blocks and
// hand them back later, to be filled again a small page at a time.
void* AllocateBulk(size_t bytes);
void FreeBulk(void* memory, size_t bytes) noexcept;
// Hands the whole pages within [memory, memory + bytes) back to the system
// while the block stays allocated: they read as zeros afterwards. For a big
// buffer read once from front to back.
void GiveBackPages(void* memory, size_t bytes) noexcept;

// A buffer of bytes in bulk memory, given back when it goes.
class TBulkBytes {
public:
    TBulkBytes() = default;
    TBulkBytes(TBulkBytes&& other) noexcept
        : m_bytes(std::exchange(other.m_bytes, nullptr)), m_size(std::exchange(other.m_size, 0)) {}
    TBulkBytes& operator=(TBulkBytes&& other) noexcept {
        if (this != &other) {
            Clear();
            m_bytes = std::exchange(other.m_bytes, nullptr);
            m_size = std::exchange(other.m_size, 0);
        }
        return *this;
    }
    ~TBulkBytes() { Clear(); }

    // Replaces the buffer with one of `bytes` bytes; false when there is no
    // memory, and then the buffer is empty.
    bool Allocate(size_t bytes) noexcept;
    // Keeps the first `bytes` bytes and gives back what lies beyond them.
    void ShrinkTo(size_t bytes) noexcept;
    void Clear() noexcept;
    char* Data() const { return m_bytes; }

private:
    char* m_bytes = nullptr;
    size_t m_size = 0;
};

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
