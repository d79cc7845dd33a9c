#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class TProgram;

// Asks where the marked bootlegs of a list go: one line per other open list,
// then a new list. The last choice is the first line offered.
class TCopyMarkedDialog : public QDialog {
    Q_OBJECT

public:
    TCopyMarkedDialog(const std::vector<std::string>& targets, QWidget* parent = nullptr);

    QListWidget* TargetLB() const { return m_targets; }
    int Choice() const;

private:
    QListWidget* m_targets = nullptr;
};

// Copies the marked bootlegs of list `from` where the user chooses, or says
// why nothing is copied; `refresh` shows the lists anew after a copy.
void AskAndCopyMarked(QWidget* parent, TProgram& program, int from, const std::function<void()>& refresh);
