#include "ui/main/MainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvalen"));
    QApplication::setApplicationName(QStringLiteral("Korvalen"));
    TMainForm window;
    window.show();
    return app.exec();
}
