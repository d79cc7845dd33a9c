#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
}

void SendClick(QWidget& widget, QPoint at = QPoint(5, 5)) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

struct TKeyCase {
    int Key;
    Qt::KeyboardModifiers Modifiers;
};

class HelpKeyTest : public testing::TestWithParam<TKeyCase> {};

TEST_P(HelpKeyTest, FirstKeyCloses) {
    THelpForm form;
    form.show();
    ASSERT_TRUE(form.isVisible());
    SendKey(form, GetParam().Key, GetParam().Modifiers);
    EXPECT_FALSE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, HelpKeyTest,
                         testing::Values(TKeyCase{Qt::Key_Shift, Qt::ShiftModifier},
                                         TKeyCase{Qt::Key_Control, Qt::ControlModifier}, TKeyCase{Qt::Key_A, {}},
                                         TKeyCase{Qt::Key_Escape, {}}, TKeyCase{Qt::Key_F1, {}},
                                         TKeyCase{Qt::Key_Return, {}}));

TEST(HelpForm, ClickOnWindowOrTextCloses) {
    THelpForm onWindow;
    onWindow.show();
    SendClick(onWindow, QPoint(2, 2));
    EXPECT_FALSE(onWindow.isVisible());

    THelpForm onText;
    onText.SetHelpText("|b Bands and tours|f  - select");
    onText.show();
    SendClick(*onText.HelpRT(), QPoint(20, 20));
    EXPECT_FALSE(onText.isVisible());
}

TEST(HelpForm, LayoutFollowsTheSize) {
    THelpForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Help"));
    form.SetOuterSize(600, 500);
    EXPECT_EQ(form.size(), QSize(594, 469));
    EXPECT_EQ(form.HelpRT()->geometry(), QRect(5, 10, 583, 450));
    form.SetOuterSize(350, 200);
    EXPECT_EQ(form.HelpRT()->geometry(), QRect(5, 10, 333, 150));
    TRichText* text = form.HelpRT();
    EXPECT_TRUE(text->Justified());
    EXPECT_TRUE(text->Transparent());
    EXPECT_FALSE(text->Border());
    EXPECT_EQ(text->Alignment(), taLeftJustify);
}

TEST(HelpForm, LongTextWrapsInsideTheWidth) {
    THelpForm form;
    form.SetOuterSize(350, 300);
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "word ";
    form.SetHelpText(text + "\r\n\r\nsecond entry");
    EXPECT_EQ(form.HelpRT()->Text().size(), 3u);
    EXPECT_LE(form.HelpRT()->TextWidth(), form.HelpRT()->width());
    EXPECT_GT(form.HelpRT()->TextHeight(), 3 * 14);
}

TEST(HelpHook, SuppressedPopupKeepsTheText) {
    SuppressHelpPopups(true);
    ShowHelpPopup(nullptr, "help text", 350, 200);
    ASSERT_TRUE(LastHelp().has_value());
    EXPECT_EQ(LastHelp()->Text, "help text");
    EXPECT_EQ(LastHelp()->Width, 350);
    EXPECT_EQ(LastHelp()->Height, 200);
    SuppressHelpPopups(false);
}

TEST(HelpPopup, ModalShowEndsAtAKey) {
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        SendKey(*modal, Qt::Key_Shift, Qt::ShiftModifier);
    });
    ShowHelpPopup(nullptr, "a||b", 350, 300);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutForm, SplashClosesWhenItsTimerFires) {
    TAboutForm form;
    EXPECT_EQ(form.size(), QSize(432, 246));
    EXPECT_EQ(form.Timer1()->interval(), 1000);
    EXPECT_FALSE(form.Timer1()->isActive());
    form.StartTimer();
    EXPECT_TRUE(form.Timer1()->isActive());
    form.show();
    QMetaObject::invokeMethod(form.Timer1(), "timeout");
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutForm, KeyOrClickCloses) {
    TAboutForm byKey;
    byKey.show();
    SendKey(byKey, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(byKey.isVisible());

    // A click on a band or a rich label reaches the box.
    for (QPoint at : {QPoint(200, 40), QPoint(200, 100), QPoint(300, 200), QPoint(10, 240)}) {
        TAboutForm byClick;
        byClick.show();
        QWidget* target = byClick.childAt(at);
        ASSERT_NE(target, nullptr);
        SendClick(*target, target->mapFrom(&byClick, at));
        EXPECT_FALSE(byClick.isVisible()) << at.x() << "," << at.y();
    }
}

TEST(AboutForm, HubLineOpensItsAddressAndStaysOpen) {
    TAboutForm form(nullptr, "https://example.org/hub");
    std::string opened;
    form.OpenAddress = [&](QWidget*, const std::string& address) { opened = address; };
    form.show();
    EXPECT_NE(form.HubRL()->Caption().find("info:"), std::string::npos);
    SendClick(*form.HubRL());
    EXPECT_EQ(opened, "https://example.org/hub");
    EXPECT_TRUE(form.isVisible());

    // Without an address the hub line closes the box like the rest.
    TAboutForm plain;
    plain.show();
    EXPECT_EQ(plain.HubRL()->Caption().find("info:"), std::string::npos);
    SendClick(*plain.HubRL());
    EXPECT_FALSE(plain.isVisible());
}

} // namespace
