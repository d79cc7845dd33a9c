// The export window on a program with one list, the main window's part
// played by a scripted host.

#include "ui/dialogs/ExportForm.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPage.h"
#include "controls/panels/MyPanel.h"
#include "support/ExportProgram.h"
#include "support/FaultyFileSystem.h"

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ExportForm : public TExportProgram {
protected:
    void SetUp() override {
        TExportProgram::SetUp();
        Form = std::make_unique<TExportForm>(nullptr, *Program, Host, Names);
    }

    void Select(std::initializer_list<int> positions) {
        Form->PropsLB().clearSelection();
        for (int position : positions)
            Form->PropsLB().SetSelected(position, true);
    }
    // The drop as the list box reports it, at the middle of line `position`.
    void DropOn(int position, QObject* source = nullptr) {
        TMyListBox& list = Form->PropsLB();
        const QPoint at =
            position < list.Count() ? list.ItemRect(position).center() : QPoint(20, list.viewport()->height() - 2);
        bool accept = false;
        list.OnDragOver(list, source ? source : &list, at.x(), at.y(), accept);
        if (accept)
            list.OnDragDrop(list, source ? source : &list, at.x(), at.y());
    }
    std::unique_ptr<TExportForm> Form;
};

} // namespace

TEST_F(ExportForm, BoldMarksTheLinesAboveTheSeparator) {
    Select({});
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    auto inkOf = [&](int position) {
        TMyListBox& list = Form->PropsLB();
        const QImage image = list.viewport()->grab().toImage();
        const QRect line = list.ItemRect(position);
        int ink = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    // "01 Band" drawn bold above the separator, then plain below it.
    const int bold = inkOf(0);
    Select({13});
    DropOn(0);
    Select({});
    const int plain = inkOf(1);
    EXPECT_GT(bold, plain);
    EXPECT_GT(plain, 0);
    // The separator is a line across, not its text.
    const QImage image = Form->PropsLB().viewport()->grab().toImage();
    const QRect separator = Form->PropsLB().ItemRect(0);
    const int y = (separator.top() + separator.bottom() + 1) / 2;
    EXPECT_LT(qGray(image.pixel(separator.left() + 20, y)), 128);
    EXPECT_GT(qGray(image.pixel(separator.left() + 20, separator.top() + 2)), 128);
}

TEST_F(ExportForm, CtrlDownMovesTheSelectedLinesOneDown) {
    const std::string first = Form->PropsLB().ItemText(0);
    Select({0});
    QTest::keyClick(&Form->PropsLB(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Form->PropsLB().ItemText(1), first);
    EXPECT_TRUE(Form->PropsLB().Selected(1));
}

TEST_F(ExportForm, TheChosenFormatWritesItsFileAndOkRemembersIt) {
    Select({0, 13});
    DropOn(0); // Band, then the separator
    ASSERT_EQ(Form->FormatCB().count(), 3);
    EXPECT_EQ(Form->FormatCB().currentText(), "Text");
    Form->FormatCB().setCurrentIndex(1);
    Program->ExportFile = Out();
    Host.DialogAnswers = {Out()};
    Form->ExportBtn().click();
    EXPECT_EQ(ReadBytes(Out()), "Band,Tour,Band\r\nYes,Relayer,Yes\r\nCan,,Can\r\n");
    EXPECT_EQ(Host.Dialogs.back().Filter, "CSV file (*.csv)|*.csv");
    EXPECT_EQ(Host.Dialogs.back().DefaultExt, "csv");

    Form->FormatCB().setCurrentIndex(2);
    Form->OkButton().click();
    EXPECT_EQ(Program->ExportFormat, 2);
    TExportForm again(nullptr, *Program, Host, Names);
    EXPECT_EQ(again.FormatCB().currentText(), "Web page");
}

// F1 presses the Help button.
TEST_F(ExportForm, F1ShowsTheHelpOfTheTextPage) {
    struct THelpHost : TFakeProgramHost {
        void ShowHelp(const std::string& text, int width, int height) override {
            Shown.push_back({text, width, height});
        }
        std::vector<std::tuple<std::string, int, int>> Shown;
    } host;
    TExportForm form(nullptr, *Program, host, Names);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.PropsLB().setFocus();
    QTest::keyClick(&form.PropsLB(), Qt::Key_F1);
    ASSERT_EQ(host.Shown.size(), 1u);
    EXPECT_EQ(std::get<0>(host.Shown[0]).rfind("|b Properties|f  - put and sort", 0), 0u);
    EXPECT_EQ(std::make_pair(std::get<1>(host.Shown[0]), std::get<2>(host.Shown[0])), std::make_pair(350, 200));
    EXPECT_EQ(form.Page().ActivePage(), 1);
}
