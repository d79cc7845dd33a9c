#include "ShowcaseGrid.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/Markup.h"
#include "controls/markup/QtMarkupCanvas.h"

#include <QPainter>

#include <array>
#include <string>

namespace {

const std::array<const char*, 6> kSources = {"", "Soundboard", "TV/Radio", "Internet", "Audience", "Other"};
const std::array<const char*, 17> kMedia = {"",     "CD Audio", "MP3 Audio",  "RAM Audio",  "Vynil",     "Audio tape",
                                            "MD",   "DAT",      "AVI Video",  "MPEG Video", "RAM Video", "VCD",
                                            "SVCD", "DVD",      "Video tape", "Other",      "CD Audio*"};
const std::array<const char*, 8> kBands = {
    "Pink Floyd", "Led Zeppelin", "The Rolling Stones", "Genesis", "King Crimson", "Deep Purple", "Yes", "Jethro Tull"};
const std::array<const char*, 6> kComments = {
    "Great sound, complete show",
    "Missing the encore; the tape flips during the second song of the set",
    "",
    "Taper: unknown | lineage: cassette > DAT > CD",
    "Sold out",
    "Very long comment that goes on and on about the recording, the venue, the crowd and the weather that night"};

struct TColumnDef {
    const char* Heading;
    int32_t Width;
    uint8_t Kind;
    uint8_t Align;
    int32_t Items;
    const char* Format;
};

const std::array<TColumnDef, kShowcaseColumns> kColumns = {{
    {"Band", 150, ckText, kAlignLeft, 0, ""},
    {"Price|d EUR", 80, ckFloat, kAlignRight, 0, "0.00"},
    {"Tracks", 60, ckInteger, kAlignRight, 0, ""},
    {"Colour", 60, ckColor, kAlignCenter, 0, ""},
    {"|b Done", 50, ckCheck, kAlignCenter, 0, ""},
    {"Source", 100, ckList, kAlignLeft, int32_t(kSources.size()), ""},
    {"Cover", 50, ckExternal, kAlignCenter, 0, ""},
    {"Notes", 180, ckMemo, kAlignLeft, 0, ""},
    {"Media", 100, ckMenu, kAlignLeft, int32_t(kMedia.size()), ""},
    {"Comment", 260, ckText, kAlignLeft, 0, ""},
}};

template <size_t N> const char* Pick(const std::array<const char*, N>& names, int32_t index) {
    return IsItemIndex(index, int32_t(N)) ? names[size_t(index)] : "";
}

// Names go through the markup renderer, like the grid's own texts.
void DrawName(TExcelGrid2& grid, QPainter& painter, const QRect& r, const char* name) {
    TQtMarkupCanvas canvas(painter, grid.font(), painter.pen().color());
    DrawMarkup(name, {r.left() + 3, r.top() + 2, r.right() - 2, r.bottom() - 1}, taLeftJustify, taCenter, false, true,
               canvas);
}

// A small picture frame: the row has a cover.
void DrawCoverMark(QPainter& canvas, const QRect& r) {
    const QRect mark(r.center().x() - 7, r.center().y() - 5, 14, 11);
    canvas.setPen(QColor(90, 90, 90));
    canvas.setBrush(QColor(200, 225, 250));
    canvas.drawRect(mark);
    canvas.setBrush(QColor(80, 150, 80));
    const QPoint hill[] = {
        {mark.left() + 1, mark.bottom()}, {mark.left() + 5, mark.top() + 5}, {mark.right(), mark.bottom()}};
    canvas.setPen(Qt::NoPen);
    canvas.drawPolygon(hill, 3);
}

void FillRow(TExcelGrid2& grid, int32_t y) {
    const auto n = static_cast<uint32_t>(y) * 2654435761u;
    grid.EditCell(kBandCol, y).S = kBands[n % kBands.size()];
    grid.EditCell(kPriceCol, y).F = double((n >> 8) % 4000) / 100.0;
    grid.EditCell(kTracksCol, y).I = y % 37 == 0 ? -1 : int32_t((n >> 4) % 24) + 1;
    grid.EditCell(kColourCol, y).I = y % 5 == 0 ? -1 : int32_t(n & 0xFFFFFF);
    grid.EditCell(kDoneCol, y).I = (n >> 3) & 1;
    grid.EditCell(kSourceCol, y).I = int32_t((n >> 6) % kSources.size());
    grid.EditCell(kCoverCol, y).I = (n >> 9) & 1;
    grid.EditCell(kNotesCol, y).S = y % 3 == 0 ? "First set\nSecond set\nEncore" : "Soundcheck";
    grid.EditCell(kMediaCol, y).I = int32_t((n >> 11) % kMedia.size());
    grid.EditCell(kCommentCol, y).S = kComments[(n >> 13) % kComments.size()];
}

} // namespace

void FillShowcaseGrid(TExcelGrid2& grid, int32_t rows) {
    grid.SetColCount(kShowcaseColumns);
    for (int32_t x = 1; x <= kShowcaseColumns; ++x) {
        const TColumnDef& def = kColumns[size_t(x - 1)];
        TGridColumn& c = grid.Column(x);
        c.SetHeading(def.Heading);
        c.Width = def.Width;
        c.Kind = def.Kind;
        c.Align = def.Align;
        c.ItemCount = def.Items;
        c.SetFormat(def.Format);
        c.Enabled = true;
    }
    grid.UpdateColumnPositions();
    grid.SetHeadingWidth(56);
    grid.SetHeadingHeight(24);
    grid.SetRowHeight(22);
    grid.SetDrawInsideCell(true);
    grid.SetCountRows(rows);
    for (int32_t y = 1; y <= rows; ++y)
        FillRow(grid, y);

    grid.OnCellError = [](TGridModel&, int32_t x, int32_t, const TValue& value, bool& error) {
        error = x == kTracksCol && value.I < 0;
    };
    grid.OnDrawObject = [](TExcelGrid2& sender, QPainter& canvas, QRect& r, int32_t x, int32_t y, int32_t index) {
        if (x == kSourceCol)
            DrawName(sender, canvas, r, Pick(kSources, index));
        else if (x == kMediaCol)
            DrawName(sender, canvas, r, Pick(kMedia, index));
        else if (x == kCoverCol && sender.Cell(x, y).I != 0)
            DrawCoverMark(canvas, r);
    };
    grid.OnExternalCopy = [](TGridModel& sender, int32_t x, int32_t y, std::string& text) {
        text = sender.Cell(x, y).I != 0 ? "cover.jpg" : "";
    };
    grid.OnExternalEdit = [](TGridModel& sender, int32_t x, int32_t y) {
        sender.EditCell(x, y).I = sender.Cell(x, y).I == 0 ? 1 : 0;
        sender.Invalidate();
    };
}
