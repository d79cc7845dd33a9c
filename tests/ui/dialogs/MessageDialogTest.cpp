#include "controls/markup/RichLabel.h"
#include "support/ModalWindow.h"
#include "ui/dialogs/MessageForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

namespace {

constexpr Msg::TButtons kYes = Msg::Yes, kNo = Msg::No, kOk = Msg::Ok, kCancel = Msg::Cancel, kYesToAll = Msg::YesToAll,
                        kHelp = Msg::Help;

using T = TMessageForm;

TEST(MessageForm, ButtonsInOrderCentredWithTheirDefaultAndEscape) {
    const struct {
        Msg::TButtons Buttons;
        std::vector<int> Tags; // visible, left to right
        int DefaultTag, EscapeTag;
    } cases[] = {
        {kOk, {T::tagOk}, T::tagOk, T::tagOk},
        {kCancel | kNo | kYes, {T::tagYes, T::tagNo, T::tagCancel}, T::tagYes, T::tagCancel},
        {kNo | kYes, {T::tagYes, T::tagNo}, T::tagYes, T::tagNo},
        {kCancel | kOk, {T::tagOk, T::tagCancel}, T::tagOk, T::tagCancel},
        {kNo | kCancel, {T::tagNo, T::tagCancel}, T::tagCancel, T::tagCancel},
        {kNo | kYesToAll, {T::tagYesToAll, T::tagNo}, T::tagYesToAll, T::tagNo},
        {kHelp, {T::tagHelp}, T::tagHelp, T::tagHelp},
        {kHelp | kCancel | kNo | kYesToAll | kYes | kOk,
         {T::tagOk, T::tagYes, T::tagYesToAll, T::tagNo, T::tagCancel, T::tagHelp},
         T::tagOk,
         T::tagCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Buttons));
        TMessageForm form;
        form.SetMessage("Save changes in list?", Msg::Centre);
        form.SetButtons(c.Buttons);
        form.Arrange();
        const int n = static_cast<int>(c.Tags.size());
        const int clientWidth = std::max(80 * n + 5, form.MsgRL()->TextWidth() + 12) + 60;
        EXPECT_EQ(form.width(), clientWidth);
        EXPECT_EQ(form.MsgRL()->width(), clientWidth - 60);
        int visible = 0;
        for (int tag = 1; tag <= 6; ++tag)
            visible += !form.Button(tag)->isHidden();
        EXPECT_EQ(visible, n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(form.Button(c.Tags[size_t(i)])->geometry(),
                      QRect((clientWidth - 75 * n - 5 * (n - 1)) / 2 + 80 * i, form.height() - 37, 75, 25));
        EXPECT_EQ(form.DefaultButton(), form.Button(c.DefaultTag));
        EXPECT_TRUE(form.DefaultButton()->isDefault());
        EXPECT_EQ(form.EscapeButton(), form.Button(c.EscapeTag));
    }
}

TEST(MessageForm, LongAndSeveralLineMessagesGrowTheWindowWithinTheScreen) {
    const auto arranged = [](const std::string& text, Msg::TButtons buttons) {
        auto form = std::make_unique<TMessageForm>();
        form->SetMessage(text, Msg::Left);
        form->SetButtons(buttons);
        form->Arrange();
        return form;
    };
    auto narrow = arranged("Short", kOk);
    EXPECT_EQ(narrow->size(), QSize(85 + 60, 14 + 83)); // the button row is wider than the text
    auto wide = arranged(std::string(60, 'W'), kOk);
    EXPECT_EQ(wide->width(), wide->MsgRL()->TextWidth() + 12 + 60);
    EXPECT_GT(wide->width(), 535);
    auto tall = arranged("one||two\nthree\r\nfour", kYes | kNo);
    EXPECT_EQ(tall->MsgRL()->TextHeight(), 4 * 14);
    EXPECT_EQ(tall->height(), 4 * 14 + 83);
    EXPECT_EQ(tall->MsgRL()->height(), 4 * 14 + 20);
    EXPECT_LT(tall->MsgRL()->geometry().bottom(), tall->Button(T::tagYes)->y());

    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "a very long line of an error message||";
    auto huge = arranged(text + std::string(5000, 'x'), kYes | kNo | kCancel);
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    EXPECT_LE(huge->width(), screen.width());
    EXPECT_LE(huge->height(), screen.height());
    EXPECT_LE(huge->Button(T::tagCancel)->geometry().right(), huge->width());
    EXPECT_GE(huge->Button(T::tagCancel)->y(), 0);
}

// The result of a message dialog that `act` answers.
int AnsweredBy(const std::function<void(TMessageForm&)>& act, Msg::TButtons buttons, const std::string& text = "") {
    int result = -1;
    EXPECT_TRUE(OnModal<TMessageForm>(
        [&] { result = ShowMessageDialog(nullptr, text, Msg::Confirmation, buttons, Msg::Centre); }, act));
    return result;
}

void Press(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST(MessageDialog, KeysClicksAndTheCloseBoxGiveTheResult) {
    const auto press = [](int key) { return [key](TMessageForm& f) { Press(f, key); }; };
    const auto click = [](int tag) { return [tag](TMessageForm& f) { f.Button(tag)->click(); }; };
    const std::tuple<Msg::TButtons, std::function<void(TMessageForm&)>, int> cases[] = {
        {kYes | kNo, press(Qt::Key_Escape), 7},
        {kYes | kNo | kCancel, press(Qt::Key_Escape), 2},
        {kYes | kNo | kCancel, press(Qt::Key_Return), 6},
        {kOk | kCancel, press(Qt::Key_Return), 1},
        {kYes | kNo, [](TMessageForm& f) { f.close(); }, 2},
        {kYes | kNo | kCancel, click(T::tagNo), 7},
        {kYesToAll | kNo, click(T::tagYesToAll), 10},
        {kOk | kHelp,
         [](TMessageForm& f) {
             f.Button(T::tagHelp)->click(); // does nothing
             EXPECT_TRUE(f.isVisible());
             f.Button(T::tagOk)->click();
         },
         1},
        {Msg::TButtons::None, press(Qt::Key_Escape), 2}, // still closes without buttons
        // The underlined letter alone presses its button.
        {kYes | kNo | kCancel, press(Qt::Key_N), 7},
        {kYes | kNo | kCancel, press(Qt::Key_Y), 6},
        {kYes | kNo | kCancel, press(Qt::Key_C), 2},
        {kYesToAll | kNo, press(Qt::Key_A), 10},
        {kOk | kHelp, press(Qt::Key_O), 1},
        {kYes | kNo,
         [](TMessageForm& f) {
             Press(f, Qt::Key_C); // the letter of a button not shown
             Press(f, Qt::Key_X);
             QKeyEvent controlN(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
             QApplication::sendEvent(&f, &controlN);
             EXPECT_TRUE(f.isVisible());
             Press(f, Qt::Key_Y);
         },
         6},
    };
    for (const auto& [buttons, act, result] : cases)
        EXPECT_EQ(AnsweredBy(act, buttons), result) << static_cast<int>(buttons);
}

} // namespace
