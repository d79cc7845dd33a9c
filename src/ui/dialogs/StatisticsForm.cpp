#include "ui/dialogs/StatisticsForm.h"

#include "controls/markup/TextCodec.h"
#include "program/Program.h"
#include "ui/dialogs/StatChart.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 860;
constexpr int kHeight = 560;

QTableWidgetItem* NumberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TStatisticsForm::TStatisticsForm(TProgram& program, QWidget* parent) : QDialog(parent), m_program(program) {
    setWindowTitle(QStringLiteral("Statistics"));
    resize(kWidth, kHeight);
    CreateControls();
    connect(m_shownOnly, &QCheckBox::toggled, this, [this](bool shownOnly) { SetShownOnly(shownOnly); });
    connect(m_copy, &QPushButton::clicked, this, [this] { CopyClick(); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, [this] { CopyClick(); });
    SetShownOnly(false);
}

void TStatisticsForm::CreateControls() {
    auto* rows = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    m_shownOnly = new QCheckBox(QStringLiteral("Only the bootlegs &shown"), this);
    m_total = new QLabel(this);
    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_copy->setToolTip(QStringLiteral("Copy the table to the clipboard"));
    m_copy->setAutoDefault(false);
    tools->addWidget(m_shownOnly);
    tools->addSpacing(16);
    tools->addWidget(m_total);
    tools->addStretch(1);
    tools->addWidget(m_copy);
    rows->addLayout(tools);

    m_pages = new QTabWidget(this);
    for (int kind = 0; kind < kStatKinds; ++kind) {
        auto* split = new QSplitter(Qt::Horizontal, m_pages);
        auto* scroll = new QScrollArea(split);
        scroll->setWidgetResizable(true);
        auto* chart = new TStatChart(scroll);
        scroll->setWidget(chart);
        auto* table = new QTableWidget(0, 3, split);
        table->setHorizontalHeaderLabels(
            {QString::fromUtf8(StatKindName(TStatKind(kind))), QStringLiteral("Bootlegs"), QStringLiteral("Share")});
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
        split->addWidget(scroll);
        split->addWidget(table);
        split->setStretchFactor(0, 1);
        split->setStretchFactor(1, 1);
        m_pages->addTab(split, QString::fromUtf8(StatKindName(TStatKind(kind))));
        m_charts.push_back(chart);
        m_tables.push_back(table);
    }
    rows->addWidget(m_pages, 1);
}

void TStatisticsForm::SetShownOnly(bool shownOnly) {
    if (m_shownOnly->isChecked() != shownOnly) {
        m_shownOnly->setChecked(shownOnly); // its signal comes back here
        return;
    }
    const TProject* list = m_program.CurrentList();
    static const TArrayOfBootData kNoRecords;
    m_statistics = ListStatistics(list ? list->Data : kNoRecords, list && shownOnly ? &list->View : nullptr);
    Fill();
}

void TStatisticsForm::Fill() {
    m_total->setText(QStringLiteral("%1 bootlegs").arg(m_statistics.Total));
    for (size_t page = 0; page < m_statistics.Tables.size(); ++page) {
        const TStatTable& stats = m_statistics.Tables[page];
        m_charts[page]->SetTable(stats);
        QTableWidget& table = *m_tables[page];
        table.setRowCount(static_cast<int>(stats.Rows.size()));
        for (size_t r = 0; r < stats.Rows.size(); ++r) {
            const TStatRow& row = stats.Rows[r];
            const double share = m_statistics.Total > 0 ? 100.0 * double(row.Count) / double(m_statistics.Total) : 0;
            table.setItem(int(r), 0, new QTableWidgetItem(BytesToQString(row.Label)));
            table.setItem(int(r), 1, NumberItem(QString::number(row.Count)));
            table.setItem(int(r), 2, NumberItem(QStringLiteral("%1 %").arg(share, 0, 'f', 1)));
        }
    }
}

void TStatisticsForm::CopyClick() {
    const int page = m_pages->currentIndex();
    if (page >= 0 && size_t(page) < m_statistics.Tables.size())
        QApplication::clipboard()->setText(BytesToQString(StatTableText(m_statistics.Tables[size_t(page)])));
}

void ShowStatisticsForm(QWidget* parent, TProgram& program) {
    TStatisticsForm form(program, parent);
    form.exec();
}
