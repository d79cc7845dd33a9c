#pragma once

// The main window on a copy of the sample home, with the helpers its tests
// share: clicks on the filter lists and the grid, typing into cells, the
// rows the grid shows.

#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridEditors.h"
#include "controls/grid/GridLayout.h"
#include "core/Codes.h"
#include "core/Project.h"
#include "platform/CodePage.h"
#include "program/Program.h"
#include "support/MainWindowFixture.h"
#include "support/MemoryClipboard.h"
#include "ui/dialogs/CoverForm.h"
#include "ui/dialogs/InfoForm.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/FocusFrame.h"
#include "ui/main/ListCommandRunner.h"
#include "ui/main/TitlePaintBox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

// Every stored field of a record, so that a comparison sees any changed byte.
inline std::string RecordBytes(const TBootData& r) {
    std::string out;
    for (const std::string* field : {&r.Band, &r.Date, &r.City, &r.Venue, &r.Country, &r.Name, &r.Info, &r.Num,
                                     &r.Comment, &r.Quality, &r.Covers[0], &r.Covers[1]})
        out += *field + '\x1f';
    return out + std::to_string(r.Source) + '\x1f' + std::to_string(r.Media);
}

inline std::vector<std::string> AllBytes(const TArrayOfBootData& data) {
    std::vector<std::string> out;
    for (const TBootData& r : data)
        out.push_back(RecordBytes(r));
    return out;
}

using TRecordTest = std::function<bool(const TBootData&)>;

class TMainFormFixture : public TMainWindowFixture {
protected:
    TFilterPanel& Panel() { return W->Rollup(); }
    int32_t Col(int32_t templateColumn) { return W->ColMap()[static_cast<size_t>(templateColumn)]; }

    // The line of a band, or of one of its tours, in the band-and-tour list.
    int BandLine(const std::string& band, const std::string& tour = "") {
        for (const TBand& b : Program().Filter.Bands) {
            if (b.Name == band && tour.empty())
                return b.ListIndex - 1;
            for (const TTour& t : b.Tours)
                if (b.Name == band && t.Name == tour)
                    return t.ListIndex - 1;
        }
        ADD_FAILURE() << "no line for " << band << " " << tour;
        return 0;
    }

    void ClickLine(QListWidget* list, int line, Qt::KeyboardModifiers modifiers = {}) {
        QListWidgetItem* item = list->item(line);
        ASSERT_NE(item, nullptr) << line;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
    }

    void ClickCell(int32_t col, int32_t row, Qt::KeyboardModifiers modifiers = {}) {
        const TRect r = CellRect(Grid(), col, row);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, modifiers,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }

    // Types over the current cell, the first key opening the editor, and leaves it open.
    void TypeWithoutEnter(const QString& text) {
        QTest::keyClick(&Grid(), text.at(0).toLatin1());
        ASSERT_TRUE(Grid().GridEdit().isVisible());
        QTest::keyClicks(&Grid().GridEdit(), text.mid(1));
    }

    void Select(int32_t col, int32_t anchorRow, int32_t endRow = -1) {
        Grid().Col = col;
        Grid().Row = anchorRow;
        Grid().Selection = {col, anchorRow, col, endRow < 0 ? anchorRow : endRow};
    }

    // A key as the user types it, to whatever has the focus.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : W, Qt::Key(key), modifiers);
    }

    void Focus(QWidget* widget) {
        widget->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }));
    }

    QListWidget* Tours() { return Panel().TourLB(); }
    QListWidget* Sources() { return Panel().SourceLB(); }
    QListWidget* Media() { return Panel().MediaLB(); }

    static std::vector<int32_t> Matching(const TProject& list, const TRecordTest& test) {
        std::vector<int32_t> indices;
        for (size_t i = 0; i < list.Data.size(); ++i)
            if (test(list.Data[i]))
                indices.push_back(static_cast<int32_t>(i));
        return indices;
    }

    // The selected lines, or every line with `all`.
    static std::vector<int> Lines(QListWidget* list, bool all = false) {
        std::vector<int> lines;
        for (int i = 0; i < list->count(); ++i)
            if (all || list->item(i)->isSelected())
                lines.push_back(i);
        return lines;
    }

    void Drag(QWidget* widget, QPoint from, int toX) {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, QPoint((from.x() + toX) / 2, from.y()));
        QTest::mouseMove(widget, QPoint(toX, from.y()));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(toX, from.y()));
        QApplication::processEvents();
    }

    std::optional<int32_t> StoredInt(const std::string& name) {
        auto found = Settings.Values.find(name);
        const int32_t* value = found == Settings.Values.end() ? nullptr : std::get_if<int32_t>(&found->second);
        return value ? std::optional<int32_t>(*value) : std::nullopt;
    }

    // The sample list, with the grid clipboard in memory and the grid focused.
    void Open() {
        L = &OpenList(SampleList());
        auto clipboard = std::make_unique<TMemoryClipboard>();
        Clip = clipboard.get();
        Grid().SetClipboard(std::move(clipboard));
        Focus(&Grid());
    }

    TBootData& Shown(int32_t row) { return L->Data[static_cast<size_t>(L->View.at(static_cast<size_t>(row - 1)))]; }
    int32_t Rows() { return Grid().CountRows(); }
    // A command and the background work it started.
    void Run(TActionId id) {
        W->Action(id)->trigger();
        W->WaitForBackgroundWork();
    }
    void ShowBand(const std::string& name) { ClickLine(Panel().TourLB(), BandLine(name)); }

    int32_t RowOfNum(const std::string& num) const {
        for (size_t row = 0; row < L->View.size(); ++row)
            if (L->Data[static_cast<size_t>(L->View[row])].Num == num)
                return static_cast<int32_t>(row) + 1;
        ADD_FAILURE() << "no row shows " << num;
        return 0;
    }

    TProject* L = nullptr;
    TMemoryClipboard* Clip = nullptr;
};
