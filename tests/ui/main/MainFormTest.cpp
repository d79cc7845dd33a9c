// The real main window on a temporary home folder holding the sample Tours
// folder and the sample list, with its dialogs scripted: messages answer
// from a queue (and are recorded), file dialogs return the next queued path.

#include "ui/main/MainForm.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridEditors.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridLayout.h"
#include "controls/markup/MarkupSupport.h"
#include "core/Codes.h"
#include "core/Project.h"
#include "platform/CodePage.h"
#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "support/FaultyFileSystem.h"
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
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#ifndef KORVALEN_SAMPLE_HOME
#error "the test needs KORVALEN_SAMPLE_HOME"
#endif

namespace {

struct TShownMessage {
    std::string Text;
    Msg::TKind Kind{};
    Msg::TButtons Buttons{};
};

// Every stored field of a record, so that a comparison sees any changed byte.
std::string RecordBytes(const TBootData& r) {
    std::string out;
    for (const std::string* field : {&r.Band, &r.Date, &r.City, &r.Venue, &r.Country, &r.Name, &r.Info, &r.Num,
                                     &r.Comment, &r.Quality, &r.Covers[0], &r.Covers[1]})
        out += *field + '\x1f';
    return out + std::to_string(r.Source) + '\x1f' + std::to_string(r.Media);
}

std::vector<std::string> AllBytes(const TArrayOfBootData& data) {
    std::vector<std::string> out;
    for (const TBootData& r : data)
        out.push_back(RecordBytes(r));
    return out;
}

std::string FileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<unreadable>");
}

using TRecordTest = std::function<bool(const TBootData&)>;

const TRecordTest kAny = [](const TBootData&) { return true; };
const TRecordTest kIronwood = [](const TBootData& r) { return r.Band == "Ironwood"; };

class TMainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    TMainWindowFixture() {
        const QString sample = QStringLiteral(KORVALEN_SAMPLE_HOME);
        Home = Dir.path().toStdString() + "/";
        for (const char* folder : {"/Tours", "/Lists"}) {
            QDir().mkpath(Dir.path() + folder);
            for (const QString& name : QDir(sample + folder).entryList(QDir::Files))
                QFile::copy(sample + folder + "/" + name, Dir.path() + folder + "/" + name);
        }
        QDir().mkpath(Dir.path() + "/Covers");
    }

    std::string Path(const std::string& relative) const { return Home + relative; }
    std::string SampleList() const { return Home + "Lists/Sample list.kvu"; }

    // A window on the home folder and `Settings` (again: the next start), shown and active.
    void Start() {
        Window.reset();
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        Window = std::make_unique<TMainForm>(Settings, MakeProgramFolders(Home + "korvalen", Home),
                                             std::vector<std::string>(), options);
        W = Window.get();
        W->MessageHook = [this](const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign) {
            Messages.push_back({text, kind, buttons});
            if (Answers.empty())
                return buttons & Msg::Cancel ? Msg::ResultCancel : Msg::ResultOk;
            const int answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
        W->FileDialogHook = [this](TFileDialog& dialog, bool) {
            if (DialogPaths.empty())
                return false;
            dialog.FileName = DialogPaths.front();
            DialogPaths.pop_front();
            return true;
        };
        W->resize(1200, 800);
        W->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(W));
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    }

    // A file opens in one tab only: another tab of the same list opens a copy.
    TProject& OpenList(const std::string& path) {
        std::string file = path;
        for (int copy = 2; std::any_of(Program().Lists.begin(), Program().Lists.end(),
                                       [&](const auto& open) { return open->FileName == file; });
             ++copy) {
            file = path.substr(0, path.rfind('.')) + " " + std::to_string(copy) + ".kvu";
            std::filesystem::copy_file(path, file, std::filesystem::copy_options::overwrite_existing);
        }
        EXPECT_TRUE(Program().OpenList(file)) << file;
        return *Program().Lists.back();
    }

    TProgram& Program() { return W->Program(); }
    TExcelGrid2& Grid() { return W->Grid(); }
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

    void TypeIntoCell(int32_t col, int32_t row, const QString& text) {
        ClickCell(col, row);
        TypeWithoutEnter(text);
        QTest::keyClick(&Grid().GridEdit(), Qt::Key_Return);
        EXPECT_FALSE(Grid().GridEdit().isVisible());
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

    // The grid shows exactly these records, row by row.
    void ExpectRows(const TProject& list, const TRecordTest& test) {
        const std::vector<int32_t> expected = Matching(list, test);
        ASSERT_EQ(Grid().CountRows(), static_cast<int32_t>(expected.size()));
        EXPECT_EQ(list.View, expected);
        for (int32_t r = 1; r <= Grid().CountRows(); ++r) {
            const TBootData& record = list.Data[static_cast<size_t>(expected[static_cast<size_t>(r - 1)])];
            EXPECT_EQ(Grid().GetCellString(Col(tcNum), r), record.Num) << r;
        }
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

    QTemporaryDir Dir;
    std::string Home;
    TMemorySettingsStore Settings;
    std::unique_ptr<TMainForm> Window;
    TMainForm* W = nullptr;
    std::deque<int> Answers;             // results of the next message dialogs
    std::vector<TShownMessage> Messages; // every message shown
    std::deque<std::string> DialogPaths; // chosen in the next file dialogs
    TProject* L = nullptr;
    TMemoryClipboard* Clip = nullptr;
};

using MainForm = TMainWindowFixture;

// Which records pass is the filter's business; here the clicks must reach it.
TEST_F(MainForm, FilterListClicksChooseTheRowsOfTheGrid) {
    TProject& list = OpenList(SampleList());
    ExpectRows(list, kAny);
    ClickLine(Tours(), BandLine("Ironwood"));
    ExpectRows(list, kIronwood);
    const TTour& night = Program().Filter.Bands.at(1).Tours.at(1);
    ClickLine(Tours(), BandLine("Marigold Express", "Night Train"), Qt::ControlModifier);
    EXPECT_TRUE(night.Selected);
    ClickLine(Tours(), BandLine("Ironwood"));
    ClickLine(Sources(), 1 + 4);
    ClickLine(Media(), 1 + 13);
    ClickLine(Media(), 1 + 1, Qt::ControlModifier);
    const TRecordTest combined = [](const TBootData& r) {
        return kIronwood(r) && r.Source == 4 && (r.Media == 13 || r.Media == 1);
    };
    ASSERT_FALSE(Matching(list, combined).empty());
    ExpectRows(list, combined);
    EXPECT_TRUE(list.Saved);                          // filter clicks change no record
    ClickLine(Sources(), 1 + 4, Qt::ControlModifier); // nothing selected hides everything
    ExpectRows(list, [](const TBootData&) { return false; });
}

TEST_F(MainForm, FilterListsShowOnlyWholeLinesAtEverySize) {
    OpenList(SampleList());
    const QSize sizes[] = {{kMainWindowSize.Width, kMainWindowSize.Height}, W->minimumSize(), {1200, 800}, {900, 1111}};
    for (QSize size : sizes) {
        for (int grow = 0; grow < 14; ++grow) {
            W->resize(size + QSize(0, grow));
            QApplication::processEvents();
            for (QListWidget* list : {Tours(), Sources(), Media()}) {
                SCOPED_TRACE(std::to_string(W->height()) + " " + list->item(0)->text().toStdString());
                EXPECT_EQ(list->viewport()->height() % 14, 0);
                EXPECT_GE(list->viewport()->height(), 5 * 14);
                const QRect inPanel(list->mapTo(&Panel(), QPoint(0, 0)), list->size());
                EXPECT_TRUE(Panel().rect().contains(inPanel));
            }
        }
    }
    EXPECT_EQ(Sources()->viewport()->height(), 7 * 14);
    EXPECT_EQ(Media()->viewport()->height(), 9 * 14);
}

TEST_F(MainForm, AtTheSmallestSizeTheTitleBarShowsItsThreeTextsWhole) {
    QFile::copy(QString::fromStdString(SampleList()),
                QString::fromStdString(Path("Lists/The complete Ironwood live collection.kvu")));
    OpenList(Path("Lists/The complete Ironwood live collection.kvu"));
    W->resize(W->minimumSize());
    QApplication::processEvents();
    TTitlePaintBox& title = W->TitleBar();
    title.repaint();
    ASSERT_EQ(title.Drawn().size(), 3u);
    EXPECT_LE(title.Drawn().back().Right, title.width());
    EXPECT_EQ(title.Drawn()[1].Text.rfind("Bootlegs: |b 50|f", 0), 0u);
}

TEST_F(MainForm, TheFocusedListOrGridIsFramedInTheHighlightColour) {
    OpenList(SampleList());
    const QList<TFocusFrame*> frames = W->findChildren<TFocusFrame*>();
    ASSERT_EQ(frames.size(), 4);
    for (QWidget* focused : std::initializer_list<QWidget*>{Tours(), Sources(), &Grid(), Media()}) {
        Focus(focused);
        QApplication::processEvents();
        for (TFocusFrame* frame : frames) {
            const bool holds = frame->isAncestorOf(focused);
            EXPECT_EQ(frame->Lit(), holds) << focused->metaObject()->className();
            const QImage look = frame->grab().toImage();
            const QColor highlight = frame->palette().color(QPalette::Active, QPalette::Highlight);
            for (QPoint edge : {QPoint(0, look.height() / 2), QPoint(look.width() - 2, look.height() - 1)})
                EXPECT_EQ(look.pixelColor(edge) == highlight, holds);
        }
    }
}

TEST_F(MainForm, CtrlTabStepsThroughTheListsWithTheirCursors) {
    for (int i = 0; i < 3; ++i)
        OpenList(SampleList());
    ASSERT_EQ(W->MainTab().currentIndex(), 2);
    // The selection, with the cursor at its second corner as the clicks leave it.
    const auto expectCursor = [&](int tab, const TGridRect& c) {
        EXPECT_EQ(W->MainTab().currentIndex(), tab);
        EXPECT_EQ(Program().CurrentListIndex(), tab);
        const TGridRect& s = Grid().Selection;
        EXPECT_EQ(std::vector<int32_t>({Grid().Col, Grid().Row, s.Left, s.Top, s.Right, s.Bottom}),
                  std::vector<int32_t>({c.Right, c.Bottom, c.Left, c.Top, c.Right, c.Bottom}))
            << "tab " << tab;
    };
    const TGridRect cursors[3] = {{2, 2, 2, 2}, {7, 9, 4, 3}, {3, 4, 5, 6}};
    for (int tab : {2, 0, 1}) {
        expectCursor(tab, {1, 1, 1, 1});
        ClickCell(cursors[tab].Left, cursors[tab].Top);
        ClickCell(cursors[tab].Right, cursors[tab].Bottom, Qt::ShiftModifier);
        expectCursor(tab, cursors[tab]);
        Key(Qt::Key_Tab); // from the last tab on to the first
    }
    for (int tab : {2, 0, 1}) {
        expectCursor(tab, cursors[tab]);
        Key(Qt::Key_Tab);
    }
    for (int tab : {1, 0}) {
        Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        expectCursor(tab, cursors[tab]);
    }

    // Without a list it does nothing.
    for (int i = 2; i >= 0; --i)
        ASSERT_TRUE(Program().CloseList(i));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Program().CurrentListIndex(), -1);
    EXPECT_FALSE(Grid().isVisible());
}

TEST_F(MainForm, AltASelectsAllLinesOfTheFocusedFilterListOnly) {
    TProject& list = OpenList(SampleList());
    QListWidget* const lists[3] = {Tours(), Sources(), Media()};
    const std::vector<int> chosen[3] = {{BandLine("Ironwood")}, {1 + 4}, {1 + 1}};
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < 3; ++j)
            ClickLine(lists[j], chosen[j][0]);
        Focus(lists[k]);
        Key(Qt::Key_A, Qt::AltModifier);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(Lines(lists[j]), j == k ? Lines(lists[j], true) : chosen[j]) << k << " " << j;
        ExpectRows(list, [k](const TBootData& r) {
            return (k == 0 || r.Band == "Ironwood") && (k == 1 || r.Source == 4) && (k == 2 || r.Media == 1);
        });
    }

    // With the grid focused only the refresh runs: the lists stay as they
    // are and are read back, and no change by the user is marked.
    const int ironwood = BandLine("Ironwood");
    ClickLine(Tours(), ironwood);
    {
        const QSignalBlocker quiet(Tours());
        Tours()->item(BandLine("Static Harbour"))->setSelected(true); // unseen by the program so far
    }
    Focus(&Grid());
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Lines(Tours()), std::vector<int>({ironwood, BandLine("Static Harbour")}));
    EXPECT_EQ(Lines(Media()), Lines(Media(), true));
    EXPECT_TRUE(list.Saved);
    ExpectRows(
        list, [](const TBootData& r) { return (r.Band == "Ironwood" || r.Band == "Static Harbour") && r.Source == 4; });
}

TEST_F(MainForm, ClosingWithAnEditedListAsksAndWritesTheSettings) {
    const std::string bytes = FileBytes(SampleList());
    TArrayOfBootData edited;
    const auto editAndClose = [&](int answer) {
        if (Program().Lists.empty()) {
            edited = OpenList(SampleList()).Data;
            edited[0].City = "Elsewhere";
            TypeIntoCell(Col(tcCity), 1, QStringLiteral("Elsewhere"));
        }
        Messages.clear();
        Answers.push_back(answer);
        const bool closed = W->close();
        EXPECT_EQ(Messages.size(), 1u);
        EXPECT_EQ(std::make_tuple(Messages.at(0).Text, Messages.at(0).Kind, Messages.at(0).Buttons),
                  std::make_tuple(std::string("Save changes in list \"Sample list\"?"), Msg::Confirmation,
                                  Msg::Yes | Msg::No | Msg::Cancel));
        EXPECT_EQ(W->isVisible(), !closed);
        return closed;
    };
    ASSERT_FALSE(editAndClose(Msg::ResultCancel));
    ASSERT_EQ(Program().Lists.size(), 1u);
    EXPECT_EQ(W->MainTab().count(), 1);
    EXPECT_FALSE(Program().Lists[0]->Saved);
    EXPECT_EQ(Program().Lists[0]->Data[0].City, "Elsewhere");

    ASSERT_TRUE(editAndClose(Msg::ResultNo));
    EXPECT_EQ(FileBytes(SampleList()), bytes);
    EXPECT_TRUE(StoredInt("RollupWidth").has_value());

    Start();
    ASSERT_TRUE(editAndClose(Msg::ResultYes));
    TProject saved;
    saved.FileName = SampleList();
    ASSERT_TRUE(saved.Load().Ok());
    EXPECT_EQ(AllBytes(saved.Data), AllBytes(edited));
    EXPECT_TRUE(Program().Lists.empty());
}

// Lists and tour files written by older programs hold 8-bit texts: shown in
// the chosen page, and written back as they were unless the user typed.
TEST_F(MainForm, LegacyTextsShowInTheChosenPageAndKeepTheirBytes) {
    const std::string lodz = "\xA3\xF3"
                             "d\x9F"; // Łódź in Windows-1250
    const auto qt = [](const char* utf8) { return QString::fromUtf8(utf8); };
    TProject written;
    written.FileName = Path("Lists/Legacy.kvu");
    TBootData first;
    first.Band = first.City = lodz;
    written.Data.push_back(first);
    for (int b = 0x80; b <= 0xFF; ++b) {
        TBootData record;
        record.Band = "Bytes";
        record.City = std::string(1, static_cast<char>(b));
        record.Comment = "<" + record.City + ">";
        written.Data.push_back(record);
    }
    ASSERT_TRUE(written.Save().Ok);
    QFile tours(QString::fromStdString(Path("Tours/Legacy.txt")));
    ASSERT_TRUE(tours.open(QIODevice::WriteOnly));
    tours.write(("|||||" + lodz + " Tour|2000.01.01|2000.12.31\n").c_str());
    tours.close();
    Start();
    EXPECT_EQ(LegacyCodePage(), TCodePage::Windows1250);
    EXPECT_TRUE(W->CodePageActions().at(0)->isChecked());
    EXPECT_EQ(Tours()->item(BandLine("Legacy", lodz + " Tour"))->text(), qt("\u0141\u00F3d\u017A Tour"));

    TProject& list = OpenList(written.FileName);
    ASSERT_EQ(Grid().CountRows(), 129);
    Focus(&Grid());
    const auto editorText = [&](int32_t col, int32_t row) {
        Grid().Col = col;
        Grid().Row = row;
        Grid().ResetSelection();
        Key(Qt::Key_F2, Qt::NoModifier);
        const QString text = Grid().GridEdit().text();
        Key(Qt::Key_Return, Qt::NoModifier);
        return text;
    };
    EXPECT_EQ(editorText(Col(tcBand), 1), qt("\u0141\u00F3d\u017A"));
    for (int32_t row = 1; row <= 129; ++row)
        for (int32_t col : {Col(tcCity), Col(tcComment)})
            editorText(col, row);
    ClickCell(Col(tcQuality), 1);
    TypeWithoutEnter(QStringLiteral("A"));
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, qt("\u00F3"));
    QApplication::sendEvent(&Grid().GridEdit(), &accented);
    Key(Qt::Key_Return, Qt::NoModifier);
    written.Data[0].Quality = "A\xC3\xB3"; // typed text is UTF-8
    Run(TActionId::cmSave);
    EXPECT_TRUE(list.Saved);
    const auto expectFileAsWritten = [&] {
        TProject saved;
        saved.FileName = written.FileName;
        ASSERT_TRUE(saved.Load().Ok());
        EXPECT_EQ(AllBytes(saved.Data), AllBytes(written.Data));
    };
    expectFileAsWritten();

    // The Options menu offers the pages; the choice shows at once and persists.
    QMenu* options = nullptr;
    for (QAction* menu : W->menuBar()->actions())
        if (menu->text() == QStringLiteral("&Options"))
            options = menu->menu();
    ASSERT_NE(options, nullptr);
    ASSERT_EQ(options->actions().size(), 1);
    ASSERT_EQ(options->actions()[0]->menu()->actions().size(), static_cast<qsizetype>(CodePages().size()));
    const size_t cyrillic = 4;
    ASSERT_EQ(CodePages()[cyrillic].Page, TCodePage::Windows1251);
    options->actions()[0]->menu()->actions()[cyrillic]->trigger();
    EXPECT_TRUE(W->CodePageActions()[cyrillic]->isChecked());
    EXPECT_FALSE(W->CodePageActions()[0]->isChecked());
    EXPECT_EQ(Tours()->item(BandLine("Legacy", lodz + " Tour"))->text(), qt("\u0408\u0443d\u045F Tour"));
    EXPECT_EQ(editorText(Col(tcCity), 1), qt("\u0408\u0443d\u045F"));
    EXPECT_EQ(editorText(Col(tcQuality), 1), qt("A\u00F3")); // UTF-8 whatever the page
    Run(TActionId::cmSave);
    expectFileAsWritten();
    ASSERT_TRUE(W->close());
    EXPECT_EQ(StoredInt("LegacyCodePage"), 1251);
    SetLegacyCodePage(kDefaultCodePage);
    Start();
    EXPECT_EQ(LegacyCodePage(), TCodePage::Windows1251);
    EXPECT_TRUE(W->CodePageActions()[cyrillic]->isChecked());
    SetLegacyCodePage(kDefaultCodePage);
}

TEST_F(MainForm, WidthsSurviveTheOtherLayoutAndTheNextStart) {
    OpenList(SampleList());
    ASSERT_EQ(Col(tcBand), 1);
    const int32_t designDate = Grid().Column(Col(tcDate)).Width;
    const int32_t wide = Grid().Column(1).Width + 80;
    Drag(Grid().viewport(), QPoint(Grid().Column(1).Right + Grid().HeadingWidth() - ScrollOffsetX(Grid()), 20),
         Grid().Column(1).Right + Grid().HeadingWidth() - ScrollOffsetX(Grid()) + 80);
    ASSERT_EQ(Grid().Column(1).Width, wide);
    EXPECT_EQ(W->TemplateGrid().Column(tcBand).Width, wide);

    // The panel starts at the stored width (the default when none is stored); its
    // edge changes it, for this run and the next. A press away from the edge drags nothing.
    const int panel = Panel().width();
    EXPECT_EQ(panel, kDefaultRollupWidth);
    Drag(&Panel(), QPoint(panel - 1, 300), panel + 50);
    EXPECT_EQ(Panel().width(), panel + 50);
    Drag(&Panel(), QPoint(panel + 20, 300), panel + 100);
    EXPECT_EQ(Panel().width(), panel + 50);
    ASSERT_EQ(Program().RollupWidth, panel + 50);

    // A list with search results shows the Search column first and keeps the widened column.
    TProject& results = OpenList(SampleList());
    for (size_t i = 0; i < results.Data.size(); ++i)
        results.Data[i].SearchText = "hit " + std::to_string(i);
    results.SearchColumn = true;
    Key(Qt::Key_Tab);
    ASSERT_EQ(Grid().ColCount(), kTemplateColumns - 1);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Grid().ColCount(), kTemplateColumns);
    ASSERT_EQ(Col(tcBand), 2);
    EXPECT_EQ(Grid().Column(2).Width, wide);
    EXPECT_EQ(Grid().Column(Col(tcDate)).Width, designDate);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Grid().ColCount(), kTemplateColumns - 1);
    EXPECT_EQ(Grid().Column(1).Width, wide);

    ASSERT_TRUE(W->close());
    EXPECT_EQ(StoredInt("GridWitdh2"), wide);
    EXPECT_EQ(StoredInt("GridWitdh1"), W->TemplateGrid().Column(tcSearch).Width);
    EXPECT_EQ(StoredInt("GridWitdh3"), designDate);
    EXPECT_EQ(StoredInt("RollupWidth"), panel + 50);

    Start();
    EXPECT_EQ(W->TemplateGrid().Column(tcBand).Width, wide);
    EXPECT_EQ(Panel().width(), panel + 50);
    OpenList(SampleList());
    EXPECT_EQ(Grid().Column(1).Width, wide);
    EXPECT_EQ(Grid().Column(2).Width, designDate);

    // A stored width wider than the window leaves room for the grid, and is
    // kept for a wider window.
    ASSERT_TRUE(W->close());
    Settings.Values["RollupWidth"] = 5000;
    Start();
    EXPECT_EQ(Panel().width(), kMainWindowSize.Width - 100);
    EXPECT_EQ(Program().RollupWidth, 5000);
}

TEST_F(MainForm, TextBeingTypedWhenTheTabChangesStaysWithItsList) {
    TProject& first = OpenList(SampleList());
    TProject& second = OpenList(SampleList());
    const TArrayOfBootData secondBefore = second.Data;
    W->MainTab().setCurrentIndex(0);
    ClickCell(Col(tcBand), 3);
    TypeWithoutEnter(QStringLiteral("Typed"));
    // The tab bar takes no focus: the editor is still open when the tab changes.
    W->MainTab().setCurrentIndex(1);
    EXPECT_EQ(first.Data[static_cast<size_t>(first.View[2])].Band, "Typed");
    EXPECT_FALSE(first.Saved);
    EXPECT_EQ(AllBytes(second.Data), AllBytes(secondBefore));
    EXPECT_TRUE(second.Saved);
    EXPECT_EQ(Grid().GetCellString(Col(tcBand), 3), second.Data[2].Band);
}

TEST_F(MainForm, DeleteAndFindConcertStopWhenStoringTheTypedTextMovesTheRows) {
    TProject& list = OpenList(SampleList());
    ClickLine(Tours(), BandLine("Ironwood"));
    const size_t records = list.Data.size();
    for (Qt::Key key : {Qt::Key_D, Qt::Key_I}) {
        SCOPED_TRACE(key);
        const size_t edited = static_cast<size_t>(list.View[2]), below = static_cast<size_t>(list.View[3]);
        list.Data[below].City.clear(); // find concert would fill it in
        W->SetValues();
        const std::string belowBytes = RecordBytes(list.Data[below]);
        ClickCell(Col(tcBand), 3);
        TypeWithoutEnter(QStringLiteral("Another band"));
        Key(key);
        // The edited row left the filter; the record that moved up is left alone.
        EXPECT_EQ(list.Data.size(), records);
        EXPECT_EQ(list.Data[edited].Band, "Another band");
        EXPECT_EQ(static_cast<size_t>(list.View[2]), below);
        EXPECT_EQ(RecordBytes(list.Data[below]), belowBytes);
    }

    // Without such a move the typed text is stored and the row deleted.
    ClickCell(Col(tcCity), 2);
    TypeWithoutEnter(QStringLiteral("Elsewhere"));
    Key(Qt::Key_D);
    EXPECT_EQ(list.Data.size(), records - 1);
}

TEST_F(MainForm, NoTextOfTheOtherLayoutLingersInListAndMarkCells) {
    OpenList(SampleList());
    TProject& results = OpenList(SampleList());
    for (TBootData& r : results.Data)
        r.SearchText = "hit";
    results.SearchColumn = true;
    W->MainTab().setCurrentIndex(0);
    W->MainTab().setCurrentIndex(1);
    W->MainTab().setCurrentIndex(0);
    ASSERT_EQ(Grid().ColCount(), 13);
    for (int32_t column : {tcSource, tcMedia, tcCover, tcInfo})
        for (int32_t y = 1; y <= Grid().CountRows(); ++y)
            ASSERT_EQ(Grid().Cell(Col(column), y).S, "") << column << " " << y;
}

// True when the inside of cell (x, y) holds nothing but its background.
bool BlankCell(TExcelGrid2& grid, const QImage& shot, int32_t x, int32_t y) {
    const TRect r = CellRect(grid, x, y);
    const QColor background = shot.pixelColor(r.Left + 2, r.Top + 2);
    for (int py = r.Top + 2; py < r.Bottom - 2; ++py)
        for (int px = r.Left + 2; px < r.Right - 2; ++px)
            if (shot.pixelColor(px, py) != background)
                return false;
    return true;
}

// A list file may hold any 32-bit code; under the sanitizers a name looked up
// with overflowing arithmetic fails here.
TEST_F(MainForm, CodesOutsideTheirRangePaintNoNameInCellsAndDropDowns) {
    const int32_t codes[] = {INT32_MIN, -1, 6, 17, 21, INT32_MAX};
    TProject written;
    written.FileName = Path("Lists/Codes.kvu");
    for (int32_t code : codes) {
        TBootData record;
        record.Band = "Band";
        record.Source = code;
        record.Media = code;
        written.Data.push_back(record);
    }
    written.Data[4].Source = 1; // a name beside the media code 21, which must not take a source name
    ASSERT_TRUE(written.Save().Ok);
    W->resize(1600, 800); // every column on the screen
    TProject& list = OpenList(written.FileName);
    ASSERT_EQ(Grid().CountRows(), 6);
    ASSERT_LT(CellRect(Grid(), Col(tcMedia), 6).Right, Grid().viewport()->width());
    const QImage shot = Grid().viewport()->grab().toImage();
    for (int32_t row = 1; row <= 6; ++row) {
        const TBootData& record = list.Data[static_cast<size_t>(row - 1)];
        EXPECT_EQ(Grid().GetCellInteger(Col(tcMedia), row), codes[row - 1]) << row;
        EXPECT_EQ(BlankCell(Grid(), shot, Col(tcSource), row), !IsSourceCode(record.Source)) << row;
        EXPECT_EQ(BlankCell(Grid(), shot, Col(tcMedia), row), !IsMediaCode(record.Media)) << row; // 6 is "MD"
    }

    // The drop-down of such a cell opens, paints its names and marks none.
    for (int32_t column : {tcSource, tcMedia}) {
        Select(Col(column), 6);
        Focus(&Grid());
        QTest::keyClick(&Grid(), Qt::Key_Return);
        QWidget& dropDown = Grid().GridListBox();
        ASSERT_TRUE(dropDown.isVisible()) << column;
        dropDown.grab();
        QTest::keyClick(&dropDown, Qt::Key_Escape);
    }
    EXPECT_EQ(list.Data[5].Source, INT32_MAX);
    EXPECT_TRUE(list.Saved);
}

TEST_F(MainForm, TheWindowGoesDownSafelyWithAnEditorOpenAndAFilterSelected) {
    OpenList(SampleList());
    ClickLine(Tours(), BandLine("Ironwood"));
    ClickCell(Col(tcCity), 2);
    TypeWithoutEnter(QStringLiteral("Half typed"));
    // Under the sanitizers a late signal or commit into freed parts fails here.
    Window.reset();
    W = nullptr;
}

TEST_F(MainForm, HostileStoredPlacementsGiveAVisibleUsableWindow) {
    const TScreenSize screen = W->VirtualScreenSize();
    for (auto values : {std::make_tuple(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX),
                        std::make_tuple(5000, 5000, 5780, 5580), std::make_tuple(0, 0, INT32_MAX, INT32_MAX),
                        // Narrower than the window can be, at the right edge.
                        std::make_tuple(screen.Width - 54, 10, screen.Width, 400)}) {
        Settings.Values["MainLeft"] = std::get<0>(values);
        Settings.Values["MainTop"] = std::get<1>(values);
        Settings.Values["MainRight"] = std::get<2>(values);
        Settings.Values["MainBottom"] = std::get<3>(values);
        Start();
        // The window manager may move it by its frame; it stays no larger
        // than the screen and nearly all of it on the screen.
        const QRect shown = W->geometry();
        const QRect onScreen = shown.intersected(QRect(0, 0, screen.Width, screen.Height));
        EXPECT_LE(shown.width(), screen.Width);
        EXPECT_LE(shown.height(), screen.Height);
        EXPECT_GE(onScreen.width(), shown.width() - 10) << shown.x();
        EXPECT_GE(onScreen.height(), shown.height() - 10) << shown.y();
        W->close();
        EXPECT_LE(*StoredInt("MainRight") - *StoredInt("MainLeft"), screen.Width);
        EXPECT_GE(*StoredInt("MainLeft"), 0);
    }
}

using MainFormListCommands = TMainWindowFixture;

TEST_F(MainFormListCommands, AddAndDeleteKeepACurrentRowInTheFilteredView) {
    Open();
    const size_t before = L->Data.size();
    ClickLine(Panel().SourceLB(), 2); // only the source of code 1
    ShowBand("Ironwood");
    Focus(&Grid());
    Key(Qt::Key_A);
    ASSERT_EQ(L->Data.size(), before + 1);
    EXPECT_EQ(RecordBytes(L->Data.back()), RecordBytes(TBootData{}));
    EXPECT_FALSE(L->Saved);
    EXPECT_TRUE(Program().Filter.AllBands); // an empty band would be filtered out
    EXPECT_EQ(std::count(L->View.begin(), L->View.end(), static_cast<int32_t>(before)), 0);
    ClickLine(Panel().SourceLB(), 0);
    Grid().Row = 1;
    QTest::mouseClick(W->ToolBar().widgetForAction(W->Action(TActionId::cmAdd)), Qt::LeftButton);
    ASSERT_EQ(Rows(), static_cast<int32_t>(before + 2));
    EXPECT_EQ(L->View.back(), static_cast<int32_t>(before + 1));
    EXPECT_EQ(Grid().Selection, (TGridRect{Grid().Col, Rows(), Grid().Col, Rows()}));
    EXPECT_EQ(Grid().Row, Rows());

    ShowBand("Ironwood");
    L->Saved = true;
    const auto without = [&](std::vector<int32_t> rows) {
        std::vector<std::string> kept;
        for (size_t i = 0; i < L->Data.size(); ++i)
            if (std::none_of(rows.begin(), rows.end(), [&](int32_t r) { return L->View[size_t(r - 1)] == int(i); }))
                kept.push_back(RecordBytes(L->Data[i]));
        return kept;
    };
    std::vector<std::string> wanted = without({2, 3});
    Focus(&Grid());
    Select(1, 3, 2); // corners in either order
    Key(Qt::Key_D);
    EXPECT_EQ(AllBytes(L->Data), wanted);
    EXPECT_FALSE(L->Saved);
    wanted = without({Rows() - 1, Rows()});
    Select(2, Rows(), Rows() - 1);
    Run(TActionId::cmDelete);
    EXPECT_EQ(AllBytes(L->Data), wanted);
    EXPECT_EQ(Grid().Row, Rows());
    EXPECT_EQ(Grid().Selection, (TGridRect{2, Rows(), 2, Rows()}));
    EXPECT_TRUE(Messages.empty()); // nothing is asked
}

// A list opened or made shows its first rows and columns, whatever another
// tab had scrolled to; each tab keeps its own place.
TEST_F(MainFormListCommands, AListOpenedOrMadeStartsAtTheTopLeftAndEachTabKeepsItsPlace) {
    W->resize(W->minimumSize());
    Open();
    Key(Qt::Key_End);
    ASSERT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Grid().ColCount(), Rows()));
    const int32_t top = Grid().TopRow, left = Grid().LeftCol;
    ASSERT_GT(top, 1);
    ASSERT_GT(left, 1);
    TProject small;
    small.FileName = Path("Lists/Four.kvu");
    small.Data.assign(4, L->Data[0]);
    ASSERT_TRUE(small.Save().Ok);
    const auto expectTopLeft = [&](const char* what) {
        EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row, Grid().TopRow, Grid().LeftCol, Grid().Selection),
                  std::make_tuple(1, 1, 1, 1, TGridRect{1, 1, 1, 1}))
            << what;
    };
    OpenList(small.FileName);
    expectTopLeft("opened");
    Key(Qt::Key_N);
    expectTopLeft("new");
    Clip->Content = "Band A\t2001.01.01\r\nBand B\t2001.01.02\r\n";
    Key(Qt::Key_V);
    TProject& fresh = *Program().Lists.back();
    ASSERT_EQ(fresh.Data.size(), 2u);
    EXPECT_EQ(fresh.Data[1].Band + "|" + fresh.Data[1].Date, "Band B|2001.01.02");
    Key(Qt::Key_Tab); // round to the first list
    EXPECT_EQ(std::make_tuple(Grid().TopRow, Grid().LeftCol), std::make_tuple(top, left));
    Key(Qt::Key_Home);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(1, 1));
    Key(Qt::Key_End);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Grid().ColCount(), Rows()));
}

// Typing a new bootleg as in a spreadsheet: Tab stores the cell and goes on.
TEST_F(MainFormListCommands, TabStoresTheTypedCellAndGoesOnToTheNextColumn) {
    Open();
    Select(Col(tcComment), 3);
    Key(Qt::Key_A);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(Col(tcBand), Rows()));
    TypeWithoutEnter(QStringLiteral("Ironwood"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Tab);
    TypeWithoutEnter(QStringLiteral("2001.01.01"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Return);
    EXPECT_EQ(L->Data.back().Band + "|" + L->Data.back().Date, "Ironwood|2001.01.01");
    TypeWithoutEnter(QStringLiteral("Oslo"));
    QTest::keyClick(&Grid().GridEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(L->Data.back().Date, "Oslo");
    EXPECT_EQ(Grid().Col, Col(tcBand));
    EXPECT_TRUE(Grid().hasFocus());
    // At the end of a row Tab goes on to the next one.
    Select(Grid().ColCount(), 1);
    Key(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(std::make_tuple(Grid().Col, Grid().Row), std::make_tuple(1, 2));
    EXPECT_TRUE(Grid().hasFocus());
}

// The pop-up from the keyboard opens at the cursor, where the user looks.
TEST_F(MainFormListCommands, TheGridPopUpOpensAtTheCellFromTheKeyboardAndAtThePointerOnAClick) {
    const std::vector<TActionId> windows = {TActionId::cmConcerts, TActionId::cmCompare, TActionId::cmExport};
    for (TActionId id : windows)
        EXPECT_FALSE(W->Action(id)->isEnabled()) << int(id); // no list yet
    Open();
    for (TActionId id : windows)
        EXPECT_TRUE(W->Action(id)->isEnabled()) << int(id);
    QMenu& menu = *W->GridMenu();
    EXPECT_TRUE(menu.actions().contains(W->Action(TActionId::cmSortAZ)));
    const auto expectOpenAt = [&](QPoint global, const char* how) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); })) << how;
        EXPECT_EQ(menu.pos(), global) << how;
        menu.hide();
    };
    Select(Col(tcCity), 5);
    const TRect cell = CellRect(Grid(), Col(tcCity), 5);
    const QPoint atCell =
        Grid().viewport()->mapToGlobal(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
    Key(Qt::Key_F10, Qt::ShiftModifier);
    expectOpenAt(atCell, "Shift+F10");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0), Grid().mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(&Grid(), &menuKey);
    expectOpenAt(atCell, "the Menu key");
    const QPoint pointer(40, 90);
    QContextMenuEvent click(QContextMenuEvent::Mouse, pointer, Grid().viewport()->mapToGlobal(pointer));
    QApplication::sendEvent(Grid().viewport(), &click);
    expectOpenAt(Grid().viewport()->mapToGlobal(pointer), "a right click");
}

TEST_F(MainFormListCommands, SortGoesByTheCursorColumnBehindTheSearchColumn) {
    Open();
    for (size_t i = 0; i < L->Data.size(); ++i)
        L->Data[i].SearchText = std::to_string((i * 7) % 11) + "hit";
    L->SearchColumn = true;
    W->SetValues();
    for (TActionId id : {TActionId::cmSortAZ, TActionId::cmSortZA}) {
        TArrayOfBootData wanted = L->Data;
        std::stable_sort(wanted.begin(), wanted.end(),
                         [](const TBootData& a, const TBootData& b) { return a.City < b.City; });
        if (id == TActionId::cmSortZA)
            std::reverse(wanted.begin(), wanted.end());
        Grid().Col = Col(tcCity);
        Run(id);
        ASSERT_EQ(AllBytes(L->Data), AllBytes(wanted));
        for (int32_t r = 1; r <= Rows(); ++r)
            ASSERT_EQ(Grid().GetCellString(Col(tcNum), r), wanted[size_t(r - 1)].Num) << "row " << r;
    }
}

TEST_F(MainFormListCommands, FindAsksForATextOnlyWhenNeededAndMovesTheCursor) {
    Open();
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
    typed = "hamBURG";
    Select(1, Rows());
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(std::make_tuple(asked, offered, Program().SearchString), std::make_tuple(1, std::string(), typed));
    EXPECT_EQ(Grid().Selection, (TGridRect{Col(tcCity), hamburg, Col(tcCity), hamburg}));
    EXPECT_EQ(Grid().Col, Col(tcCity));
    Select(1, 1);
    Key(Qt::Key_F3, Qt::NoModifier);
    EXPECT_EQ(std::make_pair(asked, Grid().Row), std::make_pair(1, hamburg));

    answer = false;
    typed = "leiden";
    Select(1, 2);
    Key(Qt::Key_F);
    EXPECT_EQ(std::make_tuple(asked, offered, Program().SearchString, Grid().Row),
              std::make_tuple(2, std::string("hamBURG"), std::string("hamBURG"), 2));
    answer = true;
    Run(TActionId::cmFind);
    EXPECT_EQ(std::make_pair(asked, Grid().Row), std::make_pair(3, RowOfNum("046")));
}

TEST_F(MainFormListCommands, FindConcertWritesThroughToTheRecords) {
    // A tour of the band of record 046, placing its date elsewhere than the record does.
    {
        QFile tours(QString::fromStdString(Path("Tours/Unknown band.txt")));
        ASSERT_TRUE(tours.open(QIODevice::WriteOnly));
        tours.write(
            "# Unknown band\r\n|||||Club Tour|1990.06.01|1990.06.30\r\n1990.06.01|Fri|Utrecht|Nederland|Tivoli\r\n");
    }
    Start(); // reads the tour files
    Open();
    const size_t unknown = IndexOfNum("046");
    ASSERT_EQ(L->Data[unknown].Date, "1990.06.01");
    std::vector<std::string> wanted = AllBytes(L->Data);
    TBootData filled = L->Data[unknown];
    filled.City = "Utrecht";
    filled.Country = "Nederland";
    filled.Venue = "Tivoli";
    wanted[unknown] = RecordBytes(filled);
    Select(1, RowOfNum("046"));
    Key(Qt::Key_I);
    EXPECT_EQ(AllBytes(L->Data), wanted);
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(Grid().GetCellString(Col(tcVenue), RowOfNum("046")), "Tivoli");

    // Nothing found to change keeps the list saved.
    L->Saved = true;
    Run(TActionId::cmFindConcert);
    EXPECT_EQ(AllBytes(L->Data), wanted);
    EXPECT_TRUE(L->Saved);
}

TEST_F(MainFormListCommands, CoverAndInfoTravelThroughTheClipboardTextAndCutChangesNothing) {
    Open();
    Shown(1).Covers = {"front.jpg", ""};
    Shown(1).Info = "one\ttwo\r\nthree\nfour";
    W->SetValues();
    const std::vector<std::string> before = AllBytes(L->Data);
    Select(Col(tcCover), 1);
    Key(Qt::Key_X);
    Run(TActionId::cmClipboardCut);
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_EQ(Clip->Writes, 0);
    Key(Qt::Key_C);
    EXPECT_EQ(Clip->Content, "front.jpg[---]\r\n");
    Select(Col(tcInfo), 1);
    Run(TActionId::cmClipboardCopy);
    EXPECT_EQ(Clip->Content, "\"one[TAB]two[CR]three\nfour\"\r\n"); // a lone LF stays: quoted
    ASSERT_TRUE(L->Saved);
    Select(Col(tcInfo), 2);
    Key(Qt::Key_V);
    EXPECT_EQ(Shown(2).Info, "one\ttwo\r\nthree\nfour");
    EXPECT_FALSE(L->Saved);

    // With the Search column in front, the Cover cell still takes the covers.
    Shown(2).SearchText = "found";
    L->SearchColumn = true;
    W->SetValues();
    Clip->Content = "a.jpg[---]b.jpg\r\n";
    Select(Col(tcCover), 2);
    Run(TActionId::cmClipboardPaste);
    EXPECT_EQ(Shown(2).Covers, (std::array<std::string, 2>{"a.jpg", "b.jpg"}));
}

// Counts the paints of a widget.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
    int Paints = 0;
};

TEST_F(MainFormListCommands, SavingUnderANewNameShowsItAtOnceAndLeavesTheHistory) {
    Open();
    TPaintCounter title(W->TitleBar());
    const auto saveAs = [&](TActionId command, const std::string& path) {
        QApplication::processEvents();
        title.Paints = 0;
        DialogPaths.push_back(path);
        Run(command);
        QApplication::processEvents();
        EXPECT_TRUE(DialogPaths.empty());
        EXPECT_EQ(Program().CurrentList()->FileName, path);
        EXPECT_GE(title.Paints, 1) << path; // the title bar draws the name at every paint
    };
    saveAs(TActionId::cmSaveAs, Path("Lists/Renamed.kvu"));
    EXPECT_EQ(W->MainTab().tabText(0), QStringLiteral("Renamed"));

    Key(Qt::Key_N);
    saveAs(TActionId::cmSave, Path("Lists/Fresh.kvu"));
    EXPECT_EQ(W->MainTab().tabText(1), QStringLiteral("Fresh"));

    // Only opening a file enters it in the history.
    EXPECT_EQ(Program().History.Entry(1), SampleList());
    EXPECT_EQ(Program().History.Entry(2), "");
    EXPECT_TRUE(Messages.empty());
    ASSERT_TRUE(Program().CloseList(1));
    OpenList(Path("Lists/Fresh.kvu"));
    EXPECT_EQ(Program().History.Entry(1), Path("Lists/Fresh.kvu"));
}

// Enter on a Cover or Info cell opens its window; what Ok changed reaches the
// record and marks the list unsaved, a Cancel or an unchanged Ok nothing.
TEST_F(MainFormListCommands, CoverAndInfoWindowsEditTheRecordAndMarkTheListUnsaved) {
    Open();
    Shown(1).Covers = {"front.jpg", "back.jpg"};
    Shown(1).Info = "old\r\ntext";
    W->SetValues();
    std::function<int(QDialog&)> script;
    W->WindowHook = [&](QDialog& window) { return script(window); };

    script = [](QDialog& window) {
        auto* cover = dynamic_cast<TCoverForm*>(&window);
        EXPECT_NE(cover, nullptr);
        if (cover) {
            EXPECT_EQ(cover->CoverNames[0], "front.jpg");
            cover->CoverNames[1] = "other.jpg"; // what the window would hand back
        }
        return 2;
    };
    Select(Col(tcCover), 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Covers[1], "back.jpg");
    EXPECT_TRUE(L->Saved);

    script = [](QDialog& window) {
        window.show();
        window.done(1);
        return 1;
    };
    QTest::keyClick(&Grid(), Qt::Key_F2);
    EXPECT_TRUE(L->Saved) << "an Ok that changed nothing keeps the list saved";

    script = [](QDialog& window) {
        auto& cover = static_cast<TCoverForm&>(window);
        cover.show();
        cover.FileList().setCurrentRow(1);
        cover.ClearSelected();
        cover.done(1);
        return 1;
    };
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Covers, (std::array<std::string, 2>{"front.jpg", ""}));
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo edit of 1 cell");
    Key(Qt::Key_Z);
    EXPECT_EQ(Shown(1).Covers[1], "back.jpg");
    EXPECT_TRUE(L->Saved) << "undone back to the state on the disk";
    Key(Qt::Key_Y);
    EXPECT_EQ(Shown(1).Covers[1], "");

    L->Saved = true;
    script = [](QDialog& window) {
        auto* info = dynamic_cast<TInfoForm*>(&window);
        EXPECT_NE(info, nullptr);
        if (!info)
            return 2;
        EXPECT_EQ(info->Text(), "old\r\ntext");
        info->Execute(TInfoActionId::cmNew);
        return 1;
    };
    Select(Col(tcInfo), 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Shown(1).Info, "");
    EXPECT_FALSE(L->Saved);
}

TColor CellColor(TExcelGrid2& grid, int32_t x, int32_t y, TColor start = 0) {
    bool change = start != 0;
    grid.OnCellColor(grid, start, change, x, y);
    EXPECT_TRUE(change);
    return start;
}

TEST_F(MainFormListCommands, CellColoursFollowTheColumnBehindTheGridColumn) {
    Open();
    Shown(2).SearchHits = 2;
    L->SearchColumn = true;
    W->SetValues();
    const TColor selection = JoinRgb(0x3C, 0xF0, 0x0F);
    EXPECT_EQ(CellColor(Grid(), Col(tcBand), 6), JoinRgb(240, 240, 240));
    EXPECT_EQ(CellColor(Grid(), Col(tcQuality), 5), JoinRgb(255, 255, 192));
    EXPECT_EQ(CellColor(Grid(), Col(tcCity), 2), JoinRgb(255, 144, 144));
    EXPECT_EQ(CellColor(Grid(), Col(tcMedia), 2), JoinRgb(239, 160, 160));
    EXPECT_EQ(CellColor(Grid(), Col(tcDate), 6, selection), selection & JoinRgb(240, 240, 176));
}

TEST_F(MainFormListCommands, SaveAsRenamesAndFailedSavesKeepTheList) {
    Open();
    const std::string renamed = Path("Lists/Renamed.kvu");
    Run(TActionId::cmAdd);
    DialogPaths.push_back(renamed);
    Run(TActionId::cmSaveAs);
    const auto expectNamed = [&](bool saved) {
        EXPECT_EQ(std::make_tuple(L->Saved, L->FileName, Program().History.Entry(1)),
                  std::make_tuple(saved, renamed, SampleList()));
        EXPECT_EQ(W->MainTab().tabText(0), saved ? QStringLiteral("Renamed") : QStringLiteral("Renamed*"));
    };
    EXPECT_TRUE(Messages.empty());
    expectNamed(true);
    TProject loaded;
    loaded.FileName = renamed;
    ASSERT_TRUE(loaded.Load().Ok());
    EXPECT_EQ(AllBytes(loaded.Data), AllBytes(L->Data));

    // A folder that is a file: even root cannot write there.
    const std::string sampleBytes = FileBytes(SampleList());
    const std::string impossible = SampleList() + "/inside.kvu";
    Run(TActionId::cmAdd);
    DialogPaths.push_back(impossible);
    Run(TActionId::cmSaveAs);
    ASSERT_EQ(Messages.size(), 1u) << Messages.back().Text;
    EXPECT_EQ(Messages[0].Kind, Msg::Error);
    for (const std::string& part : {impossible, std::string("could not be saved"), std::string("Not a directory")})
        EXPECT_NE(Messages[0].Text.find(part), std::string::npos) << Messages[0].Text;
    expectNamed(false);
    EXPECT_EQ(FileBytes(SampleList()), sampleBytes);

    // Save on a new list asks for the name, and fails the same way.
    Key(Qt::Key_N);
    TProject& fresh = *Program().Lists.back();
    Run(TActionId::cmAdd);
    DialogPaths.push_back(impossible);
    Key(Qt::Key_S);
    W->WaitForBackgroundWork();
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(std::make_tuple(Messages[1].Kind, fresh.FileName, fresh.Saved, Program().Lists.size()),
              std::make_tuple(Msg::Error, std::string(), false, size_t(2)));
    EXPECT_TRUE(DialogPaths.empty());
}

// Undo and redo from the keys, the menu and the tool bar.
using UndoWindow = TMainWindowFixture;

TEST_F(UndoWindow, CtrlZAfterADeleteBringsTheRowsBackAndTheCloseQuestionGoes) {
    Open();
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());
    const std::vector<std::string> before = AllBytes(L->Data);
    ShowBand("Ironwood");
    Focus(&Grid());
    const std::string third = Shown(3).Num;
    Select(Col(tcCity), 2, 3);
    Key(Qt::Key_D);
    ASSERT_EQ(L->Data.size(), before.size() - 2);
    EXPECT_FALSE(L->Saved);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo delete of 2 bootlegs");
    EXPECT_TRUE(W->Action(TActionId::cmUndo)->isEnabled());
    EXPECT_FALSE(W->Action(TActionId::cmRedo)->isEnabled());

    Key(Qt::Key_Z);
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_TRUE(L->Saved);
    EXPECT_EQ(Grid().Row, 2); // on the rows that came back, both selected
    EXPECT_EQ(Grid().Selection.Ordered(), (TGridRect{Col(tcCity), 2, Col(tcCity), 3}));
    EXPECT_EQ(Shown(3).Num, third);
    EXPECT_EQ(W->Action(TActionId::cmRedo)->text().toStdString(), "&Redo delete of 2 bootlegs");
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());

    Key(Qt::Key_Y);
    EXPECT_EQ(L->Data.size(), before.size() - 2);
    EXPECT_FALSE(L->Saved);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing left to redo
    EXPECT_EQ(L->Data.size(), before.size() - 2);
    QTest::mouseClick(W->ToolBar().widgetForAction(W->Action(TActionId::cmUndo)), Qt::LeftButton);
    EXPECT_EQ(AllBytes(L->Data), before);

    Run(TActionId::cmClose);
    EXPECT_TRUE(Messages.empty()); // back at the saved state: nothing to ask
    EXPECT_TRUE(Program().Lists.empty());
}

TEST_F(UndoWindow, EveryKindOfChangeIsOneStepAndASaveMovesTheSavedPoint) {
    Open();
    const std::vector<std::string> opened = AllBytes(L->Data);
    TypeIntoCell(Col(tcCity), 1, "Oslo");
    Select(Col(tcCity), 1);
    Run(TActionId::cmFindConcert);
    Grid().Col = Col(tcDate);
    Run(TActionId::cmSortZA);
    EXPECT_FALSE(L->Saved); // a new order is a change
    Run(TActionId::cmAdd);
    Clip->Content = "x\r\ny\r\n";
    Select(Col(tcComment), 1, 2);
    Run(TActionId::cmClipboardPaste);
    Select(Col(tcInfo), 3);
    Key(Qt::Key_Delete, {});
    const std::vector<std::string> changed = AllBytes(L->Data);
    EXPECT_EQ(L->UndoSteps.StepCount(), 6u) << "edit, find concert, sort, add, paste, delete of a cell";
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo edit of 1 cell");

    DialogPaths.push_back(Path("Lists/saved.kvu"));
    Run(TActionId::cmSaveAs);
    ASSERT_TRUE(L->Saved);
    for (int i = 0; i < 6; ++i)
        Key(Qt::Key_Z);
    EXPECT_EQ(AllBytes(L->Data), opened);
    EXPECT_FALSE(L->Saved); // the file now holds the changed list
    for (int i = 0; i < 6; ++i)
        Run(TActionId::cmRedo);
    EXPECT_EQ(AllBytes(L->Data), changed);
    EXPECT_TRUE(L->Saved);
}

TEST_F(UndoWindow, UndoShowsRowsTheFilterHidesAndPutsTheCursorOnTheChangedCell) {
    Open();
    ShowBand("Ironwood");
    Focus(&Grid());
    const std::string num = Shown(1).Num;
    TypeIntoCell(Col(tcBand), 1, "Elsewhere"); // the row leaves the view
    EXPECT_NE(Shown(1).Num, num);
    Key(Qt::Key_Z);
    EXPECT_FALSE(Program().Filter.AllBands); // back in the view it was in
    Key(Qt::Key_Y);
    EXPECT_TRUE(Program().Filter.AllBands);
    EXPECT_EQ(Shown(Grid().Row).Num, num);
    EXPECT_EQ(Grid().Col, Col(tcBand));

    // Deleted under one band, brought back while another is shown.
    ShowBand("Static Harbour");
    Focus(&Grid());
    const std::string gone = Shown(2).Num;
    Select(Col(tcDate), 2);
    Key(Qt::Key_D);
    ShowBand("Ironwood");
    Key(Qt::Key_Z);
    EXPECT_TRUE(Program().Filter.AllBands);
    EXPECT_EQ(Shown(Grid().Row).Num, gone);
    EXPECT_TRUE(Panel().TourLB()->item(0)->isSelected()); // the filter list agrees
}

TEST_F(UndoWindow, APasteRunningPastTheLastRowAddsBootlegsThatOneUndoRemoves) {
    Open();
    const std::vector<std::string> before = AllBytes(L->Data);
    Clip->Content = "Tail A\t2001.01.01\r\nTail B\t2001.01.02\r\nTail C\t2001.01.03\r\n";
    Select(Col(tcBand), Rows());
    Run(TActionId::cmClipboardPaste);
    ASSERT_EQ(L->Data.size(), before.size() + 2);
    EXPECT_EQ(L->Data.back().Band + "|" + L->Data.back().Date, "Tail C|2001.01.03");
    EXPECT_EQ(Shown(Rows()).Band, "Tail C");
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo paste");
    Run(TActionId::cmUndo);
    EXPECT_EQ(AllBytes(L->Data), before);
    EXPECT_TRUE(L->Saved);
}

TEST_F(UndoWindow, TheEditMenuStartsWithUndoAndRedoAndEachListHasItsOwnHistory) {
    Open();
    QMenu* edit = nullptr;
    for (QAction* menu : W->menuBar()->actions())
        if (menu->text() == "&Edit")
            edit = menu->menu();
    ASSERT_NE(edit, nullptr);
    ASSERT_GE(edit->actions().size(), 3);
    EXPECT_EQ(edit->actions()[0], W->Action(TActionId::cmUndo));
    EXPECT_EQ(edit->actions()[1], W->Action(TActionId::cmRedo));
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->icon().isNull());
    EXPECT_FALSE(W->Action(TActionId::cmRedo)->icon().isNull());

    Run(TActionId::cmAdd);
    EXPECT_TRUE(W->Action(TActionId::cmUndo)->isEnabled());
    Run(TActionId::cmNew);
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled()); // the new list has no steps
    Run(TActionId::cmUndo);
    Key(Qt::Key_Tab);
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo add of 1 bootleg");
    Answers = {Msg::ResultNo};
    Run(TActionId::cmCloseAll);
    ASSERT_TRUE(Program().Lists.empty());
    EXPECT_FALSE(W->Action(TActionId::cmUndo)->isEnabled());
    EXPECT_EQ(W->Action(TActionId::cmUndo)->text().toStdString(), "&Undo");
}

TEST_F(MainFormListCommands, RunningOutOfMemoryEndsOnlyTheCommandAndKeepsTheLists) {
    Open();
    Run(TActionId::cmAdd);
    const std::string sampleBytes = FileBytes(SampleList());
    const std::vector<std::string> records = AllBytes(L->Data);
    const std::string other = Path("Lists/Other.kvu");
    std::filesystem::copy_file(SampleList(), other);
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.OutOfMemory = true;
    // A save tells its own failure; it runs away from the command.
    const auto expectAbandoned = [&](const std::string& command) {
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0].Kind, Msg::Error);
        const std::string start = command == "Save" ? "The list could not be saved"
                                                    : "The command \"" + command + "\" could not be completed";
        EXPECT_NE(Messages[0].Text.find(start), std::string::npos) << Messages[0].Text;
        EXPECT_NE(Messages[0].Text.find("ran out of memory"), std::string::npos) << Messages[0].Text;
        ASSERT_EQ(Program().Lists.size(), 1u);
        EXPECT_EQ(AllBytes(L->Data), records);
        EXPECT_FALSE(L->Saved);
        EXPECT_EQ(FileBytes(SampleList()), sampleBytes);
        // The two lists and the open one's lock: no temporary file left.
        EXPECT_EQ(QDir(QString::fromStdString(Path("Lists"))).entryList(QDir::Files | QDir::Hidden).size(), 3);
        Messages.clear();
    };

    faulty.FailAt = TFaultyFileSystem::TStep::Write;
    faulty.BytesBeforeFailure = 100;
    Run(TActionId::cmSave);
    expectAbandoned("Save");

    faulty.FailAt = TFaultyFileSystem::TStep::Open;
    DialogPaths.push_back(other);
    Run(TActionId::cmOpen);
    expectAbandoned("Open");

    // Saving on the way out fails the same way and the window stays.
    faulty.FailAt = TFaultyFileSystem::TStep::Create;
    Answers.push_back(Msg::ResultYes);
    EXPECT_FALSE(W->close());
    ASSERT_EQ(Messages.size(), 2u);
    Messages.erase(Messages.begin()); // "Save changes in list?"
    expectAbandoned("Save");
    EXPECT_TRUE(W->isVisible());

    faulty.FailAt = TFaultyFileSystem::TStep::None;
    Run(TActionId::cmSave);
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(L->Saved);
}

} // namespace
