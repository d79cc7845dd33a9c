// The concerts window on the program of a real main window, over a Tours
// folder written for the test; the input box is scripted and the grid's
// clipboard kept in memory.

#include "controls/bitmaps/ImageList.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridLayout.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "support/QuietMainWindow.h"
#include "support/TempDir.h"
#include "support/TourFiles.h"
#include "ui/dialogs/ConcertsForm.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/TourLine.h"
#include "ui/main/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

namespace {

class TFakeClipboard : public IGridClipboard {
public:
    std::string Text() override { return Content; }
    void SetText(const std::string& text) override { Content = text; }
    std::string Content;
};

const std::string kLongVenue = std::string(150, 'L') + std::string(150, 'V');

// Lines of the box: 0 all, 1 ALPHA, 2 First, 3 Second, 4 BETA (no tours), 5 GAMMA, 6 Arena.
// Rows under "< all >": 1-3 Alpha First, 4-5 Alpha Second, 6-12 Gamma Arena.
class TConcertsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const TProgramFolders folders = MakeHomeWithAlphaAndBeta(Home.Path());
        std::string gamma = "|||||Arena|1995.01.01|1995.12.31\r\n";
        for (int i = 1; i <= 6; ++i)
            gamma += "1995.0" + std::to_string(i) + ".01|Sun|Town " + std::to_string(i) + "|Land|Hall\r\n";
        gamma += "1995.07.01|Sun|Paris|France|Paris-Bercy " + kLongVenue + "\r\n";
        WriteBytes(folders.ToursDir + "Gamma.txt", gamma);

        Main = MakeQuietMainWindow(Settings, folders);
        ASSERT_NE(Main, nullptr);
        SuppressHelpPopups(true);
    }

    void TearDown() override {
        Form.reset();
        if (Main)
            Main->Program().Lists.back()->Saved = true; // closes without asking
        Main.reset();
        SuppressHelpPopups(false);
    }

    TConcertsForm& Open() {
        Form = std::make_unique<TConcertsForm>(Main->Program(), Images, Main.get());
        Form->RefreshMainWindow = [this] { Main->SetValues(); };
        Form->AskFindText = [this](std::string& text) {
            Asked.push_back(text);
            if (Typed.empty())
                return false;
            text = Typed.front();
            Typed.pop_front();
            return true;
        };
        auto clipboard = std::make_unique<TFakeClipboard>();
        Clipboard = clipboard.get();
        Form->Grid().SetClipboard(std::move(clipboard));
        Form->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Form->Grid().setFocus();
        EXPECT_TRUE(QTest::qWaitFor([this] { return Form->Grid().hasFocus(); }));
        return *Form;
    }

    TExcelGrid2& Grid() { return Form->Grid(); }
    TProject& List() { return *Main->Program().Lists.back(); }

    void MoveTo(int32_t col, int32_t row) {
        Grid().Col = col;
        Grid().Row = row;
        Grid().ResetSelection();
    }

    std::string Column(int32_t x) {
        std::string texts;
        for (int32_t y = 1; y <= Grid().CountRows(); ++y)
            texts += Grid().Cell(x, y).S + ";";
        return texts;
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    TTempDir Home;
    TMemorySettingsStore Settings;
    TImageList Images;
    std::unique_ptr<TMainForm> Main;
    std::unique_ptr<TConcertsForm> Form;
    TFakeClipboard* Clipboard = nullptr;
    std::vector<std::string> Asked;
    std::deque<std::string> Typed;
};

using ConcertsForm = TConcertsFixture;

TEST_F(ConcertsForm, TheBoxChoosesAllABandOrATour) {
    Open();
    ASSERT_EQ(Form->TourCB().count(), 7);
    EXPECT_EQ(Form->TourCB().itemText(0), QStringLiteral(" < ALL > "));
    EXPECT_EQ(Form->TourCB().itemText(1), QStringLiteral("ALPHA"));
    EXPECT_EQ(Form->TourCB().itemText(2), QStringLiteral("First"));
    EXPECT_EQ(Form->TourCB().currentIndex(), 0);
    EXPECT_EQ(Grid().CountRows(), 12);
    EXPECT_EQ(Column(1), "Alpha;Alpha;Alpha;Alpha;Alpha;Gamma;Gamma;Gamma;Gamma;Gamma;Gamma;Gamma;");

    const struct {
        int Line;
        std::string Dates;
    } cases[] = {
        {1, "1990.02.01;1990.03.01;1990.04.01;1991.05.01;1991.06.01;"},
        {3, "1991.05.01;1991.06.01;"},
        {4, ""}, // a band without tours
        {6, "1995.01.01;1995.02.01;1995.03.01;1995.04.01;1995.05.01;1995.06.01;1995.07.01;"},
    };
    for (const auto& c : cases) {
        Form->TourCB().setCurrentIndex(c.Line);
        EXPECT_EQ(Column(2), c.Dates) << "line " << c.Line;
    }
    Form->TourCB().setCurrentIndex(2);
    EXPECT_EQ(Column(3), "PARIS;Lyon;Rome;");
    EXPECT_EQ(Column(4), "France;France;Italy;");
    EXPECT_EQ(Column(5), "Olympia;Transbordeur;Palaeur;");
}

TEST_F(ConcertsForm, TheChosenLineIsStoredOnClosingAndRestoredOnOpening) {
    Main->Program().ConcListIndex = 3;
    Open();
    EXPECT_EQ(Form->TourCB().currentIndex(), 3);
    EXPECT_EQ(Grid().CountRows(), 2);
    Form->TourCB().setCurrentIndex(5);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Main->Program().ConcListIndex, 5);

    Main->Program().ConcListIndex = 7; // one beyond the box
    Open();
    EXPECT_EQ(Form->TourCB().currentIndex(), -1);
    EXPECT_EQ(Grid().CountRows(), 0);
    Form->close();
    EXPECT_EQ(Main->Program().ConcListIndex, -1);
}

TEST_F(ConcertsForm, RowsArePaintedInBlocksOfFiveWithAYellowishDateColumn) {
    Open();
    MoveTo(5, 12); // the selection's colour stays out of the way
    Grid().repaint();
    const QImage image = Grid().viewport()->grab().toImage();
    auto painted = [&](int32_t x, int32_t y) {
        const TRect r = CellRect(Grid(), x, y);
        return ToTColor(image.pixelColor(r.Right - 3, r.Bottom - 3));
    };
    EXPECT_EQ(painted(1, 5), JoinRgb(255, 255, 255));
    EXPECT_EQ(painted(1, 6), JoinRgb(240, 240, 240));
    EXPECT_EQ(painted(4, 11), JoinRgb(255, 255, 255));
    EXPECT_EQ(painted(2, 5), JoinRgb(255, 255, 192));
    EXPECT_EQ(painted(2, 6), JoinRgb(240, 240, 176));
    EXPECT_EQ(painted(2, 11), JoinRgb(255, 255, 192));

    TColor selected = JoinRgb(0x3C, 0xF0, 0x0F);
    bool change = true;
    Grid().OnCellColor(Grid(), selected, change, 2, 6);
    EXPECT_EQ(selected, JoinRgb(0x3C, 0xF0, 0x0F) & JoinRgb(240, 240, 176));
}

TEST_F(ConcertsForm, FindIgnoresTheCaseOfAToZAndSkipsTheCurrentRow) {
    Open();
    Typed = {"paris"};
    Key(Qt::Key_F3); // no text yet: asks
    EXPECT_EQ(Asked, std::vector<std::string>{""});
    EXPECT_EQ(Form->FindText(), "paris");
    EXPECT_EQ(Grid().Row, 12);
    EXPECT_EQ(Grid().Col, 3); // "Paris" before "Paris-Bercy"

    Key(Qt::Key_F3); // with a text: at once, wrapping round
    EXPECT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Grid().Row, 1);
    EXPECT_EQ(Grid().Col, 3); // PARIS
    EXPECT_EQ(Grid().Selection, (TGridRect{3, 1, 3, 1}));

    Form->TourCB().setCurrentIndex(2); // PARIS only in row 1 now
    MoveTo(1, 1);
    Form->Find1Click(false);
    EXPECT_EQ(Grid().Row, 1); // the current row is never looked at
    EXPECT_EQ(Grid().Col, 1);

    Typed = {"ROME"};
    Key(Qt::Key_F, Qt::ControlModifier); // Find asks every time, preset with the last text
    EXPECT_EQ(Asked.back(), "paris");
    EXPECT_EQ(Grid().Row, 3);
    EXPECT_EQ(Form->FindText(), "ROME");
    Key(Qt::Key_F, Qt::ControlModifier); // cancelled: nothing moves, the text stays
    EXPECT_EQ(Asked.back(), "ROME");
    EXPECT_EQ(Form->FindText(), "ROME");
    EXPECT_EQ(Grid().Row, 3);

    Typed = {"nowhere"};
    Form->ToolButton(11)->click();
    EXPECT_EQ(Grid().Row, 3);
    EXPECT_EQ(Grid().Col, 3);
}

TEST_F(ConcertsForm, AddPutsTheConcertOfTheCurrentRowIntoTheList) {
    // The main window shows one band's bootlegs only; the new ones must show all the same.
    TProject& list = List();
    list.Data.emplace_back().Band = "Gamma";
    list.Saved = true;
    Main->Program().Filter.AllBands = false;
    Main->Program().Filter.Bands[2].Selected = true;
    Main->SetValues();
    ASSERT_EQ(Main->Grid().CountRows(), 1);

    Open();
    MoveTo(4, 3);
    Grid().Selection = {1, 3, 5, 8}; // only the current row counts
    Key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(list.Data.size(), 2u);
    const TBootData& added = list.Data[1];
    EXPECT_EQ(added.Band + "|" + added.Date + "|" + added.City + "|" + added.Country + "|" + added.Venue,
              "Alpha|1990.04.01|Rome|Italy|Palaeur");
    EXPECT_EQ(added.Name + added.Quality + added.Num + added.Comment + added.Info, "");
    EXPECT_EQ(added.Source, 0);
    EXPECT_EQ(added.Media, 0);
    EXPECT_FALSE(list.Saved);
    EXPECT_TRUE(Main->Program().Filter.AllBands);
    EXPECT_EQ(Main->Grid().CountRows(), 2);
    EXPECT_TRUE(Form->isVisible());

    Form->ToolButton(17)->click(); // the same concert again
    ASSERT_EQ(list.Data.size(), 3u);
    EXPECT_EQ(list.Data[2].Venue, "Palaeur");

    MoveTo(5, 12);
    Form->PopupMenu1().actions().first()->trigger();
    ASSERT_EQ(list.Data.size(), 4u);
    EXPECT_EQ(list.Data[3].Venue, "Paris-Bercy " + kLongVenue); // whole, as in the tour file
}

TEST_F(ConcertsForm, AddOnAnEmptyTableAddsNothing) {
    Main->Program().ConcListIndex = 4; // a band without tours
    Open();
    ASSERT_EQ(Grid().CountRows(), 0);
    List().Saved = true;
    Form->AddClick();
    EXPECT_TRUE(List().Data.empty());
    EXPECT_TRUE(List().Saved);
}

TEST_F(ConcertsForm, CopyTakesTheSelectionWhileTheGridHasTheFocus) {
    Open();
    MoveTo(2, 2);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Form->ToolButton(8)->click();
    EXPECT_EQ(Clipboard->Content, "1990.03.01\tLyon\r\n1990.04.01\tRome\r\n");

    Clipboard->Content.clear();
    Form->TourCB().setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form->TourCB().hasFocus(); }));
    Form->CopyClick();
    EXPECT_EQ(Clipboard->Content, "");
}

TEST_F(ConcertsForm, F1ShowsTheHelpAndTheTableStaysReadOnly) {
    Open();
    Key(Qt::Key_F1);
    ASSERT_TRUE(LastHelp().has_value());
    EXPECT_EQ(LastHelp()->Width, 350);
    EXPECT_EQ(LastHelp()->Height, 300);
    EXPECT_EQ(LastHelp()->Text.find("|b Copy|f  [ctrl+c] - copy values from the table to the clipboard\r\n\r\n"), 0u);

    MoveTo(3, 1);
    Key(Qt::Key_X);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid().Cell(3, 1).S, "PARIS");
}

TEST_F(ConcertsForm, TheBoxDrawsBandsInBoldCapitalsAndToursIndented) {
    const TTourLineLook band = TourLineLook("$f01Velvet ärchard");
    EXPECT_TRUE(band.Band);
    EXPECT_EQ(band.Text, QString::fromUtf8("VELVET äRCHARD")); // a..z only
    const TTourLineLook tour = TourLineLook("$f02Late tour");
    EXPECT_FALSE(tour.Band);
    EXPECT_EQ(tour.Text, QStringLiteral("Late tour"));
    EXPECT_EQ(TourLineLook("$f01").Text, QString());
}

// F5 from the menu, the tool bar and the key opens the window modally while a list is open.
TEST_F(ConcertsForm, F5OpensTheWindowFromEveryPlaceWhileAListIsOpen) {
    QAction* concerts = Main->Action(TActionId::cmConcerts);
    ASSERT_TRUE(concerts->isEnabled());
    Main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    std::vector<std::string> seen;
    auto expectWindow = [&] {
        QTimer::singleShot(0, Main.get(), [&] {
            auto* form = qobject_cast<TConcertsForm*>(QApplication::activeModalWidget());
            seen.push_back(form ? form->windowTitle().toStdString() : "none");
            if (form) {
                EXPECT_EQ(form->size(), QSize(768, 546));
                form->reject();
            }
        });
    };
    expectWindow();
    QTest::keyClick(Main.get(), Qt::Key_F5);
    expectWindow();
    Main->ToolBar().widgetForAction(concerts)->setFocus();
    qobject_cast<QToolButton*>(Main->ToolBar().widgetForAction(concerts))->click();
    expectWindow();
    concerts->trigger();
    EXPECT_EQ(seen, std::vector<std::string>(3, "Concerts list"));

    Main->Program().Lists.back()->Saved = true;
    ASSERT_TRUE(Main->Program().CloseList(0));
    EXPECT_FALSE(concerts->isEnabled());
    ASSERT_TRUE(Main->Program().OpenList(""));
    EXPECT_TRUE(concerts->isEnabled());
}

} // namespace
