#include "ui/dialogs/ImportForm.h"

#include "controls/markup/MarkupLiteral.h"
#include "controls/markup/TextCodec.h"
#include "platform/FileSystem.h"
#include "program/Program.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 560;
// The preview's first row holds the field boxes, the second the file's own names.
constexpr int kFieldRow = 0;
constexpr int kNameRow = 1;
constexpr int kFirstDataRow = 2;

const char* const kReading = "Reading the trader's list";

const char* const kFormatCaptions[kTradeFormatCount] = {"Comma- or tab-separated values", "Text in padded columns",
                                                        "Table of a web page"};

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TImportForm::TImportForm(TProgram& program, IProgramHost& host, const TStrings2& names, QWidget* parent)
    : QDialog(parent), m_program(program), m_host(host), m_logic(names) {
    setWindowTitle(QStringLiteral("Import trader's list"));
    resize(kWidth, kHeight);
    CreateControls();
    WireControls();
    Fill();
}

void TImportForm::CreateControls() {
    auto* rows = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    m_file = new QLineEdit(this);
    m_file->setReadOnly(true);
    m_file->setPlaceholderText(QStringLiteral("Choose a CSV, text or web page file"));
    m_browse = new QPushButton(QStringLiteral("&Browse\u2026"), this);
    m_browse->setAutoDefault(false);
    top->addWidget(new QLabel(QStringLiteral("File:"), this), 0, 0);
    top->addWidget(m_file, 0, 1, 1, 4);
    top->addWidget(m_browse, 0, 5);

    m_format = new QComboBox(this);
    for (const char* caption : kFormatCaptions)
        m_format->addItem(QString::fromUtf8(caption));
    m_table = new QComboBox(this);
    m_dateForm = new QComboBox(this);
    for (int form = 0; form < kDateFormCount; ++form)
        m_dateForm->addItem(QString::fromUtf8(DateFormSample(TDateForm(form))));
    top->addWidget(new QLabel(QStringLiteral("&Format:"), this), 1, 0);
    top->addWidget(m_format, 1, 1);
    top->addWidget(new QLabel(QStringLiteral("&Table:"), this), 1, 2);
    top->addWidget(m_table, 1, 3);
    top->addWidget(new QLabel(QStringLiteral("&Dates as:"), this), 1, 4);
    top->addWidget(m_dateForm, 1, 5);
    qobject_cast<QLabel*>(top->itemAtPosition(1, 0)->widget())->setBuddy(m_format);
    qobject_cast<QLabel*>(top->itemAtPosition(1, 2)->widget())->setBuddy(m_table);
    qobject_cast<QLabel*>(top->itemAtPosition(1, 4)->widget())->setBuddy(m_dateForm);
    top->setColumnStretch(1, 2);
    top->setColumnStretch(3, 1);
    rows->addLayout(top);

    m_summary = new QLabel(this);
    rows->addWidget(m_summary);
    m_preview = new QTableWidget(this);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setDefaultSectionSize(130);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 10);
    rows->addWidget(m_preview, 1);

    auto* bottom = new QHBoxLayout;
    m_newList = new QRadioButton(QStringLiteral("Open as &new list"), this);
    m_add = new QRadioButton(QStringLiteral("&Add to the current list"), this);
    m_newList->setChecked(true);
    m_add->setEnabled(m_program.CurrentList() != nullptr);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    bottom->addWidget(m_newList);
    bottom->addWidget(m_add);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    rows->addLayout(bottom);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TImportForm::WireControls() {
    connect(m_browse, &QPushButton::clicked, this, [this] { BrowseClick(); });
    connect(m_format, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int format) {
        if (m_filling || format < 0)
            return;
        m_host.RunAndWait(kReading, [&] { m_logic.SetFormat(TTradeFormat(format)); });
        Fill();
    });
    connect(m_table, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int table) {
        if (m_filling || table < 0)
            return;
        m_logic.SetTable(size_t(table));
        Fill();
    });
    connect(m_dateForm, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int form) {
        if (m_filling || form < 0)
            return;
        m_logic.SetDateForm(TDateForm(form));
        FillPreview();
    });
}

void TImportForm::BrowseClick() {
    TFileDialog dialog;
    dialog.Title = "Import trader's list";
    dialog.Filter = "Trader's lists (*.csv *.tsv *.txt *.htm *.html)|*.csv;*.tsv;*.txt;*.htm;*.html|All files (*)|*";
    dialog.InitialDir = m_program.ListsDir;
    dialog.MustExist = true;
    if (m_host.RunOpenDialog(dialog))
        OpenFile(dialog.FileName);
}

void TImportForm::OpenFile(const std::string& path) {
    TImportFormLogic read = m_logic;
    bool opened = false;
    std::string error;
    m_host.RunAndWait(kReading, [&] { opened = read.Open(path, error); });
    if (!opened) {
        m_host.ShowMsg("The file could not be read:||" + MarkupLiteral(path) + "||" + MarkupLiteral(AsSentence(error)),
                       Msg::Error, Msg::Ok, Msg::Centre);
        return;
    }
    m_logic = std::move(read);
    Fill();
}

bool TImportForm::AddToCurrent() const {
    return m_add->isChecked();
}

QComboBox* TImportForm::FieldBox(int column) const {
    return qobject_cast<QComboBox*>(m_preview->cellWidget(kFieldRow, column));
}

void TImportForm::Fill() {
    m_filling = true;
    m_file->setText(QString::fromStdString(m_logic.Path()));
    m_format->setCurrentIndex(int(m_logic.File().Format));
    m_table->clear();
    const std::vector<TTradeTable>& tables = m_logic.File().Tables;
    for (size_t t = 0; t < tables.size(); ++t)
        m_table->addItem(QStringLiteral("%1 (%2 rows)").arg(t + 1).arg(tables[t].Rows.size()));
    m_table->setCurrentIndex(int(m_logic.File().Table));
    m_table->setEnabled(tables.size() > 1);
    m_dateForm->setCurrentIndex(int(m_logic.DateForm()));
    m_summary->setText(m_logic.HasFile() ? QString::fromStdString(m_logic.Summary()) : QString());
    m_import->setEnabled(m_logic.HasFile() && !m_logic.Table().Rows.empty());

    const std::vector<TTradeField>& fields = m_logic.Fields();
    m_preview->setRowCount(0);
    m_preview->setColumnCount(int(fields.size()));
    m_preview->setRowCount(kFirstDataRow);
    for (size_t k = 0; k < fields.size(); ++k) {
        auto* box = new QComboBox(m_preview);
        for (int field = 0; field < kTradeFieldCount; ++field)
            box->addItem(QString::fromUtf8(TradeFieldName(TTradeField(field))));
        box->setCurrentIndex(int(fields[k]));
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, k](int field) {
            if (!m_filling && field >= 0) {
                m_logic.SetField(k, TTradeField(field));
                FillPreview();
            }
        });
        m_preview->setCellWidget(kFieldRow, int(k), box);
        m_preview->setHorizontalHeaderItem(int(k), new QTableWidgetItem(QString::number(k + 1)));
    }
    m_filling = false;
    FillPreview();
}

void TImportForm::FillPreview() {
    const std::vector<TTradeRow> rows = m_logic.Preview();
    const TTradeRow& names = m_logic.Table().Header;
    m_preview->setRowCount(kFirstDataRow + int(rows.size()));
    m_preview->setVerticalHeaderItem(kFieldRow, new QTableWidgetItem(QStringLiteral("Field")));
    m_preview->setVerticalHeaderItem(kNameRow, new QTableWidgetItem(QStringLiteral("Name")));
    for (size_t r = 0; r < rows.size(); ++r)
        m_preview->setVerticalHeaderItem(kFirstDataRow + int(r), new QTableWidgetItem(QString::number(r + 1)));
    for (int column = 0; column < m_preview->columnCount(); ++column) {
        const size_t k = size_t(column);
        auto* name = FixedItem(k < names.size() ? BytesToQString(names[k]) : QString());
        QFont italic = name->font();
        italic.setItalic(true);
        name->setFont(italic);
        m_preview->setItem(kNameRow, column, name);
        const bool ignored = m_logic.Fields()[k] == TTradeField::Ignore;
        for (size_t r = 0; r < rows.size(); ++r) {
            auto* cell = FixedItem(BytesToQString(rows[r][k]));
            if (ignored)
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_preview->setItem(kFirstDataRow + int(r), column, cell);
        }
    }
}

bool RunImportForm(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names) {
    TImportForm form(program, host, names, parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    const std::string path = form.Logic().Path();
    TProject* addTo = form.AddToCurrent() ? program.CurrentList() : nullptr;
    if (form.AddToCurrent() && !addTo)
        return false;
    TArrayOfBootData records;
    std::string error;
    bool added = false;
    host.RunAndWait("Importing the trader's list", [&] {
        records = form.Records();
        TImportFormLogic spent = std::move(form.Logic()); // its rows are freed here, not on the window's thread
        if (addTo)
            added = AddImportToList(program, *addTo, std::move(records), path, error);
    });
    // A new list takes the bootlegs whole, as a joined one does.
    if (!addTo)
        added = OpenImportAsList(program, std::move(records), error);
    if (!added && !error.empty())
        host.ShowMsg(MarkupLiteral(error), Msg::Error, Msg::Ok, Msg::Centre);
    return added;
}
