#include "ui/dialogs/CoverageForm.h"

#include "controls/markup/MarkupLiteral.h"
#include "controls/markup/TextCodec.h"
#include "platform/FileSystem.h"
#include "program/ConcertTable.h"
#include "program/Program.h"
#include "program/WantsList.h"
#include "ui/dialogs/CoverageBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TCoverageColumn { kName, kOwned, kKnown, kBar, kCity, kCountry, kVenue, kColumns };

// clang-format off
const struct {
    const char* Heading;
    int Width;
} kColumnLooks[kColumns] = {
    {"Band, tour or date", 240},
    {"Owned",               60},
    {"Known",               60},
    {"Coverage",           150},
    {"City",               120},
    {"Country",            100},
    {"Venue",              180},
};
// clang-format on

constexpr int kBandRole = Qt::UserRole + 1;
constexpr int kTourRole = Qt::UserRole + 2;
constexpr int kConcertRole = Qt::UserRole + 3;
constexpr int kWidth = 900;
constexpr int kHeight = 560;

const QString kOwnedMark = QStringLiteral("\u2713");

TCoverageLine LineOf(const QTreeWidgetItem* item) {
    if (!item)
        return {};
    return {item->data(kName, kBandRole).toInt(), item->data(kName, kTourRole).toInt(),
            item->data(kName, kConcertRole).toInt()};
}

void SetLine(QTreeWidgetItem* item, const TCoverageLine& line) {
    item->setData(kName, kBandRole, line.Band);
    item->setData(kName, kTourRole, line.Tour);
    item->setData(kName, kConcertRole, line.Concert);
}

void MarkOwned(QTreeWidgetItem* item, bool owned) {
    item->setText(kOwned, owned ? kOwnedMark : QString());
    QFont font = item->font(kName);
    font.setBold(owned);
    item->setFont(kName, font);
}

} // namespace

TCoverageForm::TCoverageForm(TProgram& program, IProgramHost& host, QWidget* parent)
    : QDialog(parent), m_program(program), m_host(host) {
    setWindowTitle(QStringLiteral("Tour coverage"));
    resize(kWidth, kHeight);
    CreateControls();
    WireControls();
    if (const TProject* list = m_program.CurrentList())
        m_coverage = TourCoverage(m_program.Filter.Bands, list->Data);
    Fill();
    m_tree->setFocus();
}

void TCoverageForm::CreateControls() {
    auto* rows = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    m_onlyMissing = new QCheckBox(QStringLiteral("Only &missing"), this);
    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_copy->setToolTip(QStringLiteral("Copy the selected concerts to the clipboard"));
    m_add = new QPushButton(QStringLiteral("&Add"), this);
    m_add->setToolTip(QStringLiteral("Add the missing concert to the list"));
    m_export = new QPushButton(QStringLiteral("&Export missing\u2026"), this);
    m_export->setToolTip(QStringLiteral("Write the missing concerts to a text or CSV file"));
    tools->addWidget(m_onlyMissing);
    tools->addStretch(1);
    for (QPushButton* button : {m_copy, m_add, m_export}) {
        button->setAutoDefault(false);
        tools->addWidget(button);
    }
    rows->addLayout(tools);

    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(kColumns);
    QStringList headings;
    for (const auto& look : kColumnLooks)
        headings << QString::fromUtf8(look.Heading);
    m_tree->setHeaderLabels(headings);
    for (int c = 0; c < kColumns; ++c)
        m_tree->setColumnWidth(c, kColumnLooks[c].Width);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setItemDelegateForColumn(kBar, new TCoverageBarDelegate(m_tree));
    rows->addWidget(m_tree, 1);
}

void TCoverageForm::WireControls() {
    connect(m_onlyMissing, &QCheckBox::toggled, this, [this](bool only) { SetOnlyMissing(only); });
    connect(m_copy, &QPushButton::clicked, this, [this] { CopyClick(); });
    connect(m_add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(m_export, &QPushButton::clicked, this, [this] { ExportClick(); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { FillTour(item); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { ShowBootlegs(item); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, [this] { CopyClick(); });
}

void TCoverageForm::ShowCounts(QTreeWidgetItem* item, int32_t owned, int32_t known) {
    item->setText(kOwned, QString::number(owned));
    item->setText(kKnown, QString::number(known));
    item->setTextAlignment(kOwned, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(kKnown, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kBar, TCoverageBarDelegate::kPercentRole, CoveragePercent(owned, known));
}

void TCoverageForm::Fill() {
    const bool only = m_onlyMissing->isChecked();
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    for (size_t b = 0; b < m_coverage.size(); ++b) {
        const TBandCoverage& band = m_coverage[b];
        if (only && band.Owned == band.Known)
            continue;
        auto* bandItem = new QTreeWidgetItem(m_tree);
        bandItem->setText(kName, BytesToQString(band.Band->Name));
        QFont bold = bandItem->font(kName);
        bold.setBold(true);
        bandItem->setFont(kName, bold);
        SetLine(bandItem, {int32_t(b), -1, -1});
        ShowCounts(bandItem, band.Owned, band.Known);
        for (size_t t = 0; t < band.Tours.size(); ++t) {
            const TTourCoverage& tour = band.Tours[t];
            if (only && tour.OwnedCount == tour.Known())
                continue;
            auto* tourItem = new QTreeWidgetItem(bandItem);
            tourItem->setText(kName, BytesToQString(tour.Tour->Name));
            SetLine(tourItem, {int32_t(b), int32_t(t), -1});
            ShowCounts(tourItem, tour.OwnedCount, tour.Known());
            if (tour.Known() > 0)
                tourItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            if (only) {
                FillTour(tourItem);
                tourItem->setExpanded(true);
            }
        }
        bandItem->setExpanded(only);
    }
    m_tree->setUpdatesEnabled(true);
}

QTreeWidgetItem* TCoverageForm::ConcertItem(const TCoverageLine& line) {
    const TCoveredConcert concert = CoveredConcertAt(m_coverage, line);
    auto* item = new QTreeWidgetItem;
    item->setText(kName, BytesToQString(concert.Concert->Date));
    item->setText(kCity, BytesToQString(concert.Concert->City));
    item->setText(kCountry, BytesToQString(concert.Concert->Country));
    item->setText(kVenue, BytesToQString(concert.Concert->Venue));
    item->setTextAlignment(kOwned, Qt::AlignCenter);
    SetLine(item, line);
    MarkOwned(item, concert.Owned);
    return item;
}

void TCoverageForm::FillTour(QTreeWidgetItem* item) {
    const TCoverageLine line = LineOf(item);
    if (line.Tour < 0 || line.Concert >= 0 || item->childCount() > 0)
        return;
    const TTourCoverage& tour = m_coverage[size_t(line.Band)].Tours[size_t(line.Tour)];
    const bool only = m_onlyMissing->isChecked();
    QList<QTreeWidgetItem*> children;
    for (size_t c = 0; c < tour.Owned.size(); ++c)
        if (!(only && tour.Owned[c]))
            children.append(ConcertItem({line.Band, line.Tour, int32_t(c)}));
    item->addChildren(children);
}

void TCoverageForm::SetOnlyMissing(bool only) {
    if (m_onlyMissing->isChecked() != only) {
        m_onlyMissing->setChecked(only); // its signal comes back here
        return;
    }
    Fill();
}

std::vector<TCoverageLine> TCoverageForm::SelectedLines() const {
    std::vector<TCoverageLine> lines;
    for (const QTreeWidgetItem* item : m_tree->selectedItems())
        lines.push_back(LineOf(item));
    return lines;
}

void TCoverageForm::CopyClick() {
    const std::vector<TCoveredConcert> concerts =
        PickedConcerts(m_coverage, SelectedLines(), m_onlyMissing->isChecked());
    if (!concerts.empty())
        QApplication::clipboard()->setText(BytesToQString(WantsListText(concerts)));
}

void TCoverageForm::AddClick() {
    QTreeWidgetItem* item = m_tree->currentItem();
    const TCoverageLine line = LineOf(item);
    const TCoveredConcert concert = CoveredConcertAt(m_coverage, line);
    if (!concert.Concert || concert.Owned)
        return;
    TProject* list = AddConcertToCurrentList(m_program, {{concert.Band, concert.Concert}}, 1);
    if (!list)
        return;
    if (RefreshMainWindow)
        RefreshMainWindow();
    m_coverage = TourCoverage(m_program.Filter.Bands, list->Data);
    UpdateAfterAdd(line);
}

// Only the band's own lines can change: a bootleg covers concerts of its band.
void TCoverageForm::UpdateAfterAdd(const TCoverageLine& line) {
    QTreeWidgetItem* bandItem = nullptr;
    for (int i = 0; i < m_tree->topLevelItemCount() && !bandItem; ++i)
        if (LineOf(m_tree->topLevelItem(i)).Band == line.Band)
            bandItem = m_tree->topLevelItem(i);
    if (!bandItem)
        return;
    const TBandCoverage& band = m_coverage[size_t(line.Band)];
    ShowCounts(bandItem, band.Owned, band.Known);
    const bool only = m_onlyMissing->isChecked();
    for (int t = 0; t < bandItem->childCount(); ++t) {
        QTreeWidgetItem* tourItem = bandItem->child(t);
        const TTourCoverage& tour = band.Tours[size_t(LineOf(tourItem).Tour)];
        ShowCounts(tourItem, tour.OwnedCount, tour.Known());
        for (int c = tourItem->childCount() - 1; c >= 0; --c) {
            QTreeWidgetItem* concertItem = tourItem->child(c);
            const bool owned = tour.Owned[size_t(LineOf(concertItem).Concert)];
            if (only && owned)
                delete concertItem; // the next missing one takes its place
            else
                MarkOwned(concertItem, owned);
        }
    }
}

void TCoverageForm::ExportClick() {
    const std::vector<TCoveredConcert> missing = MissingConcerts(m_coverage);
    TFileDialog dialog;
    dialog.Title = "Export missing concerts";
    dialog.Filter = "Text file (*.txt)|*.txt|CSV file (*.csv)|*.csv";
    dialog.DefaultExt = "txt";
    dialog.FileName = "missing.txt";
    dialog.OverwritePrompt = true;
    if (!m_host.RunSaveDialog(dialog))
        return;
    const std::string& path = dialog.FileName;
    const bool csv = path.size() >= 4 && path.compare(path.size() - 4, 4, ".csv") == 0;
    std::string error;
    if (!WriteWantsList(path, missing, csv ? TWantsListFormat::Csv : TWantsListFormat::Text, error))
        m_program.ShowMsg("The file |b " + MarkupLiteral(path) + "|f  cannot be saved.||" +
                              MarkupLiteral(AsSentence(error)),
                          Msg::Error, Msg::Ok, Msg::Left);
}

void TCoverageForm::ShowBootlegs(QTreeWidgetItem* item) {
    const TCoveredConcert concert = CoveredConcertAt(m_coverage, LineOf(item));
    TProject* list = m_program.CurrentList();
    if (!list || !concert.Concert || !concert.Owned)
        return;
    const int32_t row = ShowConcertBootlegs(m_program.Filter, *list, concert);
    if (ShowMainWindowRow)
        ShowMainWindowRow(row);
    accept();
}

void ShowCoverageForm(QWidget* parent, TProgram& program, IProgramHost& host, const std::function<void()>& refresh,
                      const std::function<void(int32_t row)>& showRow) {
    TCoverageForm form(program, host, parent);
    form.RefreshMainWindow = refresh;
    form.ShowMainWindowRow = showRow;
    form.exec();
}
