#include "ui/main/GuardedApplication.h"

#include "program/CommandGuard.h"

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportUnexpectedFailure();
        return false;
    }
}
