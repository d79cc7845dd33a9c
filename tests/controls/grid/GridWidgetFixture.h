#pragma once

#include "GridTestSupport.h"
#include "controls/grid/ExcelGrid2.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// A shown, focused grid of 400 x 300 with one column of every kind, 60 wide,
// and 50 rows; counts OnChange.
class GridWidget : public testing::Test {
protected:
    enum : int32_t { kText = 1, kInteger, kFloat, kList, kMemo, kCheck, kColor, kMenu, kExternal };

    void SetUp() override {
        const uint8_t kinds[] = {ckText, ckInteger, ckFloat, ckList, ckMemo, ckCheck, ckColor, ckMenu, ckExternal};
        SetUpColumns(Grid, 9, 50, ckText, 60, 6);
        for (int32_t x = 1; x <= 9; ++x)
            Grid.Column(x).Kind = kinds[x - 1];
        Grid.SetNumberLocale(kPoint);
        Grid.OnChange = [this](TGridModel&) { ++Changes; };
        Grid.resize(400, 300);
        Grid.show();
        Focus();
    }

    void Focus() {
        Grid.activateWindow();
        Grid.setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid.Focused());
    }

    void Select(int32_t col, int32_t row) {
        Grid.Col = col;
        Grid.Row = row;
        Grid.ResetSelection();
        Grid.ScrollInView();
    }

    QImage Paint() {
        QImage image(Grid.viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        Grid.PaintTo(painter, image.rect());
        return image;
    }

    // A pixel well inside a cell, clear of its text and of the selection's outline.
    static QColor InsideCell(const QImage& image, const TRect& cell) {
        return image.pixelColor(cell.Left + 4, cell.Bottom - 4);
    }

    // The pixels inside a cell's border that are not the window's colour.
    int InkIn(const QImage& image, const TRect& cell) const {
        int count = 0;
        for (int x = cell.Left + 1; x < cell.Right; ++x)
            for (int y = cell.Top + 1; y < cell.Bottom; ++y)
                count += image.pixelColor(x, y) != Rgb(Grid.Colors().Window);
        return count;
    }

    static QColor Rgb(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

    TExcelGrid2 Grid;
    int Changes = 0;
};
