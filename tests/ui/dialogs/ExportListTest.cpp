// The export window on a program with one list, the main window's part
// played by a scripted host.

#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPage.h"
#include "controls/panels/MyPanel.h"
#include "support/ExportProgram.h"
#include "support/FaultyFileSystem.h"
#include "ui/dialogs/ExportForm.h"

#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
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

    std::vector<std::string> Lines() const { return Form->PropsLB().Items(); }
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

TEST_F(ExportForm, OpensWithTheRememberedOrderAndOptions) {
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Export"));
    EXPECT_EQ(Form->size(), QSize(396, 292));
    EXPECT_EQ(Lines().front(), "01 Band");
    EXPECT_EQ(Lines()[12], "13 Comment");
    EXPECT_EQ(Lines().back(), "00 -----------");
    EXPECT_TRUE(Form->ParamsMP().Checked(1));
    EXPECT_TRUE(Form->ParamsMP().Checked(2));
    EXPECT_EQ(Form->ParamsMP().Items(),
              (std::vector<std::string>{"Divide by||| tours ", "Band name||| before tour name "}));
    EXPECT_TRUE(Form->OkButton().isDefault());

    Program->ExportPos = {13, 2, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    Program->ExportParams = {false, true};
    TExportForm form(nullptr, *Program, Host, Names);
    EXPECT_EQ(form.PropsLB().Items()[0], "00 -----------");
    EXPECT_EQ(form.PropsLB().Items()[1], "03 City");
    EXPECT_FALSE(form.ParamsMP().Checked(1));
    EXPECT_TRUE(form.ParamsMP().Checked(2));
}

TEST_F(ExportForm, DroppingMovesTheSelectedLinesAsABlockAndKeepsThemSelected) {
    Select({3, 1});
    DropOn(0);
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"02 Date", "04 Country", "01 Band", "03 City"}));
    for (int k = 0; k < kExportLineCount; ++k)
        EXPECT_EQ(Form->PropsLB().Selected(k), k < 2) << k;

    Select({0});
    DropOn(kExportLineCount); // below the last line
    EXPECT_EQ(Lines().back(), "02 Date");
    EXPECT_TRUE(Form->PropsLB().Selected(13));

    // A drag from anywhere else is refused.
    QObject stranger;
    Select({13});
    DropOn(0, &stranger);
    EXPECT_EQ(Lines()[12], "00 -----------");
}

TEST_F(ExportForm, CtrlArrowsMoveTheSelectedLinesWithoutAMouse) {
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    TMyListBox& list = Form->PropsLB();
    list.setFocus();
    Select({13});
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Lines()[3], "00 -----------");
    EXPECT_TRUE(list.Selected(3));
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_EQ(list.ItemIndex(), 3);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Lines()[4], "00 -----------");
    // A plain arrow still moves the cursor.
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(Lines()[4], "00 -----------");
}

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

TEST_F(ExportForm, ExportRunsWithTheCurrentChoicesAndTheWindowStaysOpen) {
    Form->show();
    Select({0, 13});
    DropOn(0); // Band, then the separator
    Host.DialogAnswers = {Out()};
    Form->ExportBtn().click();
    EXPECT_EQ(ReadBytes(Out()), "\r\n\r\nYes - Relayer\r\n\r\nYes  \r\n\r\n\r\nCan\r\n\r\nCan  \r\n");
    EXPECT_TRUE(Form->isVisible());

    QTest::mouseClick(&Form->ParamsMP(), Qt::LeftButton, {}, QPoint(50, 50)); // option 2 off
    Host.DialogAnswers = {Out()};
    Form->ExportBtn().click();
    EXPECT_EQ(ReadBytes(Out()), "\r\n\r\nRelayer\r\n\r\nYes  \r\n\r\n\r\nCan\r\n\r\nCan  \r\n");
    EXPECT_EQ(Host.Dialogs.back().FileName, Out());
}

TEST_F(ExportForm, CancelDropsTheChoicesButKeepsTheFileNameAndOkKeepsThem) {
    const TExportOrder before = Program->ExportPos;
    Select({3, 1});
    DropOn(0);
    Host.DialogAnswers = {Out()};
    Form->ExportBtn().click();
    Form->CancelButton().click();
    EXPECT_EQ(Form->result(), QDialog::Rejected);
    EXPECT_EQ(Program->ExportPos, before);
    EXPECT_EQ(Program->ExportFile, Out());

    TExportForm form(nullptr, *Program, Host, Names);
    form.PropsLB().SetSelected(3, true);
    form.PropsLB().SetSelected(1, true);
    form.PropsLB().OnDragDrop(form.PropsLB(), &form.PropsLB(), 5, form.PropsLB().ItemRect(0).center().y());
    form.ParamsMP().SetChecked(1, false);
    form.OkButton().click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Program->ExportPos, (TExportOrder{1, 3, 0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_FALSE(Program->ExportParams[0]);
    EXPECT_TRUE(Program->ExportParams[1]);
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

TEST_F(ExportForm, AFailedExportIsReportedAndTheOldFileStays) {
    WriteBytes(Out(), "old");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Rename;
    Host.DialogAnswers = {Out()};
    Form->ExportBtn().click();
    EXPECT_EQ(ReadBytes(Out()), "old");
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Kind, Msg::Error);
    EXPECT_NE(Host.Messages[0].Text.find("trade.txt"), std::string::npos);
    EXPECT_NE(Host.Messages[0].Text.find("injected failure"), std::string::npos);
}

TEST_F(ExportForm, F1AndHelpShowTheHelpOfTheTextPage) {
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
    form.HelpBtn().click();
    ASSERT_EQ(host.Shown.size(), 2u);
    EXPECT_EQ(std::get<0>(host.Shown[0]).rfind("|b Properties|f  - put and sort", 0), 0u);
    EXPECT_EQ(std::get<1>(host.Shown[0]), 350);
    EXPECT_EQ(std::get<2>(host.Shown[0]), 200);
    EXPECT_EQ(form.Page().ActivePage(), 1);
}
