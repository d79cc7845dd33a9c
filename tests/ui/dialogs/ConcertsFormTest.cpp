// The concerts window on the program of a real main window, over a Tours
// folder written for the test; the input box is scripted and the grid's
// clipboard kept in memory.

#include "ui/dialogs/ConcertsForm.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/grid/GridKeys.h"
#include "controls/grid/GridLayout.h"
#include "controls/markup/MarkupSupport.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "support/MemoryClipboard.h"
#include "support/QuietMainWindow.h"
#include "support/TempDir.h"
#include "support/TourFiles.h"
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
        auto clipboard = std::make_unique<TMemoryClipboard>();
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
    TMemoryClipboard* Clipboard = nullptr;
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
