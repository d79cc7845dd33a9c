#pragma once

// A modal window met from inside its own event loop: `open` brings it up,
// `act` runs on it once it is the active modal window, and a window `act`
// left open is closed so that `open` returns.

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// True when a modal window of type TForm came up.
template <typename TForm> bool OnModal(const std::function<void()>& open, const std::function<void(TForm&)>& act) {
    bool seen = false;
    QObject scope; // a window that never came up leaves no timer behind
    QTimer::singleShot(0, &scope, [&] {
        auto* form = qobject_cast<TForm*>(QApplication::activeModalWidget());
        if (form == nullptr)
            return;
        seen = true;
        act(*form);
        if (form->isVisible())
            form->close();
    });
    open();
    return seen;
}
