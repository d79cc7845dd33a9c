#pragma once

#include <QImage>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <functional>

class TExcelGrid2;
class TProject;
class TStrings2;
struct TBootData;

// What is particular to a bootleg list in the main grid: the row colours,
// the source and media names, the cover and information marks, and the
// Cover and Info cells, whose values live in the records.
class TListGridHandlers {
public:
    // Marks: 1 information text, 2 front cover, 3 back cover.
    using TIcons = std::array<QImage, 6>;

    TListGridHandlers(TExcelGrid2& grid, const TStrings2& names, std::function<TProject*()> currentList);

    void SetIcons(const TIcons& icons) { m_icons = icons; }
    // An external cell was edited in its window; the view wants refreshing.
    std::function<void()> OnExternalEdited;
    // Record `index` of the current list is about to change in a Cover or
    // Info cell (paste, delete, its window), for the undo history.
    std::function<void(int32_t index)> OnRecordChanging;
    // Opens the window of a Cover (property 11) or Info (12) cell for the record.
    std::function<bool(TBootData& record, int32_t property)> EditExternal;

    // The record property of grid column x (0 Search, 1 Band, ... 13 Comment).
    static int32_t PropertyOf(const TProject& list, int32_t x);

private:
    TBootData* RecordAt(int32_t y) const;
    // The record of a Cover or Info cell and the cell's property; null for other cells.
    TBootData* ExternalCell(int32_t x, int32_t y, int32_t& property) const;
    // The same for a cell whose record is about to change.
    TBootData* ChangingExternalCell(int32_t x, int32_t y, int32_t& property) const;
    void DrawObject(QPainter& canvas, QRect& rect, int32_t x, int32_t y, int32_t index);
    // Mark `icon` as sharp as the canvas's device can show it.
    QPixmap Mark(size_t icon, const QPainter& canvas) const;

    TExcelGrid2& m_grid;
    const TStrings2& m_names;
    std::function<TProject*()> m_currentList;
    TIcons m_icons;
};
