#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs `work` on a thread of its own while the window waits for it, taking
// none of the user's input; a progress box with `text` shows when it lasts.
// `work` must not touch widgets. Its result.
bool RunOffThread(QWidget* parent, const QString& title, const QString& text, const std::function<bool()>& work);
