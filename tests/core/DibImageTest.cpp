#include "core/DibImage.h"
#include "core/LittleEndian.h"
#include "support/BitmapKinds.h"

#include <gtest/gtest.h>

namespace {

// 3 x 2 at 4 bits: rows of 2 bytes padded to 4.
TDibImage FourBit() {
    TDibImage dib;
    dib.Width = 3;
    dib.Height = 2;
    dib.BitCount = 4;
    dib.Palette.assign(16, 0);
    dib.Palette[1] = 0xFF0000;
    dib.Palette[2] = 0x00FF00;
    dib.Indices = {1, 2, 0, 2, 0, 1};
    return dib;
}

TEST(DibImage, EncodesFourBitByteForByte) {
    std::string file = EncodeDib(FourBit());
    ASSERT_EQ(file.size(), 14u + 40 + 64 + 8);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(GetLE(file, 2), file.size());
    EXPECT_EQ(GetLE(file, 10), 14u + 40 + 64);
    EXPECT_EQ(GetLE(file, 28, 2), 4u);
    EXPECT_EQ(GetLE(file, 58), 0xFF0000u); // palette entry 1, blue green red order
    // Bottom row first: 2 0 1, then the top row 1 2 0.
    EXPECT_EQ(file.substr(118), std::string("\x20\x10\0\0\x12\x00\0\0", 8));
}

TEST(DibImage, ReadsTopDownRows) {
    std::string file = EncodeDib(FourBit());
    std::string flipped = file.substr(0, 22);
    PutLE(flipped, static_cast<uint32_t>(-2));
    flipped += file.substr(26, 118 - 26) + file.substr(122, 4) + file.substr(118, 4);
    TDibImage back;
    std::string error;
    ASSERT_TRUE(DecodeDib(flipped, back, error)) << error;
    EXPECT_EQ(back.Indices, FourBit().Indices);
}

TEST(DibImage, LyingHeadersAreRefused) {
    // A 32-bit field overwritten: 2 file size, 10 pixel offset, 14 info size,
    // 18 width, 22 height, 30 compression, 46 colours used.
    const std::pair<size_t, uint32_t> cases[] = {
        {2, 1000}, {2, 20}, {10, 125},        {10, 60},         {14, 1000},       {14, 12}, {18, 9},
        {22, 3},   {18, 0}, {18, 0x7FFFFFFF}, {18, 0xFFFFFFFF}, {22, 0x80000000}, {30, 5},  {46, 17}};
    const std::string file = EncodeDib(FourBit());
    for (const auto& [offset, value] : cases) {
        std::string bad = file.substr(0, offset);
        PutLE(bad, value);
        bad += file.substr(offset + 4);
        TDibImage image;
        std::string error;
        EXPECT_FALSE(DecodeDib(bad, image, error)) << offset << " " << value;
        EXPECT_FALSE(error.empty());
    }
}

// A colour table longer than the bits can index is refused, also when the
// file really holds every entry it claims.
TEST(DibImage, AColourTableLongerThanTheBitsIndexIsRefused) {
    const std::string file = EncodeDib(FourBit());
    std::string longer = file.substr(0, 118) + std::string(4, '\0') + file.substr(118);
    longer = WithField(WithField(longer, 2, static_cast<uint32_t>(longer.size())), 10, 118 + 4);
    TDibImage image;
    std::string error;
    EXPECT_FALSE(DecodeDib(WithField(longer, 46, 17), image, error));
    EXPECT_NE(error.find("colour table is too long"), std::string::npos) << error;
    EXPECT_TRUE(DecodeDib(WithField(longer, 46, 16), image, error)) << error;
}

TEST(DibImage, ACompressionForOtherBitsPerPixelIsRefused) {
    for (uint32_t compression : {1u, 3u}) { // run lengths of bytes, colour masks
        TDibImage image;
        std::string error;
        EXPECT_FALSE(DecodeDib(WithField(EncodeDib(FourBit()), 30, compression), image, error));
        EXPECT_EQ(error, "The bitmap is damaged: its compression does not fit its 4 bits per pixel.") << compression;
    }
}

TEST(DibImage, RefusesShortAndForeignFiles) {
    TDibImage image;
    std::string error;
    std::string file = EncodeDib(FourBit());
    EXPECT_FALSE(DecodeDib("", image, error));
    EXPECT_FALSE(DecodeDib(file.substr(0, 53), image, error));
    EXPECT_FALSE(DecodeDib("XX" + file.substr(2), image, error));
    EXPECT_FALSE(DecodeDib(file.substr(0, file.size() - 1), image, error));
}

TEST(DibImage, IndexBeyondShortPaletteIsBlack) {
    TDibImage dib = FourBit();
    dib.Palette.resize(2);
    TDibImage back;
    std::string error;
    ASSERT_TRUE(DecodeDib(EncodeDib(dib), back, error)) << error;
    EXPECT_EQ(back.Pixel(1, 0), 0u);
}

class BitmapKind : public testing::TestWithParam<TBitmapKind> {};

TEST_P(BitmapKind, DecodesToTheSamePicture) {
    TDibImage image;
    std::string error;
    ASSERT_FALSE(GetParam().File.empty());
    ASSERT_TRUE(DecodeDib(GetParam().File, image, error)) << error;
    ASSERT_EQ(image.Width, 7);
    ASSERT_EQ(image.Height, 3);
    EXPECT_EQ(image.Pixels, kKindsPicture);
    TDibImage again;
    ASSERT_TRUE(DecodeDib(EncodeDib(image), again, error)) << error;
    EXPECT_EQ(again.Pixels, image.Pixels);
}

INSTANTIATE_TEST_SUITE_P(DibImage, BitmapKind, testing::ValuesIn(BitmapKinds()),
                         [](const testing::TestParamInfo<TBitmapKind>& info) { return info.param.Name; });

TEST(DibImage, KindsNoDesktopReadsAreNotSupportedRatherThanDamaged) {
    const std::string v3 = BitmapFixture("rgb24-v3.bmp"), v5 = BitmapFixture("argb32-v5.bmp");
    const std::string cases[] = {WithField(v3, 30, 4), WithField(v3, 30, 5), WithField(v3, 30, 11),
                                 WithField(v3, 28, 2, 2), WithField(v5, 28, 64, 2)};
    for (const std::string& file : cases) {
        TDibImage image;
        std::string error;
        EXPECT_FALSE(DecodeDib(file, image, error));
        EXPECT_EQ(error.rfind("This kind of bitmap is not supported: ", 0), 0u) << error;
    }
}

// Nothing but the headers of a 1-bit 16384 x 16384 bitmap: the size is
// refused before the missing 32 MB of pixels are looked for.
TEST(DibImage, APictureOverTheSizeLimitIsRefusedFromItsHeader) {
    std::string file = WithField(WithField(EncodeDib(FourBit()), 18, 16384), 22, 16384);
    file = WithField(file, 28, 1, 2);
    TDibImage image;
    std::string error;
    EXPECT_FALSE(DecodeDib(file, image, error));
    EXPECT_NE(error.find("too large (16384 x 16384"), std::string::npos) << error;
}

TEST(DibImage, RunLengthPixelsThatEndEarlyAreDamagedAndRunsAreCutAtTheEdge) {
    const std::string rle = RunLength4();
    for (size_t cut : {size_t(2), size_t(8), size_t(17)}) {
        const std::string shorter =
            WithField(rle.substr(0, rle.size() - cut), 2, static_cast<uint32_t>(rle.size() - cut));
        TDibImage image;
        std::string error;
        EXPECT_FALSE(DecodeDib(shorter, image, error)) << cut;
        EXPECT_EQ(error, "The bitmap is damaged: its compressed pixels end early.") << cut;
    }
    // The top row's last run made 200 pixels long.
    TDibImage image;
    std::string error;
    ASSERT_TRUE(DecodeDib(WithField(rle, 112, 200, 1), image, error)) << error;
    EXPECT_EQ(image.Pixels, kKindsPicture);
}

} // namespace
