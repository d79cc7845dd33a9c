#include "platform/BulkAllocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr size_t kMiB = size_t(1) << 20;

// Fills with a pattern that tells every byte's place, then checks it.
void Fill(char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
}
bool Holds(const char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i)
        if (bytes[i] != static_cast<char>(i * 7 + i / 251))
            return false;
    return true;
}

} // namespace

TEST(BulkBytes, SmallAndHugeBuffersKeepTheirFrontWhenShrunkAndMove) {
    for (size_t size : {size_t(1000), 2 * kMiB, 5 * kMiB + 3}) {
        SCOPED_TRACE(size);
        TBulkBytes buffer;
        ASSERT_TRUE(buffer.Allocate(size));
        Fill(buffer.Data(), size);
        buffer.ShrinkTo(size - 1);
        buffer.ShrinkTo(size); // growing is no shrink: the front stays
        EXPECT_TRUE(Holds(buffer.Data(), size - 1));
        TBulkBytes moved(std::move(buffer));
        EXPECT_EQ(buffer.Data(), nullptr);
        buffer = std::move(moved);
        buffer.ShrinkTo(size / 3);
        EXPECT_TRUE(Holds(buffer.Data(), size / 3));
        buffer.ShrinkTo(0);
        ASSERT_NE(buffer.Data(), nullptr);
        ASSERT_TRUE(buffer.Allocate(size / 2)); // a second buffer in the place of the first
        Fill(buffer.Data(), size / 2);
        EXPECT_TRUE(Holds(buffer.Data(), size / 2));
    }
}

TEST(BulkBytes, AnImpossibleSizeIsRefusedAndLeavesTheBufferEmpty) {
    TBulkBytes buffer;
    ASSERT_TRUE(buffer.Allocate(16));
    EXPECT_FALSE(buffer.Allocate(SIZE_MAX - 1));
    EXPECT_EQ(buffer.Data(), nullptr);
    EXPECT_THROW(AllocateBulk(SIZE_MAX - kMiB), std::bad_alloc);
}

TEST(BulkArray, HugeArraysStartOnAHugePageAndGoBackWhole) {
    TBulkAllocator<uint64_t> allocator;
    for (size_t count : {size_t(100), 3 * kMiB / 8 + 5}) {
        uint64_t* array = allocator.allocate(count);
        if (count * sizeof(uint64_t) >= 2 * kMiB) {
            EXPECT_EQ(reinterpret_cast<uintptr_t>(array) % (2 * kMiB), 0u);
        }
        std::memset(array, 0xA5, count * sizeof(uint64_t));
        EXPECT_EQ(array[count - 1], 0xA5A5A5A5A5A5A5A5u);
        allocator.deallocate(array, count);
    }
}
