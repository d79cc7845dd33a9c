#include "CompareForm.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"
#include "controls/markup/RichText.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPanel.h"
#include "program/Program.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 357;
constexpr int kClientHeight = 339;
constexpr int kLineHeight = 14;
constexpr int kOptionHeight = 24;
constexpr int32_t kSourceItem = 1;
constexpr int32_t kMediaItem = 2;
constexpr int32_t kLooseItem = 3;

// A bordered frame with its caption in bold at the top.
void AddFrame(QWidget* parent, const QRect& place, const char* caption) {
    auto* frame = new TRichLabel(parent);
    frame->setGeometry(place);
    frame->setFont(MarkupFont("Arial", -11, true));
    frame->SetVAlignment(taLeftJustify);
    frame->SetCaption(caption);
}

QPushButton* AddButton(QWidget* parent, const QRect& place, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCompareForm::TCompareForm(TProgram& program, IProgramHost& host, QWidget* parent)
    : QDialog(parent), m_program(program), m_logic(program, host) {
    setWindowTitle(QStringLiteral("Functions"));
    setFont(MarkupFont("Arial", -11));
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    WireControls();
    FormCreate();
}

void TCompareForm::CreateControls() {
    // Frames first, so that what they hold lies above them.
    AddFrame(this, {5, 10, 206, 271}, "Lists");
    AddFrame(this, {215, 10, 136, 110}, "Parameters");
    AddFrame(this, {215, 130, 136, 151}, "Functions");

    m_listLB = new TMyListBox(this);
    m_listLB->setGeometry(15, 30, 186, 242);
    m_listLB->SetItemHeight(kLineHeight);
    m_listLB->SetMultiSelect(true);

    m_paramsMP = new TMyPanel(this);
    m_paramsMP->setGeometry(225, 35, 116, 3 * kOptionHeight);
    m_paramsMP->SetItems({"Source", "Media", "Loose match"});
    m_paramsMP->SetColumns(1);
    m_paramsMP->SetItemHeight(kOptionHeight);
    m_paramsMP->SetTabStop(true);

    m_compareBtn = AddButton(this, {245, 155, 75, 25}, "Compare");
    m_joinBtn = AddButton(this, {245, 195, 76, 25}, "Join");
    m_wantsBtn = AddButton(this, {245, 235, 76, 25}, "Wants");
    m_wantsBtn->setToolTip(QStringLiteral("A new list of what the selected lists hold and the current one lacks"));
    m_button1 = AddButton(this, {101, 300, 75, 25}, "Close");
    m_button1->setDefault(true);
    m_helpBtn = AddButton(this, {181, 300, 75, 25}, "Help");

    m_helpRT = new TRichText(this);
    m_helpRT->hide();
    m_helpRT->SetText(TCompareFormLogic::HelpLines());
    m_listLB->setFocus();
}

void TCompareForm::WireControls() {
    connect(m_compareBtn, &QPushButton::clicked, this, [this] { CompareBtnClick(); });
    connect(m_joinBtn, &QPushButton::clicked, this, [this] { JoinBtnClick(); });
    connect(m_wantsBtn, &QPushButton::clicked, this, [this] {
        if (m_logic.Wants(Selection(), Options()))
            done(1);
    });
    connect(m_button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(m_helpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

void TCompareForm::FormCreate() {
    m_listLB->SetItems(m_logic.Lines());
    const std::vector<bool> selection = m_logic.Selection();
    for (size_t i = 0; i < selection.size(); ++i)
        m_listLB->SetSelected(static_cast<int32_t>(i), selection[i]);
    const TMatchOptions options = m_logic.Options();
    m_paramsMP->SetChecked(kSourceItem, options.Source);
    m_paramsMP->SetChecked(kMediaItem, options.Media);
    m_paramsMP->SetChecked(kLooseItem, options.Loose);
}

std::vector<bool> TCompareForm::Selection() const {
    std::vector<bool> selection;
    for (int32_t i = 0; i < m_listLB->Count(); ++i)
        selection.push_back(m_listLB->Selected(i));
    return selection;
}

TMatchOptions TCompareForm::Options() const {
    return {m_paramsMP->Checked(kSourceItem), m_paramsMP->Checked(kMediaItem), m_paramsMP->Checked(kLooseItem)};
}

void TCompareForm::done(int result) {
    // Every way out passes here: the close box and Esc as well as the buttons.
    if (!m_closed) {
        m_closed = true;
        m_logic.Close(Selection(), Options());
    }
    QDialog::done(result);
}

void TCompareForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        m_helpBtn->click();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        m_button1->click();
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TCompareForm::CompareBtnClick() {
    if (m_logic.Compare(Selection(), Options()))
        done(1);
}

void TCompareForm::JoinBtnClick() {
    if (m_logic.Join(Selection(), Options()))
        done(1);
}

void TCompareForm::HelpBtnClick() {
    m_program.ShowHelp(m_helpRT->JoinedText(), TCompareFormLogic::kHelpWidth, TCompareFormLogic::kHelpHeight);
}
