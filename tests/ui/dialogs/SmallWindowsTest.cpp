#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/QtWindowPlacement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

namespace {

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
}

void SendClick(QWidget& widget, QPoint at = QPoint(5, 5)) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST(HelpForm, TheFirstKeyOrAClickCloses) {
    // A modifier alone, and a key the dialog would take for itself.
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_Escape, {}}};
    for (const auto& [key, modifiers] : keys) {
        THelpForm form;
        form.show();
        SendKey(form, key, modifiers);
        EXPECT_FALSE(form.isVisible()) << key;
    }
    for (bool onText : {false, true}) {
        THelpForm form;
        form.SetHelpText("|b Bands and tours|f  - select");
        form.show();
        SendClick(onText ? static_cast<QWidget&>(*form.HelpRT()) : form, QPoint(onText ? 20 : 2, onText ? 20 : 2));
        EXPECT_FALSE(form.isVisible()) << onText;
    }
}

TEST(HelpForm, LayoutFollowsTheSizeAndLongTextWraps) {
    THelpForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Help"));
    form.SetOuterSize(600, 500);
    EXPECT_EQ(form.size(), QSize(594, 469));
    EXPECT_EQ(form.HelpRT()->geometry(), QRect(5, 10, 583, 450));
    form.SetOuterSize(350, 200);
    EXPECT_EQ(form.HelpRT()->geometry(), QRect(5, 10, 333, 150));
    EXPECT_TRUE(form.HelpRT()->Justified());
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "word ";
    form.SetHelpText(text + "\r\n\r\nsecond entry");
    EXPECT_EQ(form.HelpRT()->Text().size(), 3u);
    EXPECT_LE(form.HelpRT()->TextWidth(), form.HelpRT()->width());
    EXPECT_GT(form.HelpRT()->TextHeight(), 3 * 14);
}

TEST(HelpPopup, SuppressedKeepsTheTextElseModalUntilAKey) {
    SuppressHelpPopups(true);
    ShowHelpPopup(nullptr, "help text", 350, 200);
    ASSERT_TRUE(LastHelp().has_value());
    EXPECT_EQ(std::make_tuple(LastHelp()->Text, LastHelp()->Width, LastHelp()->Height),
              std::make_tuple(std::string("help text"), 350, 200));
    SuppressHelpPopups(false);
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        SendKey(*modal, Qt::Key_Shift, Qt::ShiftModifier);
    });
    ShowHelpPopup(nullptr, "a||b", 350, 300);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutForm, TheTimerAKeyOrAClickCloses) {
    TAboutForm timed;
    EXPECT_EQ(timed.Timer1()->interval(), 1000);
    EXPECT_FALSE(timed.Timer1()->isActive());
    timed.StartTimer();
    EXPECT_TRUE(timed.Timer1()->isActive());
    timed.show();
    QMetaObject::invokeMethod(timed.Timer1(), "timeout");
    EXPECT_FALSE(timed.isVisible());

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

// What a window keeps at its end places it at the next start.
TEST(WindowPlacement, AWindowComesBackInItsStateMinimisedOnlyWhereItMay) {
    auto stateOf = [](const TWindowPlacement& placement) { return static_cast<TShowState>(placement.ShowState); };
    QWidget window;
    PlaceWindow(window, {static_cast<int32_t>(TShowState::Normal), 40, 30, 440, 330}, true);
    window.show();
    const TWindowPlacement kept = PlacementOf(window);
    EXPECT_EQ(stateOf(kept), TShowState::Normal);
    EXPECT_EQ(std::make_tuple(kept.Left, kept.Top, kept.Right, kept.Bottom), std::make_tuple(40, 30, 440, 330));
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(stateOf(PlacementOf(window, true)), TShowState::Minimised);
    EXPECT_EQ(stateOf(PlacementOf(window, false)), TShowState::Normal);

    for (TShowState state : {TShowState::Minimised, TShowState::Maximised}) {
        QWidget placed;
        PlaceWindow(placed, {static_cast<int32_t>(state), 40, 30, 440, 330}, false);
        EXPECT_FALSE(placed.isMinimized());
        EXPECT_EQ(placed.isMaximized(), state == TShowState::Maximised);
    }
}

} // namespace
