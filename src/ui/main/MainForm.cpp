#include "MainForm.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Korvalen"));
    resize(780, 580);
}
