#pragma once

#include <QMainWindow>

// The main window of the program. For now it is only the frame that the
// list tabs, the filter panel and the grid will live in.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
};
