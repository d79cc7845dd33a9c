#include "core/Inflate.h"
#include "core/Deflate.h"
#include "support/ZlibStreams.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Random(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>("abcde \n\xFF"[rng() % 8]);
    return text;
}

TInflateError Inflate(const std::string& stream, std::string& content, size_t most = SIZE_MAX, size_t firstTry = 0,
                      size_t* used = nullptr) {
    TInflated out;
    TInflateError error = InflateBytes(stream.data(), stream.size(), most, out, firstTry, used);
    content.assign(out.Data() ? out.Data() : "", out.Size());
    return error;
}

} // namespace

TEST(Inflate, GrowsStepwiseToAnyContentWhateverTheFirstTry) {
    const struct {
        std::string Content;
        size_t FirstTry;
    } cases[] = {
        {"", 0},
        {"x", 0},
        {Random(300000, 1), 0},
        {Random(300000, 2), 1},               // far too small: grows
        {Random(300000, 3), size_t(1) << 60}, // far too big: not taken at its word
        {std::string(5000000, 'a'), 0},       // packs a thousandfold
        {std::string(5000000, 'a') + Random(100, 4), 5000099},
    };
    for (const auto& c : cases) {
        for (int level : {0, 1, 6, 9}) {
            std::string content;
            ASSERT_EQ(Inflate(ZlibStream(c.Content, level), content, SIZE_MAX, c.FirstTry), TInflateError::None)
                << c.Content.size() << " " << level;
            EXPECT_TRUE(content == c.Content) << c.Content.size() << " " << level;
        }
    }
}

TEST(Inflate, TheBoundIsExactAndTheStreamsLengthIsReported) {
    const std::string content = Random(10000, 5);
    const std::string stream = ZlibStream(content);
    std::string back;
    size_t used = 0;
    EXPECT_EQ(Inflate(stream + "after", back, content.size(), 0, &used), TInflateError::None);
    EXPECT_EQ(used, stream.size());
    EXPECT_EQ(back, content);
    EXPECT_EQ(Inflate(stream, back, content.size() - 1), TInflateError::TooLarge);
    EXPECT_TRUE(back.empty());
}

TEST(Inflate, DamageIsToldApart) {
    const std::string stream = ZlibStream(Random(20000, 6), 9, 3000);
    std::string content;
    EXPECT_EQ(Inflate("", content), TInflateError::Empty);
    EXPECT_EQ(Inflate("not compressed at all", content), TInflateError::NotCompressed);
    for (size_t length = 1; length < stream.size(); length += 97)
        EXPECT_EQ(Inflate(stream.substr(0, length), content), TInflateError::EndsEarly) << length;
    std::string badSum = stream;
    badSum.back() = static_cast<char>(badSum.back() ^ 1);
    EXPECT_EQ(Inflate(badSum, content), TInflateError::Corrupt);
    for (size_t at = 2; at < stream.size(); at += 31) {
        std::string damaged = stream;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        TInflateError error = Inflate(damaged, content);
        // Damage before any content came out reads as no stream at all.
        EXPECT_TRUE(error == TInflateError::Corrupt || error == TInflateError::EndsEarly ||
                    (error == TInflateError::NotCompressed && at < 8))
            << at;
        EXPECT_TRUE(content.empty()) << at;
    }
}

TEST(Deflate, EveryLevelWritesAStreamThatZlibReads) {
    const std::string content = Random(100000, 7);
    for (int level : {-1, 0, 1, 6, 9, 12, 20}) {
        std::string back;
        ASSERT_TRUE(ZlibContent(CompressBytes(content, level), back)) << level;
        EXPECT_TRUE(back == content) << level;
    }
    EXPECT_EQ(CompressBytes(content).substr(0, 2), "\x78\xDA");
}
