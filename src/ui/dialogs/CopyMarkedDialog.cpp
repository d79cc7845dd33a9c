#include "ui/dialogs/CopyMarkedDialog.h"

#include "controls/markup/TextCodec.h"
#include "program/CopyMarked.h"
#include "program/Program.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TCopyMarkedDialog::TCopyMarkedDialog(const std::vector<std::string>& targets, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Copy marked to list"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Copy the marked bootlegs into:"), this));
    m_targets = new QListWidget(this);
    for (const std::string& name : targets)
        m_targets->addItem(BytesToQString(name));
    // A new list is what a wants list usually starts as.
    m_targets->setCurrentRow(m_targets->count() - 1);
    layout->addWidget(m_targets);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_targets, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TCopyMarkedDialog::Choice() const {
    return m_targets->currentRow();
}

void AskAndCopyMarked(QWidget* parent, TProgram& program, int from, const std::function<void()>& refresh) {
    if (!HasMarkedRecords(*program.Lists[static_cast<size_t>(from)])) {
        program.ShowMsg(kNothingMarked, Msg::Information, Msg::Ok, Msg::Centre);
        return;
    }
    TCopyMarkedDialog dialog(CopyMarkedTargets(program, from), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Choice() < 0)
        return;
    std::string error;
    if (!CopyMarkedToList(program, from, static_cast<size_t>(dialog.Choice()), error)) {
        if (!error.empty())
            program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return;
    }
    refresh();
}
