#include "controls/markup/RichLabel.h"
#include "ui/dialogs/MessageDialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kYes = 1, kNo = 2, kOk = 4, kCancel = 8, kYesToAll = 0x200, kHelp = 0x400;

struct TButtonCase {
    const char* Name;
    int Buttons;
    std::vector<int> Tags; // visible, left to right
    int DefaultTag, EscapeTag;
};

class ButtonSetTest : public testing::TestWithParam<TButtonCase> {};

TEST_P(ButtonSetTest, OrderWidthAndKeys) {
    const TButtonCase& c = GetParam();
    TMessageForm form;
    form.SetMessage("Save changes in list?", 6);
    form.SetButtons(c.Buttons);
    form.Arrange();

    const int n = static_cast<int>(c.Tags.size());
    const int labelWidth = form.MsgRL()->TextWidth() + 12;
    const int clientWidth = std::max(80 * n + 5, labelWidth) + 60;
    EXPECT_EQ(form.width(), clientWidth);
    EXPECT_EQ(form.MsgRL()->width(), clientWidth - 60);

    const int x0 = (clientWidth - 75 * n - 5 * (n - 1)) / 2;
    for (int i = 0; i < n; ++i) {
        QPushButton* button = form.Button(c.Tags[static_cast<size_t>(i)]);
        EXPECT_FALSE(button->isHidden());
        EXPECT_EQ(button->x(), x0 + 80 * i);
        EXPECT_EQ(button->y(), form.height() - 37);
        EXPECT_EQ(button->size(), QSize(75, 25));
    }
    int shown = 0;
    for (int tag = 1; tag <= 6; ++tag)
        shown += !form.Button(tag)->isHidden();
    EXPECT_EQ(shown, n);
    EXPECT_EQ(form.DefaultButton(), form.Button(c.DefaultTag));
    EXPECT_TRUE(form.DefaultButton()->isDefault());
    EXPECT_EQ(form.EscapeButton(), form.Button(c.EscapeTag));
}

using T = TMessageForm;
const TButtonCase kButtonCases[] = {
    {"Ok", kOk, {T::tagOk}, T::tagOk, T::tagOk},
    {"YesNoCancel", kCancel | kNo | kYes, {T::tagYes, T::tagNo, T::tagCancel}, T::tagYes, T::tagCancel},
    {"YesNo", kNo | kYes, {T::tagYes, T::tagNo}, T::tagYes, T::tagNo},
    {"OkCancel", kCancel | kOk, {T::tagOk, T::tagCancel}, T::tagOk, T::tagCancel},
    {"CancelNo", kNo | kCancel, {T::tagNo, T::tagCancel}, T::tagCancel, T::tagCancel},
    {"YesToAllNo", kNo | kYesToAll, {T::tagYesToAll, T::tagNo}, T::tagYesToAll, T::tagNo},
    {"HelpOnly", kHelp, {T::tagHelp}, T::tagHelp, T::tagHelp},
    {"AllSix",
     kHelp | kCancel | kNo | kYesToAll | kYes | kOk,
     {T::tagOk, T::tagYes, T::tagYesToAll, T::tagNo, T::tagCancel, T::tagHelp},
     T::tagOk,
     T::tagCancel},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, ButtonSetTest, testing::ValuesIn(kButtonCases),
                         [](const testing::TestParamInfo<TButtonCase>& info) { return info.param.Name; });

TEST(MessageForm, CaptionByKind) {
    const std::pair<int, const char*> cases[] = {{0, "Warning"},      {1, "Error"},   {2, "Information"},
                                                 {3, "Confirmation"}, {4, "Message"}, {-1, "Message"},
                                                 {99, "Message"}};
    for (const auto& [kind, caption] : cases) {
        TMessageForm form;
        form.SetKind(kind);
        EXPECT_EQ(form.windowTitle().toStdString(), caption) << kind;
    }
}

TEST(MessageForm, AlignmentCodes) {
    const std::pair<int, TAlignment> cases[] = {
        {0, taLeftJustify}, {2, taRightJustify}, {6, taCenter}, {1, taLeftJustify}, {7, taLeftJustify}};
    for (const auto& [code, alignment] : cases) {
        TMessageForm form;
        form.SetMessage("x", code);
        EXPECT_EQ(form.MsgRL()->Alignment(), alignment) << code;
    }
}

TEST(MessageForm, LongAndSeveralLineMessagesGrowTheWindow) {
    TMessageForm shortForm;
    shortForm.SetMessage("Short", 0);
    shortForm.SetButtons(kOk);
    shortForm.Arrange();
    EXPECT_EQ(shortForm.width(), 85 + 60); // the button row is wider than the text
    EXPECT_EQ(shortForm.height(), 14 + 83);

    TMessageForm wide;
    wide.SetMessage(std::string(60, 'W'), 0);
    wide.SetButtons(kOk);
    wide.Arrange();
    EXPECT_EQ(wide.width(), wide.MsgRL()->TextWidth() + 12 + 60);
    EXPECT_GT(wide.width(), 535);

    TMessageForm tall;
    tall.SetMessage("one||two\nthree\r\nfour", 6);
    tall.SetButtons(kYes | kNo);
    tall.Arrange();
    EXPECT_EQ(tall.MsgRL()->TextHeight(), 4 * 14);
    EXPECT_EQ(tall.height(), 4 * 14 + 83);
    EXPECT_EQ(tall.MsgRL()->height(), 4 * 14 + 20);
    // The label ends above the buttons.
    EXPECT_LT(tall.MsgRL()->geometry().bottom(), tall.Button(T::tagYes)->y());
}

TEST(MessageForm, HugeMessageStaysOnTheScreen) {
    TMessageForm form;
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "a very long line of an error message||";
    form.SetMessage(text + std::string(5000, 'x'), 0);
    form.SetButtons(kYes | kNo | kCancel);
    form.Arrange();
    QSize screen = QGuiApplication::primaryScreen()->availableSize();
    EXPECT_LE(form.width(), screen.width());
    EXPECT_LE(form.height(), screen.height());
    QPushButton* cancel = form.Button(T::tagCancel);
    EXPECT_LE(cancel->geometry().right(), form.width());
    EXPECT_GE(cancel->y(), 0);
}

// Acts on the modal dialog once it runs.
void WhenModal(std::function<void(TMessageForm&)> act) {
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        act(*form);
    });
}

void Press(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

struct TAnswerCase {
    const char* Name;
    int Buttons;
    std::function<void(TMessageForm&)> Act;
    int Result;
};

class AnswerTest : public testing::TestWithParam<TAnswerCase> {};

TEST_P(AnswerTest, ModalResult) {
    ClearMessageAnswers();
    WhenModal(GetParam().Act);
    EXPECT_EQ(ShowMessageDialog(nullptr, "Save changes in list?", 3, GetParam().Buttons, 6), GetParam().Result);
}

const TAnswerCase kAnswerCases[] = {
    {"EscOnYesNoIsNo", kYes | kNo, [](TMessageForm& f) { Press(f, Qt::Key_Escape); }, 7},
    {"EscOnYesNoCancelIsCancel", kYes | kNo | kCancel, [](TMessageForm& f) { Press(f, Qt::Key_Escape); }, 2},
    {"EnterOnYesNoCancelIsYes", kYes | kNo | kCancel, [](TMessageForm& f) { Press(f, Qt::Key_Return); }, 6},
    {"EnterOnOkCancelIsOk", kOk | kCancel, [](TMessageForm& f) { Press(f, Qt::Key_Return); }, 1},
    {"CloseBoxIsCancel", kYes | kNo, [](TMessageForm& f) { f.close(); }, 2},
    {"ClickNo", kYes | kNo | kCancel, [](TMessageForm& f) { f.Button(T::tagNo)->click(); }, 7},
    {"ClickYesToAll", kYesToAll | kNo, [](TMessageForm& f) { f.Button(T::tagYesToAll)->click(); }, 10},
    {"HelpDoesNothing", kOk | kHelp,
     [](TMessageForm& f) {
         f.Button(T::tagHelp)->click();
         EXPECT_TRUE(f.isVisible());
         f.Button(T::tagOk)->click();
     },
     1},
    {"EscWithoutButtonsStillCloses", 0, [](TMessageForm& f) { Press(f, Qt::Key_Escape); }, 2},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, AnswerTest, testing::ValuesIn(kAnswerCases),
                         [](const testing::TestParamInfo<TAnswerCase>& info) { return info.param.Name; });

TEST(MessageHook, ScriptedAnswersComeBackWithoutADialog) {
    ClearMessageAnswers();
    EXPECT_FALSE(LastMessage().has_value());
    SetNextMessageAnswer(6);
    SetNextMessageAnswer(2);
    EXPECT_EQ(ShowMessageDialog(nullptr, "first", 3, kYes | kNo | kCancel, 6), 6);
    EXPECT_EQ(ShowMessageDialog(nullptr, "second", 1, kOk, 0), 2);
    ASSERT_TRUE(LastMessage().has_value());
    EXPECT_EQ(LastMessage()->Text, "second");
    EXPECT_EQ(LastMessage()->Kind, 1);
    EXPECT_EQ(LastMessage()->Buttons, kOk);
    EXPECT_EQ(LastMessage()->Alignment, 0);
    // The script is used up: the next message shows the dialog.
    WhenModal([](TMessageForm& f) { f.Button(T::tagOk)->click(); });
    EXPECT_EQ(ShowMessageDialog(nullptr, "third", 2, kOk, 6), 1);
    EXPECT_EQ(LastMessage()->Text, "third");
}

} // namespace
