#include "MainWindowFixture.h"

#include "controls/grid/GridKeys.h"
#include "controls/markup/MarkupSupport.h"
#include "program/ConcertLists.h"
#include "program/ListGrid.h"
#include "program/TitleBar.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/ListCommandRunner.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>
#include <map>

namespace {

// The grid's clipboard, kept in memory so that tests see the exact bytes.
class TFakeClipboard : public IGridClipboard {
public:
    std::string Text() override { return Content; }
    void SetText(const std::string& text) override { Content = text, ++Writes; }
    std::string Content;
    int Writes = 0;
};

// Every stored field of a record, so that a comparison sees any changed byte.
std::string Bytes(const TBootData& r) {
    const char sep = '\x1f';
    std::string out;
    for (const std::string* field : {&r.Band, &r.Date, &r.City, &r.Venue, &r.Country, &r.Name, &r.Info, &r.Num,
                                     &r.Comment, &r.Quality, &r.Covers[0], &r.Covers[1]})
        out += *field + sep;
    return out + std::to_string(r.Source) + sep + std::to_string(r.Media);
}

std::vector<std::string> AllBytes(const TArrayOfBootData& data) {
    std::vector<std::string> out;
    for (const TBootData& r : data)
        out.push_back(Bytes(r));
    return out;
}

std::string ReadFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<unreadable>");
}

class ListCommandsWindow : public ::testing::Test {
protected:
    // The window on the sample list, with the grid clipboard in memory.
    void Start() {
        W = &F.Open();
        L = &F.OpenList(F.SampleList());
        auto clipboard = std::make_unique<TFakeClipboard>();
        Clip = clipboard.get();
        F.Grid().SetClipboard(std::move(clipboard));
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    }

    TExcelGrid2& Grid() { return F.Grid(); }
    int32_t Col(TTemplateColumn column) const { return W->ColMap()[static_cast<size_t>(column)]; }
    TBootData& Shown(int32_t row) { return L->Data[static_cast<size_t>(L->View.at(static_cast<size_t>(row - 1)))]; }
    int32_t Rows() { return Grid().CountRows(); }
    void Run(TActionId id) { W->Action(id)->trigger(); }

    // A key as the user types it, to whatever has the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : W, key, modifiers);
    }

    void FocusGrid() {
        Grid().setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Grid().Focused(); }));
    }

    void Select(int32_t col, int32_t anchorRow, int32_t endRow) {
        Grid().Col = col;
        Grid().Row = anchorRow;
        Grid().Selection = {col, anchorRow, col, endRow};
    }
    void Select(int32_t col, int32_t row) { Select(col, row, row); }

    void ClickLine(QListWidget* list, int line) {
        list->scrollToItem(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
    }
    // Shows only the band of that name.
    void ShowBand(const std::string& name) {
        for (const TBand& band : F.Program().Filter.Bands)
            if (band.Name == name)
                return ClickLine(W->Rollup().TourLB(), band.ListIndex - 1);
        ADD_FAILURE() << "no band " << name;
    }

    size_t IndexOfNum(const std::string& num) const {
        for (size_t i = 0; i < L->Data.size(); ++i)
            if (L->Data[i].Num == num)
                return i;
        ADD_FAILURE() << "no record " << num;
        return 0;
    }
    int32_t RowOfNum(const std::string& num) const {
        const auto at = std::find(L->View.begin(), L->View.end(), static_cast<int32_t>(IndexOfNum(num)));
        return at == L->View.end() ? 0 : static_cast<int32_t>(at - L->View.begin()) + 1;
    }

    TMainWindowFixture F;
    TMainForm* W = nullptr;
    TProject* L = nullptr;
    TFakeClipboard* Clip = nullptr;
};

TEST_F(ListCommandsWindow, AddRespectsTheSourceFilterAndMakesTheNewRowCurrent) {
    Start();
    const size_t before = L->Data.size();
    ClickLine(W->Rollup().SourceLB(), 2); // only the source of code 1
    ASSERT_FALSE(F.Program().Filter.SourceSelAll);
    ASSERT_FALSE(F.Program().Filter.SourceSel[0]);
    ShowBand("Ironwood");
    ASSERT_GT(Rows(), 0);
    FocusGrid();
    Key(Qt::Key_A);
    ASSERT_EQ(L->Data.size(), before + 1);
    EXPECT_EQ(Bytes(L->Data.back()), Bytes(TBootData{}));
    EXPECT_FALSE(L->Saved);
    EXPECT_TRUE(F.Program().Filter.AllBands);
    EXPECT_EQ(std::count(L->View.begin(), L->View.end(), static_cast<int32_t>(before)), 0);

    ClickLine(W->Rollup().SourceLB(), 0); // every source
    Grid().Row = 1;
    Grid().ResetSelection();
    // The tool bar button, as the mouse gives it.
    QWidget* button = W->ToolBar().widgetForAction(W->Action(TActionId::cmAdd));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(L->Data.size(), before + 2);
    EXPECT_EQ(Rows(), static_cast<int32_t>(L->Data.size()));
    EXPECT_EQ(L->View.back(), static_cast<int32_t>(before + 1));
    EXPECT_EQ(Grid().Row, Rows());
    EXPECT_EQ(Grid().Selection, (TGridRect{Grid().Col, Rows(), Grid().Col, Rows()}));
}

TEST_F(ListCommandsWindow, DeleteRemovesExactlyTheSelectedRowsOfAFilteredView) {
    Start();
    ShowBand("Ironwood");
    ASSERT_GE(Rows(), 5);
    ASSERT_LT(Rows(), static_cast<int32_t>(L->Data.size()));
    auto expected = [&](std::vector<int32_t> rows) {
        std::vector<std::string> kept;
        for (size_t i = 0; i < L->Data.size(); ++i)
            if (std::none_of(rows.begin(), rows.end(), [&](int32_t r) { return L->View[size_t(r - 1)] == int(i); }))
                kept.push_back(Bytes(L->Data[i]));
        return kept;
    };
    const std::vector<std::string> afterFirst = expected({2, 3});
    const int32_t rows = Rows();
    FocusGrid();
    Select(1, 3, 2); // corners in either order
    Key(Qt::Key_D);
    EXPECT_EQ(AllBytes(L->Data), afterFirst);
    EXPECT_EQ(Rows(), rows - 2);
    EXPECT_FALSE(L->Saved);
    EXPECT_TRUE(F.Messages.empty()); // nothing is asked

    // With the cursor on the last row, the new last row becomes current.
    const std::vector<std::string> afterSecond = expected({Rows() - 1, Rows()});
    Select(2, Rows(), Rows() - 1);
    Run(TActionId::cmDelete);
    EXPECT_EQ(AllBytes(L->Data), afterSecond);
    EXPECT_EQ(Grid().Row, Rows());
    EXPECT_EQ(Grid().Selection, (TGridRect{2, Rows(), 2, Rows()}));
}

// The key of a template column as the sort sees it; Cover and Info have none.
std::string SortKey(const TBootData& r, int32_t templateColumn) {
    using F = std::string TBootData::*;
    static const std::map<int32_t, F> texts = {{tcSearch, &TBootData::SearchText}, {tcBand, &TBootData::Band},
                                               {tcDate, &TBootData::Date},         {tcCity, &TBootData::City},
                                               {tcCountry, &TBootData::Country},   {tcVenue, &TBootData::Venue},
                                               {tcName, &TBootData::Name},         {tcQuality, &TBootData::Quality},
                                               {tcNum, &TBootData::Num},           {tcComment, &TBootData::Comment}};
    if (templateColumn == tcSource || templateColumn == tcMedia)
        return std::string(1, char(templateColumn == tcSource ? r.Source : r.Media)); // codes order as bytes
    const auto text = texts.find(templateColumn);
    return text == texts.end() ? std::string() : r.*text->second;
}

TEST_F(ListCommandsWindow, SortOrdersEveryColumnBothWays) {
    Start();
    for (bool searchColumn : {false, true}) {
        if (searchColumn) {
            for (size_t i = 0; i < L->Data.size(); ++i)
                L->Data[i].SearchText = std::to_string((i * 7) % 11) + "hit";
            L->SearchColumn = true;
            W->SetValues();
        }
        ASSERT_EQ(Grid().ColCount(), searchColumn ? 14 : 13);
        for (int32_t col = 1; col <= Grid().ColCount(); ++col) {
            for (TActionId id : {TActionId::cmSortAZ, TActionId::cmSortZA}) {
                SCOPED_TRACE(testing::Message() << "column " << col << (id == TActionId::cmSortAZ ? " A-Z" : " Z-A"));
                const int32_t templ = searchColumn ? col : col + 1;
                // Stable byte-wise order of the key; descending is that order reversed.
                TArrayOfBootData wanted = L->Data;
                std::stable_sort(wanted.begin(), wanted.end(), [&](const TBootData& a, const TBootData& b) {
                    return SortKey(a, templ) < SortKey(b, templ);
                });
                if (id == TActionId::cmSortZA)
                    std::reverse(wanted.begin(), wanted.end());
                Grid().Col = col;
                Run(id);
                ASSERT_EQ(AllBytes(L->Data), AllBytes(wanted));
                ASSERT_EQ(Rows(), static_cast<int32_t>(wanted.size()));
                for (int32_t r = 1; r <= Rows(); ++r)
                    ASSERT_EQ(Grid().GetCellString(Col(tcNum), r), wanted[size_t(r - 1)].Num) << "row " << r;
            }
        }
    }
}

TEST_F(ListCommandsWindow, FindWrapsSkipsTheCurrentRowAndAsksWhenNeeded) {
    Start();
    int asked = 0;
    bool answer = true;
    std::string typed, offered;
    W->ListCommands().AskSearchText = [&](std::string& text) {
        ++asked;
        offered = text;
        text = typed; // also on Cancel, which must not use it
        return answer;
    };
    const int32_t hamburg = RowOfNum("001");
    ASSERT_GT(hamburg, 0);
    FocusGrid();

    // Find next without a search text asks for one; the search wraps past the end.
    typed = "hamBURG";
    Select(1, Rows());
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(offered, "");
    EXPECT_EQ(F.Program().SearchString, "hamBURG");
    EXPECT_EQ(Grid().Row, hamburg);
    EXPECT_EQ(Grid().Col, Col(tcCity));
    EXPECT_EQ(Grid().Selection, (TGridRect{Col(tcCity), hamburg, Col(tcCity), hamburg}));

    // The only match is on the current row, which is never examined.
    Select(1, hamburg);
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Grid().Row, hamburg);
    EXPECT_EQ(Grid().Col, 1);

    // Cancel ends the command; the box offered the current text.
    answer = false;
    typed = "leiden";
    Select(1, 2);
    Key(Qt::Key_F);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(offered, "hamBURG");
    EXPECT_EQ(F.Program().SearchString, "hamBURG");
    EXPECT_EQ(Grid().Row, 2);

    // Only a..z are upper-cased: a Windows-1252 e-acute matches itself only.
    answer = true;
    L->Data[IndexOfNum("046")].City = "Caf\xE9";
    W->SetValues();
    const int32_t cafe = RowOfNum("046");
    typed = "caf\xC9";
    Run(TActionId::cmFind);
    EXPECT_EQ(Grid().Row, 2);
    typed = "cAF\xE9";
    Run(TActionId::cmFind);
    EXPECT_EQ(Grid().Row, cafe);
    EXPECT_EQ(Grid().Col, Col(tcCity));

    // A view of one row whose only match is in that row finds nothing.
    ClickLine(W->Rollup().SourceLB(), 1); // source code 0
    ASSERT_EQ(Rows(), 1);
    ASSERT_EQ(Shown(1).Band, "northbound");
    Select(1, 1);
    typed = "NorthBound";
    Run(TActionId::cmFind);
    EXPECT_EQ(Grid().Row, 1);
    EXPECT_EQ(Grid().Col, 1);
    EXPECT_EQ(asked, 5);
}

TEST_F(ListCommandsWindow, FindConcertTakesTheFirstBandAndWritesThrough) {
    // A tour file for the band of record 046, with two tours on its date.
    {
        QFile tours(QString::fromStdString(F.Path("Tours/Unknown band.txt")));
        ASSERT_TRUE(tours.open(QIODevice::WriteOnly));
        tours.write(
            "# Unknown band\r\n|||||Club Tour|1990.06.01|1990.06.30\r\n1990.06.01|Fri|Leiden|Netherlands|LVC\r\n"
            "|||||Later|1990.06.01|1990.06.30\r\n1990.06.01|Fri|Delft|Netherlands|Other\r\n");
    }
    Start();
    const size_t unknown = IndexOfNum("046");
    const std::vector<std::string> before = AllBytes(L->Data);
    FocusGrid();
    Select(1, RowOfNum("046"));
    Key(Qt::Key_I);
    // The first concert on the date is the one the record already names.
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_TRUE(L->Saved);

    // Tour files cannot give two bands one name, so the second is put in
    // beside the first, ahead of it in band order.
    std::vector<TBand>& bands = F.Program().Filter.Bands;
    const auto at = std::find_if(bands.begin(), bands.end(), [](const TBand& b) { return b.Name == "Unknown band"; });
    ASSERT_NE(at, bands.end());
    const std::vector<TConcert> concerts = {{"1990.06.02", "", "Wrong", "Date", "Hall"},
                                            {"1990.06.01", "", "Utrecht", "Nederland", "Tivoli"}};
    bands.insert(at, TBand{"Unknown band", {TTour{"Twin", "1990.01.01", "1990.12.31", 0, false, concerts}}, 0, false});
    W->SetFilterLines(BandTourFilterLines(bands), SourceFilterLines(), MediaFilterLines());
    W->SetValues();
    Select(1, RowOfNum("046"));
    Run(TActionId::cmFindConcert);
    EXPECT_EQ(L->Data[unknown].City, "Utrecht");
    EXPECT_EQ(L->Data[unknown].Country, "Nederland");
    EXPECT_EQ(L->Data[unknown].Venue, "Tivoli");
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(Grid().GetCellString(Col(tcVenue), RowOfNum("046")), "Tivoli");

    // Several rows at once: the record without a place gets it, the others keep theirs.
    L->Saved = true;
    ShowBand("northbound");
    std::vector<std::string> wanted = AllBytes(L->Data);
    TBootData filled = L->Data[IndexOfNum("050")];
    ASSERT_EQ(filled.City, "");
    filled.City = "Tallinn";
    filled.Country = "Estonia";
    filled.Venue = "Rock Cafe";
    wanted[IndexOfNum("050")] = Bytes(filled);
    Select(1, Rows(), 1);
    Run(TActionId::cmFindConcert);
    EXPECT_EQ(AllBytes(L->Data), wanted);
    EXPECT_FALSE(L->Saved);
}

TEST_F(ListCommandsWindow, CoverAndInfoTravelThroughTheClipboardText) {
    Start();
    Shown(1).Covers = {"front.jpg", ""};
    Shown(1).Info = "one\ttwo\r\nthree\nfour";
    Shown(3).Covers = {"a.jpg", "b.jpg"};
    W->SetValues();
    FocusGrid();
    Select(Col(tcCover), 1);
    Key(Qt::Key_C);
    EXPECT_EQ(Clip->Content, "front.jpg[---]\r\n");
    Select(Col(tcInfo), 1);
    Key(Qt::Key_C);
    // A lone LF stays, so the grid quotes the cell.
    EXPECT_EQ(Clip->Content, "\"one[TAB]two[CR]three\nfour\"\r\n");
    ASSERT_TRUE(L->Saved);
    Shown(1).Info.clear();
    Key(Qt::Key_V); // and back again
    EXPECT_EQ(Shown(1).Info, "one\ttwo\r\nthree\nfour");
    EXPECT_FALSE(L->Saved);
    L->Saved = true;

    Clip->Content = "one[TAB]two[CR]three\r\n";
    Select(Col(tcInfo), 2);
    Key(Qt::Key_V);
    EXPECT_EQ(Shown(2).Info, "one\ttwo\r\nthree");
    EXPECT_FALSE(L->Saved);
    Clip->Content = "front.jpg[---]\r\n";
    Select(Col(tcCover), 2);
    Run(TActionId::cmClipboardPaste);
    EXPECT_EQ(Shown(2).Covers, (std::array<std::string, 2>{"front.jpg", ""}));
    Clip->Content = "plain.jpg\r\n";
    Select(Col(tcCover), 3);
    Key(Qt::Key_V);
    EXPECT_EQ(Shown(3).Covers, (std::array<std::string, 2>{"plain.jpg", ""}));

    // With the Search column in front, the Cover cell still copies the covers.
    Shown(3).Covers = {"x[---]y", "z"};
    Shown(3).SearchText = "found";
    L->SearchColumn = true;
    W->SetValues();
    ASSERT_EQ(Grid().ColCount(), 14);
    Select(Col(tcCover), 3);
    Key(Qt::Key_C);
    EXPECT_EQ(Clip->Content, "x[---]y[---]z\r\n");
    Select(Col(tcInfo), 2);
    Run(TActionId::cmClipboardCopy);
    EXPECT_EQ(Clip->Content, "one[TAB]two[CR]three\r\n");
}

TColor CellColor(TExcelGrid2& grid, int32_t x, int32_t y, TColor start = 0, bool change = false) {
    grid.OnCellColor(grid, start, change, x, y);
    EXPECT_TRUE(change);
    return start;
}

TEST_F(ListCommandsWindow, RowColoursFollowBlocksTintsAndSearchHits) {
    Start();
    Shown(1).SearchHits = 1;
    Shown(2).SearchHits = 2;
    W->SetValues();
    const TColor white = JoinRgb(255, 255, 255), grey = JoinRgb(240, 240, 240);
    const TColor yellow = JoinRgb(255, 255, 192), darkYellow = JoinRgb(240, 240, 176);
    for (bool searchColumn : {false, true}) {
        SCOPED_TRACE(searchColumn ? "with the Search column" : "without the Search column");
        L->SearchColumn = searchColumn;
        W->SetValues();
        TExcelGrid2& g = Grid();
        EXPECT_EQ(CellColor(g, Col(tcBand), 5), white);
        EXPECT_EQ(CellColor(g, Col(tcBand), 6), grey);
        EXPECT_EQ(CellColor(g, Col(tcComment), 10), grey);
        EXPECT_EQ(CellColor(g, Col(tcNum), 11), white);
        EXPECT_EQ(CellColor(g, Col(tcDate), 5), yellow);
        for (TTemplateColumn tinted : {tcDate, tcSource, tcMedia, tcQuality})
            EXPECT_EQ(CellColor(g, Col(tinted), 6), darkYellow) << tinted;
        EXPECT_EQ(CellColor(g, Col(tcCity), 1), JoinRgb(255, 176, 176));
        EXPECT_EQ(CellColor(g, Col(tcCity), 2), JoinRgb(255, 144, 144));
        EXPECT_EQ(CellColor(g, Col(tcDate), 1), JoinRgb(239, 192, 192));
        EXPECT_EQ(CellColor(g, Col(tcMedia), 2), JoinRgb(239, 160, 160));
        const TColor selection = JoinRgb(0x3C, 0xF0, 0x0F);
        EXPECT_EQ(CellColor(g, Col(tcDate), 6, selection, true), selection & darkYellow);
        EXPECT_EQ(CellColor(g, Col(tcBand), 2, selection, true), selection & JoinRgb(255, 144, 144));
    }
    EXPECT_EQ(CellColor(Grid(), 1, 7), grey); // the Search column itself
}

TEST_F(ListCommandsWindow, TitleBarTextsCountShownAndTotal) {
    using TTexts = std::array<std::string, 3>;
    Start();
    EXPECT_EQ(TitleBarTexts(*L),
              (TTexts{"List: |b Sample list|f ", "Bootlegs: |b 50|f  (|b 50|f )", "Search: |b 0|f  (|b 0|f )"}));
    L->Data[IndexOfNum("001")].SearchHits = 2;
    L->Data[IndexOfNum("050")].SearchHits = 1;
    ShowBand("Ironwood"); // shown first, the whole list in brackets
    EXPECT_EQ(TitleBarTexts(*L),
              (TTexts{"List: |b Sample list|f ", "Bootlegs: |b 12|f  (|b 50|f )", "Search: |b 2|f  (|b 1|f )"}));
    FocusGrid();
    Key(Qt::Key_N);
    ASSERT_EQ(F.Program().Lists.size(), 2u);
    EXPECT_EQ(W->MainTab().currentIndex(), 1);
    EXPECT_EQ(TitleBarTexts(*F.Program().Lists.back()),
              (TTexts{"List: |b |f ", "Bootlegs: |b 0|f  (|b 0|f )", "Search: |b 0|f  (|b 0|f )"}));
}

TEST_F(ListCommandsWindow, SaveAsRenamesAndFailedSavesKeepTheList) {
    Start();
    TFileDialog seen;
    auto scripted = W->FileDialogHook;
    W->FileDialogHook = [&](TFileDialog& dialog, bool saving) {
        EXPECT_TRUE(saving);
        seen = dialog;
        return scripted(dialog, saving);
    };
    const std::string renamed = F.Path("Lists/Renamed.kvu");
    Run(TActionId::cmAdd);
    ASSERT_FALSE(L->Saved);
    F.DialogPaths.push_back(renamed);
    Run(TActionId::cmSaveAs);
    EXPECT_EQ(seen.Title, "Save list");
    EXPECT_EQ(seen.DefaultExt, "kvu");
    EXPECT_TRUE(seen.OverwritePrompt);
    EXPECT_TRUE(F.Messages.empty());
    EXPECT_TRUE(L->Saved);
    EXPECT_EQ(L->FileName, renamed);
    EXPECT_EQ(W->MainTab().tabText(0), QStringLiteral("Renamed"));
    EXPECT_EQ(F.Program().History.Entry(1), renamed);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(renamed)));
    TProject loaded;
    loaded.FileName = renamed;
    ASSERT_TRUE(loaded.Load().Ok());
    EXPECT_EQ(AllBytes(loaded.Data), AllBytes(L->Data));

    // A folder that is a file: even root cannot write there.
    const std::string sampleBytes = ReadFile(F.SampleList());
    const std::string impossible = F.SampleList() + "/inside.kvu";
    Run(TActionId::cmAdd);
    F.DialogPaths.push_back(impossible);
    Run(TActionId::cmSaveAs);
    ASSERT_EQ(F.Messages.size(), 1u);
    EXPECT_EQ(F.Messages[0].Kind, Msg::Error);
    for (const std::string& part : {impossible, std::string("could not be saved"), std::string("Not a directory")})
        EXPECT_NE(F.Messages[0].Text.find(part), std::string::npos) << F.Messages[0].Text;
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(L->FileName, renamed);
    EXPECT_EQ(F.Program().Lists.size(), 1u);
    EXPECT_EQ(W->MainTab().tabText(0), QStringLiteral("Renamed"));
    EXPECT_EQ(F.Program().History.Entry(1), renamed);
    EXPECT_EQ(ReadFile(F.SampleList()), sampleBytes);

    // Save on a new list asks for the name, and fails the same way.
    FocusGrid();
    Key(Qt::Key_N);
    TProject& fresh = *F.Program().Lists.back();
    Run(TActionId::cmAdd);
    F.DialogPaths.push_back(impossible);
    Key(Qt::Key_S);
    ASSERT_EQ(F.Messages.size(), 2u);
    EXPECT_EQ(F.Messages[1].Kind, Msg::Error);
    EXPECT_EQ(fresh.FileName, "");
    EXPECT_FALSE(fresh.Saved);
    EXPECT_EQ(F.Program().Lists.size(), 2u);
    EXPECT_TRUE(F.DialogPaths.empty());
}

TEST_F(ListCommandsWindow, CutChangesNothing) {
    Start();
    const std::vector<std::string> before = AllBytes(L->Data);
    FocusGrid();
    Select(Col(tcBand), 2);
    const std::string band = Grid().GetCellString(Col(tcBand), 2);
    ASSERT_FALSE(band.empty());
    Key(Qt::Key_X);
    Run(TActionId::cmClipboardCut);
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_EQ(Grid().GetCellString(Col(tcBand), 2), band);
    EXPECT_TRUE(L->Saved);
    EXPECT_EQ(Clip->Writes, 0);
}

} // namespace
