#include "controls/grid/GridModel.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

std::string Int32(int32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return out;
}

std::string Compress(const std::string& block, int level = 9) {
    uLongf size = compressBound(block.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&out[0]), &size, reinterpret_cast<const Bytef*>(block.data()), block.size(),
              level);
    out.resize(size);
    return out;
}

// The block behind a stream, checked to be as long as the stream says.
std::string Block(const std::string& stream) {
    EXPECT_GE(stream.size(), 6u);
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= static_cast<uint32_t>(static_cast<unsigned char>(stream[i])) << (8 * i);
    std::string out(n, '\0');
    uLongf size = n;
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(&out[0]), &size, reinterpret_cast<const Bytef*>(stream.data()) + 4,
                         stream.size() - 4),
              Z_OK);
    EXPECT_EQ(size, n);
    return out;
}

std::string StreamOf(const std::string& block) {
    return Int32(static_cast<int32_t>(block.size())) + Compress(block);
}

// One 160-byte column record, built field by field.
std::string Record(int32_t width, const std::string& heading, const std::string& format, uint8_t kind, int32_t items,
                   uint8_t align) {
    std::string r = Int32(width);
    r += static_cast<char>(heading.size()) + heading + std::string(128 - heading.size(), '\0');
    r += static_cast<char>(format.size()) + format + std::string(20 - format.size(), '\0');
    r += static_cast<char>(kind);
    r += Int32(items);
    r += static_cast<char>(align);
    return r;
}

std::string Header(int32_t count) {
    return Int32(1) + Int32(count);
}

TEST(GridDataWrite, NoColumnsIsAnEightByteBlock) {
    TGridModel grid;
    grid.SetColCount(0);
    std::string stream = grid.WriteData();
    EXPECT_EQ(stream.substr(0, 6), std::string("\x08\0\0\0\x78\xDA", 6));
    EXPECT_EQ(Block(stream), std::string("\x01\0\0\0\0\0\0\0", 8));
    TGridModel back;
    ASSERT_EQ(back.ReadData(stream), TGridDataResult::Ok);
    EXPECT_EQ(back.ColCount(), 0);
    EXPECT_EQ(back.Columns().size(), 1u);
}

TEST(GridDataWrite, RecordsArePackedByteForByte) {
    TGridModel grid;
    grid.SetColCount(2);
    TGridColumn& a = grid.Column(1);
    a.Width = 150;
    a.SetHeading("|b Band");
    a.Kind = ckText;
    a.Align = kAlignCenter;
    TGridColumn& b = grid.Column(2);
    b.Width = -1 & 0x7FFFFFFF;
    b.SetFormat("0.00");
    b.Kind = ckList;
    b.ItemCount = 0x01020304;
    b.Align = kAlignRight;
    std::string block = Block(grid.WriteData());
    EXPECT_EQ(block, Header(2) + Record(150, "|b Band", "", ckText, 0, kAlignCenter) +
                         Record(0x7FFFFFFF, "", "0.00", ckList, 0x01020304, kAlignRight));
    EXPECT_EQ(block.size(), 8u + 2 * 160);
}

TEST(GridDataWrite, LongHeadingsAndFormatsAreCutWhenStoredInAColumn) {
    TGridModel grid;
    grid.Column(1).SetHeading(std::string(200, 'h'));
    grid.Column(1).SetFormat(std::string(30, '0'));
    EXPECT_EQ(grid.Column(1).Heading(), std::string(128, 'h'));
    EXPECT_EQ(grid.Column(1).Format(), std::string(20, '0'));
    EXPECT_EQ(Block(grid.WriteData()),
              Header(1) + Record(80, std::string(128, 'h'), std::string(20, '0'), ckFloat, 0, kAlignRight));
    TGridModel back;
    ASSERT_EQ(back.ReadData(grid.WriteData()), TGridDataResult::Ok);
    EXPECT_EQ(back.Columns(), grid.Columns());

    // A UTF-8 heading keeps whole characters; 8-bit text is cut at the byte.
    const std::string h127(127, 'h');
    grid.Column(1).SetHeading(h127 + "\xC3\xA9");
    EXPECT_EQ(grid.Column(1).Heading(), h127);
    grid.Column(1).SetHeading(h127 + "\xE9\xE9");
    EXPECT_EQ(grid.Column(1).Heading(), h127 + "\xE9");
    grid.Column(1).SetHeading(std::string(128, 'h'));
    EXPECT_EQ(grid.Column(1).Heading().size(), 128u);
}

TEST(GridDataRead, ReadsWhatWasWritten) {
    TGridModel source;
    source.SetColCount(3);
    const std::string headings[] = {"Search", "Band", std::string("\xE9t\xE9\0x", 5)};
    for (int32_t x = 1; x <= 3; ++x) {
        TGridColumn& c = source.Column(x);
        c.Width = 40 * x;
        c.SetHeading(headings[x - 1]);
        c.Kind = static_cast<uint8_t>(x == 3 ? 200 : ckText + x);
        c.ItemCount = -x;
        c.Align = static_cast<uint8_t>(x);
    }
    TGridModel grid;
    grid.SetCountRows(5);
    grid.EditCell(1, 5).S = "kept";
    grid.Col = 1;
    grid.Row = 4;
    grid.TopRow = 3;
    ASSERT_EQ(grid.ReadData(source.WriteData()), TGridDataResult::Ok);
    std::vector<TGridColumn> expected = source.Columns();
    for (int32_t x = 1, left = 0; x <= 3; left = expected[x++].Right) {
        expected[x].Enabled = true;
        expected[x].Left = left;
        expected[x].Right = left + expected[x].Width;
        EXPECT_EQ(grid.Cell(x, 5).I, 0);
    }
    EXPECT_EQ(grid.Columns(), expected);
    EXPECT_EQ(grid.Cell(1, 5).S, "kept");
    EXPECT_EQ(grid.CountRows() * 100 + grid.Row * 10 + grid.TopRow, 543);
    EXPECT_EQ(grid.WriteData(), source.WriteData());
    // Any compression level is read, and only the first byte of the version counts.
    std::string block = Int32(0x7F7F7F01) + Int32(1) + Record(5, "x", "", ckCheck, 0, 0);
    TGridModel any;
    ASSERT_EQ(any.ReadData(Int32(block.size()) + Compress(block, 1)), TGridDataResult::Ok);
    EXPECT_EQ(any.Column(1).Kind, ckCheck);
}

// Streams that the reader must refuse, leaving the grid as it was.
TEST(GridDataRead, BadStreamsAreRefusedAndChangeNothing) {
    const std::string one = Header(1) + Record(80, "Band", "", ckText, 0, 0);
    const std::string good = StreamOf(one);
    std::string flipped = good;
    flipped[10] ^= 0x55;
    std::string badHeading = one, badFormat = one, negativeWidth = one, otherVersion = one;
    badHeading[8 + 4] = static_cast<char>(129);
    badFormat[8 + 133] = static_cast<char>(21);
    negativeWidth.replace(8, 4, Int32(-5));
    otherVersion[0] = 2;
    const std::pair<const char*, std::string> corrupt[] = {
        {"Empty", ""},
        {"ShorterThanTheLength", std::string("\x08\0\0", 3)},
        {"LengthOnly", Int32(8)},
        {"LengthZero", Int32(0) + Compress("")},
        {"LengthNegative", Int32(-1) + Compress(one)},
        {"LengthHuge", Int32(0x7FFFFFFF) + Compress(one)},
        {"LengthAboveTheBlock", Int32(one.size() + 1) + Compress(one)},
        {"LengthBelowTheBlock", Int32(one.size() - 1) + Compress(one)},
        {"NotCompressed", Int32(one.size()) + one},
        {"CompressedTruncated", good.substr(0, good.size() - 5)},
        {"CompressedCorrupt", flipped},
        {"TrailingBytes", good + "x"},
        {"BlockShorterThanHeader", StreamOf(std::string("\x01\0\0", 3))},
        {"CountNegative", StreamOf(Header(-1))},
        {"CountHuge", StreamOf(Header(0x7FFFFFFF))},
        {"CountBeyondBlock", StreamOf(Header(2) + Record(80, "", "", ckText, 0, 0))},
        {"RecordCut", StreamOf(one.substr(0, one.size() - 1))},
        {"HeadingLengthOver128", StreamOf(badHeading)},
        {"FormatLengthOver20", StreamOf(badFormat)},
        {"WidthNegative", StreamOf(negativeWidth)},
        {"OtherVersion", StreamOf(otherVersion)},
    };
    for (const auto& [name, stream] : corrupt) {
        TGridModel grid;
        grid.SetColCount(2);
        grid.Column(1).SetHeading("mine");
        grid.EditCell(2, 3).I = 7;
        const std::vector<TGridColumn> before = grid.Columns();
        const TGridDataResult expected =
            std::string(name) == "OtherVersion" ? TGridDataResult::OtherVersion : TGridDataResult::Corrupt;
        EXPECT_EQ(grid.ReadData(stream), expected) << name;
        EXPECT_EQ(grid.Columns(), before) << name;
        EXPECT_EQ(grid.Cell(2, 3).I, 7) << name;
    }
}

} // namespace
