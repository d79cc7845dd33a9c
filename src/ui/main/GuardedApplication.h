#pragma once

#include <QApplication>

// The application whose event delivery catches what a handler lets escape:
// a failure inside a window's event (a secondary window's button, an edit)
// ends that event with the report of UnexpectedFailureReport, instead of
// reaching Qt's event loop, which would end the program.
class TGuardedApplication : public QApplication {
    Q_OBJECT

public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
