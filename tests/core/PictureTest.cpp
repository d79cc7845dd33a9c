#include "core/Picture.h"
#include "core/DibImage.h"
#include "support/JpegMaker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/resource.h>

namespace {

// JPEG is lossy: a channel within this of what was encoded is right.
bool Near(uint32_t pixel, uint32_t rgb, int tolerance = 6) {
    for (int shift : {0, 8, 16}) {
        const int got = static_cast<int>(pixel >> shift & 0xFF), want = static_cast<int>(rgb >> shift & 0xFF);
        if (std::abs(got - want) > tolerance)
            return false;
    }
    return (pixel >> 24) == 0xFF;
}

// Left half red, right half blue: a picture decoded upside down or mirrored shows it.
uint32_t Halves(int x, int width) {
    return x < width / 2 ? 0xD02020 : 0x2020D0;
}

struct TJpegCase {
    const char* Name;
    J_COLOR_SPACE Space;
    bool Progressive;
};

class JpegDecoding : public testing::TestWithParam<TJpegCase> {};

TEST_P(JpegDecoding, GivesTheEncodedPixelsTopDown) {
    TJpegOptions options;
    options.Width = 64;
    options.Height = 40;
    options.Space = GetParam().Space;
    options.Progressive = GetParam().Progressive;
    const bool grey = options.Space == JCS_GRAYSCALE;
    std::string bytes = MakeJpeg(
        options, [&](int x, int y) { return grey ? (y < 20 ? 0x303030u : 0xC0C0C0u) : Halves(x, options.Width); });
    TPicture picture;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(bytes, picture, error)) << error;
    ASSERT_EQ(picture.Width, 64);
    ASSERT_EQ(picture.Height, 40);
    ASSERT_EQ(picture.Pixels.size(), 64u * 40u);
    auto at = [&](int x, int y) { return picture.Pixels[static_cast<size_t>(y) * 64 + x]; };
    if (grey) {
        EXPECT_TRUE(Near(at(10, 5), 0x303030)) << std::hex << at(10, 5);
        EXPECT_TRUE(Near(at(10, 35), 0xC0C0C0)) << std::hex << at(10, 35);
    } else {
        EXPECT_TRUE(Near(at(5, 20), 0xD02020, 12)) << std::hex << at(5, 20);
        EXPECT_TRUE(Near(at(58, 20), 0x2020D0, 12)) << std::hex << at(58, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Picture, JpegDecoding,
                         testing::Values(TJpegCase{"Colour", JCS_RGB, false}, TJpegCase{"Progressive", JCS_RGB, true},
                                         TJpegCase{"Grey", JCS_GRAYSCALE, false}, TJpegCase{"Cmyk", JCS_CMYK, false}),
                         [](const testing::TestParamInfo<TJpegCase>& info) { return info.param.Name; });

TEST(Picture, DamagedJpegsAreRefusedWithAReason) {
    const std::string good = MakeJpeg(300, 200);
    std::string badFrame = good;
    badFrame[badFrame.find("\xFF\xC0") + 4] = 7; // a sample precision no decoder has
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"not a jpeg", "This is a text file with a .jpg name.\n"},
        {"header only", good.substr(0, 20)},
        {"cut short", good.substr(0, good.size() / 2)},
        {"damaged frame header", badFrame},
    };
    for (const auto& [name, bytes] : cases) {
        TPicture picture;
        picture.Width = 7; // a refusal leaves the picture as it was
        std::string error;
        EXPECT_FALSE(DecodeJpeg(bytes, picture, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_EQ(picture.Width, 7) << name;
    }
    TPicture picture;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(good.substr(0, good.size() - 40), picture, error));
    EXPECT_EQ(error, "The JPEG picture is cut short.");
    EXPECT_FALSE(DecodeJpeg(badFrame, picture, error));
    EXPECT_EQ(error.rfind("The JPEG picture is damaged: ", 0), 0u) << error;
}

// `bytes` (a small JPEG) with its frame header claiming width x height.
std::string ClaimingSize(std::string bytes, int width, int height) {
    size_t frame = bytes.find("\xFF\xC0");
    if (frame == std::string::npos)
        frame = bytes.find("\xFF\xC2");
    if (frame == std::string::npos)
        return {};
    for (auto [at, value] : {std::pair{frame + 5, height}, std::pair{frame + 7, width}}) {
        bytes[at] = static_cast<char>(value >> 8);
        bytes[at + 1] = static_cast<char>(value & 0xFF);
    }
    return bytes;
}

long PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A picture bomb: 16 x 16 pixels of data under a header claiming 16000 x
// 16000; its scan data ends at the EOI marker. Decoded whole it is a
// gigabyte of grey.
TEST(Picture, AJpegWhoseScanDataEndsEarlyIsRefusedBeforeItCostsItsSize) {
    const long before = PeakResidentMegabytes();
    for (bool progressive : {false, true}) {
        TJpegOptions options;
        options.Width = options.Height = 16;
        options.Progressive = progressive;
        const std::string bomb = ClaimingSize(MakeJpeg(options, [](int, int) { return 0x808080u; }), 16000, 16000);
        TPicture picture;
        std::string error;
        EXPECT_FALSE(DecodeJpeg(bomb, picture, error)) << progressive;
        EXPECT_EQ(error, "The JPEG picture is cut short.") << progressive;
    }
    EXPECT_LT(PeakResidentMegabytes() - before, 300);
}

// A progressive CMYK picture keeps 8 bytes of coefficients per pixel: 1152 MB at 12000 x 12000.
TEST(Picture, AJpegNeedingMoreThanTheDecodeBudgetIsRefused) {
    TJpegOptions options;
    options.Space = JCS_CMYK;
    options.Progressive = true;
    const std::string bytes = ClaimingSize(MakeJpeg(options, [](int, int) { return 0x808080u; }), 12000, 12000);
    TPicture picture;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(bytes, picture, error));
    EXPECT_EQ(error, "The JPEG picture needs more than 1024 MB to be decoded.");
}

// The frame header of a small JPEG is patched to claim 60000 x 60000 pixels:
// it is refused from the header, before anything is allocated for it.
TEST(Picture, AJpegOfMoreThan256MegapixelsIsRefusedBeforeDecoding) {
    const std::string bytes = ClaimingSize(MakeJpeg(16, 16), 60000, 60000);
    TPicture picture;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(bytes, picture, error));
    EXPECT_NE(error.find("60000 x 60000"), std::string::npos) << error;
}

TEST(Picture, BitmapsDecodeTopDownAndDamagedOnesAreRefused) {
    TDibImage image;
    image.Width = 3;
    image.Height = 2;
    image.BitCount = 24;
    image.Pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    const std::string file = EncodeDib(image);
    TPicture picture;
    std::string error;
    ASSERT_TRUE(DecodeBitmap(file, picture, error)) << error;
    EXPECT_EQ(picture.Pixels,
              (std::vector<uint32_t>{0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC, 0xFFDDEEFF, 0xFF010203}));
    for (const std::string& bad : {file.substr(0, file.size() - 3), std::string("BM"), MakeJpeg(4, 4)}) {
        EXPECT_FALSE(DecodeBitmap(bad, picture, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(Picture, FilesAreReadByTheirExtension) {
    TTempDir dir;
    const std::string jpeg = MakeJpeg(5, 4);
    for (const char* name : {"a.jpg", "b.JPEG", "c.bmp"}) {
        std::ofstream(dir.File(name), std::ios::binary) << jpeg;
        TPicture picture;
        std::string error;
        const bool bitmap = std::string(name) == "c.bmp";
        EXPECT_EQ(ReadPictureFile(dir.File(name), picture, error), !bitmap) << name << ": " << error;
        if (!bitmap) {
            EXPECT_EQ(picture.Width, 5);
        }
    }
    TPicture picture;
    std::string error;
    EXPECT_FALSE(ReadPictureFile(dir.File("missing.jpg"), picture, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
