// The program's application object: a failure that escapes an event
// handler ends that event with a report, and the program goes on.

#include "ui/main/GuardedApplication.h"
#include "program/CommandGuard.h"

#include <QEvent>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

class TFailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::bad_alloc();
        return QObject::event(event);
    }
};

TEST(GuardedApplication, AFailureInAnEventIsReportedAndTheNextEventArrives) {
    ASSERT_NE(qobject_cast<TGuardedApplication*>(QCoreApplication::instance()), nullptr);
    std::vector<std::string> reports;
    UnexpectedFailureReport() = [&](const std::string& text) { reports.push_back(text); };
    TFailingObject object;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &failing));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The operation could not be completed and was abandoned.||The program ran out of memory.");
    QEvent next(static_cast<QEvent::Type>(QEvent::User + 1));
    QCoreApplication::sendEvent(&object, &next);
    EXPECT_EQ(reports.size(), 1u);
    UnexpectedFailureReport() = nullptr;
}

} // namespace
