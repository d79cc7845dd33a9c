// The concerts window on the program of the real main window; the input box
// is scripted and the grid's clipboard kept in memory.

#include "ui/dialogs/ConcertsForm.h"
#include "controls/bitmaps/ImageList.h"
#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "support/MemoryClipboard.h"
#include "support/ModalWindow.h"
#include "support/TourFiles.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/TourLine.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

const std::string kLongVenue = std::string(150, 'L') + std::string(150, 'V');

// Lines of the box: 0 all, 1 ALPHA, 2 First, 3 Second, 4 BETA (no tours), 5 GAMMA, 6 Arena.
// Rows under "< all >": 1-3 Alpha First, 4-5 Alpha Second, 6-12 Gamma Arena.
class ConcertsForm : public TTourWindowFixture {
protected:
    ConcertsForm() {
        std::string gamma = "|||||Arena|1995.01.01|1995.12.31\r\n";
        for (int i = 1; i <= 6; ++i)
            gamma += "1995.0" + std::to_string(i) + ".01|Sun|Town " + std::to_string(i) + "|Land|Hall\r\n";
        gamma += "1995.07.01|Sun|Paris|France|Paris-Bercy " + kLongVenue + "\r\n";
        WriteBytes(Path("Tours/Gamma.txt"), gamma);
        SuppressHelpPopups(true);
    }
    ~ConcertsForm() override { SuppressHelpPopups(false); }
    void TearDown() override {
        Form.reset();
        TTourWindowFixture::TearDown();
    }

    TConcertsForm& Open() {
        Form = std::make_unique<TConcertsForm>(Program(), Images, W);
        Form->RefreshMainWindow = [this] { W->SetValues(); };
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

    TImageList Images;
    std::unique_ptr<TConcertsForm> Form;
    TMemoryClipboard* Clipboard = nullptr;
    std::vector<std::string> Asked;
    std::deque<std::string> Typed;
};

TEST_F(ConcertsForm, TheBoxChoosesAllABandOrATour) {
    Open();
    ASSERT_EQ(Form->TourCB().count(), 7);
    EXPECT_EQ(Form->TourCB().itemText(0) + Form->TourCB().itemText(1) + "|" + Form->TourCB().itemText(2),
              QStringLiteral(" < ALL > ALPHA|First"));
    EXPECT_EQ(Form->TourCB().currentIndex(), 0);
    EXPECT_EQ(Grid().CountRows(), 12);
    EXPECT_EQ(Column(1), "Alpha;Alpha;Alpha;Alpha;Alpha;Gamma;Gamma;Gamma;Gamma;Gamma;Gamma;Gamma;");
    Form->TourCB().setCurrentIndex(3); // which rows a line gives is the concert table's business
    EXPECT_EQ(Column(2), "1991.05.01;1991.06.01;");
}

// Where the text is found is the grid search's business; here F3, Ctrl+F and
// the tool button must reach it, asking only when they should.
TEST_F(ConcertsForm, FindAsksForATextOnlyWhenNeededAndMovesTheCursor) {
    Open();
    Typed = {"paris"};
    Key(Qt::Key_F3); // no text yet: asks
    EXPECT_EQ(Asked, std::vector<std::string>{""});
    EXPECT_EQ(Form->FindText(), "paris");
    EXPECT_EQ(Grid().Col * 100 + Grid().Row, 312); // "Paris" before "Paris-Bercy"

    Key(Qt::Key_F3); // with a text: at once, wrapping round
    EXPECT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Grid().Col * 100 + Grid().Row, 301); // PARIS
    EXPECT_EQ(Grid().Selection, (TGridRect{3, 1, 3, 1}));

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
    EXPECT_EQ(Grid().Col * 100 + Grid().Row, 303);
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

TEST_F(ConcertsForm, F5OpensTheWindowModally) {
    W->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    EXPECT_TRUE(OnModal<TConcertsForm>([&] { QTest::keyClick(W, Qt::Key_F5); },
                                       [](TConcertsForm& form) {
                                           EXPECT_EQ(form.windowTitle(), QStringLiteral("Concerts list"));
                                           EXPECT_EQ(form.size(), QSize(768, 546));
                                       }));
}

} // namespace
