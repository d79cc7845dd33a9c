#include "ui/dialogs/ExportForm.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/TextCodec.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPage.h"
#include "controls/panels/MyPanel.h"
#include "core/Codes.h"
#include "program/CommandGuard.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kLineHeight = 14;
constexpr int kTextLeft = 6;

TRichLabel* Frame(QWidget* parent, const QRect& place, const char* caption) {
    auto* label = new TRichLabel(parent);
    label->setGeometry(place);
    label->setFont(MarkupFont("Arial", -11, true));
    label->SetAlignment(taCenter);
    label->SetVAlignment(taLeftJustify); // the caption heads the frame
    label->SetBorder(true);
    label->SetCaption(caption);
    return label;
}

QPushButton* Button(QWidget* parent, const QRect& place, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setGeometry(place);
    return button;
}

// The fourteen line texts in the order shown.
std::vector<std::string> LineTexts(const TExportOrder& order) {
    std::vector<std::string> texts;
    for (int32_t line : order)
        texts.push_back(PropertyLabel(line == kExportSeparatorLine ? 0 : line + 1));
    return texts;
}

} // namespace

TExportForm::TExportForm(QWidget* parent, TProgram& program, IProgramHost& host, const TStrings2& names)
    // A fixed dialog border: a title and a close box, nothing to resize or maximise.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_logic(program, host, names), m_host(host) {
    CreateControls();
    WireControls();
    ShowOrder({});
    m_paramsMP->SetChecked(1, m_logic.Options.DivideByTours);
    m_paramsMP->SetChecked(2, m_logic.Options.BandNameBeforeTour);
}

TExportForm::~TExportForm() {
    m_propsLB->OnDrawItem = nullptr;
    m_propsLB->OnDragOver = nullptr;
    m_propsLB->OnDragDrop = nullptr;
}

void TExportForm::CreateControls() {
    setWindowTitle(QStringLiteral("Export"));
    setFont(MarkupFont("Arial", -11));
    setFixedSize(396, 292);

    m_page = new TMyPage(this);
    m_page->setGeometry(0, 0, 396, 292);
    m_page->SetTabWidth(40);
    m_page->SetTabHeight(80);
    m_page->SetTextVertical(true);
    m_page->SetAlignText(taCenter);
    m_myTab1 = new TMyTab(m_page);
    m_myTab1->SetIndex(1);
    m_myTab1->SetCaption("Text");

    m_richLabel2 = Frame(m_myTab1, {5, 10, 206, 231}, "Properties");
    m_propsLB = new TMyListBox(m_myTab1);
    m_propsLB->setGeometry(15, 30, 186, 200);
    m_propsLB->SetItemHeight(kLineHeight);
    m_propsLB->SetMultiSelect(true);
    m_propsLB->SetDragAutomatic(true);

    m_richLabel1 = Frame(m_myTab1, {215, 10, 136, 106}, "Parameters");
    m_paramsMP = new TMyPanel(m_myTab1);
    m_paramsMP->setGeometry(225, 35, 116, 70);
    m_paramsMP->SetColumns(1);
    m_paramsMP->SetItemHeight(35);
    m_paramsMP->SetItems({"Divide by||| tours ", "Band name||| before tour name "});
    // The format is chosen before the export, so it stands above the button.
    m_formatLabel = Frame(m_myTab1, {215, 122, 136, 58}, "Format");
    m_formatCB = new QComboBox(m_myTab1);
    m_formatCB->setGeometry(225, 146, 116, 24);
    for (const TExportFormatInfo& format : ExportFormats())
        m_formatCB->addItem(QString::fromLatin1(format.Caption));
    m_formatCB->setCurrentIndex(static_cast<int>(m_logic.Format));
    m_exportBtn = Button(m_myTab1, {245, 196, 75, 25}, "&Export");

    // The window's own buttons stand over the page.
    m_button1 = Button(this, {96, 255, 75, 25}, "Ok");
    m_button1->setDefault(true);
    m_button2 = Button(this, {176, 255, 75, 25}, "Cancel");
    m_helpBtn = Button(this, {256, 255, 75, 25}, "Help");
    m_page->Loaded();
}

void TExportForm::WireControls() {
    m_propsLB->OnDrawItem = [this](TMyListBox&, int32_t index, const QRect& rect, TOwnerDrawState, QPainter& canvas) {
        PropsLBDrawItem(index, rect, canvas);
    };
    m_propsLB->OnDragOver = [this](TMyListBox&, QObject* source, int, int, bool& accept) {
        accept = source == m_propsLB;
    };
    m_propsLB->OnDragDrop = [this](TMyListBox&, QObject* source, int x, int y) {
        if (source == m_propsLB)
            PropsLBDragDrop(x, y);
    };
    m_propsLB->installEventFilter(this);
    // The window's command: a failure ends the export, and the window stays.
    connect(m_exportBtn, &QPushButton::clicked, this,
            [this] { RunCommandGuarded(m_host, {TActionId::cmExport}, [this] { ExportBtnClick(); }); });
    connect(m_button1, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(m_button2, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(m_helpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

void TExportForm::ShowOrder(const std::array<bool, kExportLineCount>& selected) {
    m_propsLB->SetItems(LineTexts(m_logic.Order));
    // The cursor goes with the moved lines, without touching the selection.
    const auto first = std::find(selected.begin(), selected.end(), true);
    if (first != selected.end())
        m_propsLB->setCurrentItem(m_propsLB->item(static_cast<int>(first - selected.begin())),
                                  QItemSelectionModel::NoUpdate);
    for (int k = 0; k < kExportLineCount; ++k)
        m_propsLB->SetSelected(k, selected[static_cast<size_t>(k)]);
    m_propsLB->viewport()->update();
}

std::array<bool, kExportLineCount> TExportForm::SelectedLines() const {
    std::array<bool, kExportLineCount> selected{};
    for (int k = 0; k < kExportLineCount; ++k)
        selected[static_cast<size_t>(k)] = m_propsLB->Selected(k);
    return selected;
}

void TExportForm::PropsLBDrawItem(int32_t index, const QRect& rect, QPainter& canvas) {
    if (index < 0 || index >= kExportLineCount)
        return;
    canvas.save();
    canvas.fillRect(rect, canvas.brush());
    const int32_t line = m_logic.Order[static_cast<size_t>(index)];
    const int bottom = rect.top() + rect.height();
    if (line != kExportSeparatorLine) {
        QFont font = canvas.font();
        font.setBold(IsExportedPosition(m_logic.Order, index));
        canvas.setFont(font);
        const int h = QFontMetrics(font).height();
        const QRect text(rect.left() + kTextLeft, (rect.top() + bottom - h) / 2, rect.width(), h);
        canvas.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        BytesToQString(ExportLineCaption(line)));
    } else {
        const int y = (rect.top() + bottom) / 2;
        canvas.drawLine(rect.left() + kTextLeft, y, rect.left() + rect.width() - kTextLeft, y);
    }
    canvas.restore();
}

void TExportForm::PropsLBDragDrop(int x, int y) {
    ShowOrder(m_logic.Drop(SelectedLines(), m_propsLB->ItemAtPos(QPoint(x, y), false)));
}

void TExportForm::StepSelectedLines(bool down) {
    const std::array<bool, kExportLineCount> selected = SelectedLines();
    const int target = StepTarget(selected, down);
    if (target >= 0)
        ShowOrder(m_logic.Drop(selected, target));
}

void TExportForm::TakeOptions() {
    m_logic.Options = {m_paramsMP->Checked(1), m_paramsMP->Checked(2)};
    TExportFormat format;
    if (ExportFormatOfNumber(m_formatCB->currentIndex(), format))
        m_logic.Format = format;
}

void TExportForm::ExportBtnClick() {
    TakeOptions();
    m_logic.Export();
}

void TExportForm::HelpBtnClick() {
    if (m_page->ActivePage() == m_myTab1->Index())
        m_host.ShowHelp(TExportFormLogic::HelpText(), TExportFormLogic::kHelpWidth, TExportFormLogic::kHelpHeight);
}

void TExportForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        m_helpBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TExportForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_propsLB && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            StepSelectedLines(key->key() == Qt::Key_Down);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TExportForm::done(int result) {
    TakeOptions();
    m_logic.Close(result == Accepted ? Msg::ResultOk : Msg::ResultCancel);
    QDialog::done(result);
}
