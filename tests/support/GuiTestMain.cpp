#include <QApplication>

#ifdef KORVALEN_GUARDED_APPLICATION
#include "ui/main/GuardedApplication.h"
#endif

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KORVALEN_GUARDED_APPLICATION
    TGuardedApplication app(argc, argv);
#else
    QApplication app(argc, argv);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
