#include "ui/dialogs/QtWindowPlacement.h"

#include "program/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TScreenSize VirtualScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->virtualGeometry().size() : QSize(1024, 768);
    return {size.width(), size.height()};
}

void ApplyPlacement(QWidget& window, const TWindowPlacement& placement) {
    const TScreenSize screen = VirtualScreenSize();
    // On a small or strongly scaled screen a window larger than the screen
    // would hide its far edges where nothing reaches them.
    window.setMinimumSize(window.minimumSize().boundedTo(QSize(screen.Width, screen.Height)));
    const QSize minimum = window.minimumSize();
    const TWindowPlacement fitted = FitPlacementOnScreen(placement, screen, {minimum.width(), minimum.height()});
    window.resize(fitted.Right - fitted.Left, fitted.Bottom - fitted.Top);
    window.move(fitted.Left, fitted.Top);
}

void PlaceWindow(QWidget& window, const TWindowPlacement& placement, bool mayMinimise) {
    ApplyPlacement(window, placement);
    if (placement.ShowState == static_cast<int32_t>(TShowState::Maximised))
        window.setWindowState(Qt::WindowMaximized);
    else if (mayMinimise && placement.ShowState == static_cast<int32_t>(TShowState::Minimised))
        window.setWindowState(Qt::WindowMinimized);
}

TWindowPlacement PlacementOf(const QWidget& window, bool mayMinimise) {
    TWindowPlacement placement;
    const TShowState state = window.isMaximized()                  ? TShowState::Maximised
                             : mayMinimise && window.isMinimized() ? TShowState::Minimised
                                                                   : TShowState::Normal;
    placement.ShowState = static_cast<int32_t>(state);
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    // The frame stands around the inside by as much in every state.
    const QPoint frame = window.geometry().topLeft() - window.pos();
    placement.Left = normal.left() - frame.x();
    placement.Top = normal.top() - frame.y();
    placement.Right = placement.Left + normal.width();
    placement.Bottom = placement.Top + normal.height();
    return placement;
}
