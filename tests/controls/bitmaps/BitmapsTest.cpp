#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/bitmaps/StoredResources.h"
#include "controls/grid/GridModel.h"
#include "core/Codes.h"
#include "support/BitmapKinds.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kMask = 0xFF00FF;

// A 4-bit bitmap of `frames` 16-pixel frames, each 32 wide: frame f is filled
// with palette colour f + 1, its pixel (1, 1) and the bottom-left pixel are the mask.
std::string FrameBitmap(int frames) {
    TDibImage dib;
    dib.Width = 32;
    dib.Height = 16 * frames;
    dib.BitCount = 4;
    dib.Palette = {kMask, 0xFF0000, 0x00FF00, 0x0000FF};
    dib.Palette.resize(16, 0);
    for (int y = 0; y < dib.Height; ++y)
        for (int x = 0; x < dib.Width; ++x)
            dib.Indices.push_back(static_cast<uint8_t>((x == 1 && y % 16 == 1) ? 0 : y / 16 + 1));
    dib.Indices[static_cast<size_t>(dib.Height - 1) * dib.Width] = 0;
    return EncodeDib(dib);
}

TEST(Bitmaps, AddToImageListCutsFramesMasksTheBottomLeftColourAndSkipsDamage) {
    TBitmapContainer c;
    c.Add(FrameBitmap(3));
    TImageList list(16, 16);
    AddToImageList(c, list, 1);
    ASSERT_EQ(list.Count(), 6); // three frames, each two images wide
    EXPECT_EQ(list.Image(0).pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(list.Image(0).pixel(1, 1)), 0);
    EXPECT_EQ(list.Image(1).pixel(1, 1), 0xFFFF0000u); // x 17 of the frame
    EXPECT_EQ(list.Image(2).pixel(5, 5), 0xFF00FF00u);
    EXPECT_EQ(list.Image(4).pixel(5, 5), 0xFF0000FFu);
    EXPECT_EQ(qAlpha(list.Image(4).pixel(0, 15)), 0);

    TBitmapContainer damaged; // or missing: nothing is added
    damaged.Add("BM not a bitmap");
    for (int index : {0, 2, 1})
        AddToImageList(damaged, list, index);
    EXPECT_EQ(list.Count(), 6);
}

TEST(Bitmaps, GetBitmapKeepsTheColourTableAndRefusesDamage) {
    TBitmapContainer c;
    c.Add(FrameBitmap(1));
    c.Add(FrameBitmap(1).substr(0, 100));
    QImage image;
    std::string error;
    EXPECT_FALSE(GetBitmap(c, 0, image, error));
    EXPECT_FALSE(GetBitmap(c, 3, image, error));
    EXPECT_TRUE(image.isNull());
    EXPECT_TRUE(error.empty());
    EXPECT_FALSE(GetBitmap(c, 2, image, error));
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(GetBitmap(c, 1, image, error)) << error;
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.colorCount(), 16);
    EXPECT_EQ(image.size(), QSize(32, 16));
}

// The stored bitmaps are loaded and drawn for every picture in VectorPicturesTest.
TEST(Bitmaps, StoredBlobsLoadThroughTheirReaders) {
    TStrings2 gridStr;
    std::string error;
    ASSERT_TRUE(LoadStoredGridStr(gridStr, error)) << error;
    EXPECT_EQ(gridStr.Count(), 56);
    EXPECT_EQ(gridStr.Item(15), "Boootleg name||");
    EXPECT_EQ(gridStr.Item(34), "Vynil"); // shown as it always was

    TGridModel grid;
    ASSERT_TRUE(LoadStoredTemplateGrid(grid, error)) << error;
    ASSERT_EQ(grid.ColCount(), kTemplateColumns);
    EXPECT_EQ(grid.Column(7).Heading(), "Boootleg name");
    EXPECT_EQ(grid.Column(9).Kind, ckList);
    EXPECT_EQ(grid.Column(14).Right, 1500);
}

// The pixels of `image` with each channel cut to its top five bits: the
// toolkit widens 5- and 6-bit channels by a shift (31 to 248) where the
// program scales them (31 to 255, as the platform shows them).
std::vector<uint32_t> TopBitsOfPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            pixels.push_back(rgb.pixel(x, y) & 0xF8F8F8);
    return pixels;
}

// The toolkit's own bitmap reader is the reference for every kind of cover.
class BitmapKindAsTheToolkitReadsIt : public testing::TestWithParam<TBitmapKind> {};

TEST_P(BitmapKindAsTheToolkitReadsIt, GivesTheSamePixels) {
    const std::string& file = GetParam().File;
    const QImage toolkit = QImage::fromData(QByteArray(file.data(), static_cast<qsizetype>(file.size())), "BMP");
    ASSERT_FALSE(toolkit.isNull());
    std::string error;
    const QImage ours = LoadBitmapFile(file, error);
    ASSERT_FALSE(ours.isNull()) << error;
    EXPECT_EQ(TopBitsOfPixels(ours), TopBitsOfPixels(toolkit));
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, BitmapKindAsTheToolkitReadsIt, testing::ValuesIn(BitmapKinds()),
                         [](const testing::TestParamInfo<TBitmapKind>& info) { return info.param.Name; });

} // namespace
