#include "ui/dialogs/ConcertsForm.h"

#include "controls/bitmaps/ImageList.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/QtColorScheme.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "program/ListCells.h"
#include "program/ListCommands.h"
#include "program/Program.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/InputQuery.h"
#include "ui/dialogs/TourLine.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 768;
constexpr int kClientHeight = 546;
constexpr int kToolBarHeight = 25;
constexpr int kButtonWidth = 25;
constexpr int kSeparatorWidth = 4;
constexpr int kTourCBWidth = 239;
constexpr int kTourCBLines = 32;
constexpr int kHelpWidth = 350;
constexpr int kHelpHeight = 300;

// Pictures of the main window's tool bar.
constexpr int kCopyImage = 8;
constexpr int kFindImage = 11;
constexpr int kFindNextImage = 12;
constexpr int kAddImage = 17;
constexpr int kHelpImage = 23;

const char* const kHelpLines[] = {
    "|b Copy|f  [ctrl+c] - copy values from the table to the clipboard",
    "",
    "|b Find|f  [ctrl+f] - find a string in the talbe",
    "",
    "|b Find next|f  [F3] - find next occurrence of a string in the table",
    "",
    "|b Add|f  [ctrl+a] - Add selected concert to the current list",
    "",
    "With band and tour lists you can select which concerts you want to see in the table.",
};

std::string HelpText() {
    std::string text;
    for (const char* line : kHelpLines)
        text += std::string(line) + "\r\n";
    return text;
}

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(kSeparatorWidth);
    return line;
}

} // namespace

TConcertsForm::TConcertsForm(TProgram& program, const TImageList& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_program(program) {
    setWindowTitle(QStringLiteral("Concerts list"));
    setFont(MarkupFont("Arial", -11));
    setFixedSize(kClientWidth, kClientHeight);
    AskFindText = [this](std::string& text) { return InputQuery(this, "Find text", "Search string", text); };
    CreateControls(images);
    CreateMenu();
    WireControls();

    // FormCreate: the stored line, or none when it lies outside the box.
    m_tourCB->SetLines(m_program.BandLines);
    const int32_t line = m_program.ConcListIndex;
    m_tourCB->setCurrentIndex(line >= 0 && line < m_tourCB->count() ? line : -1);
    SetValues();
    m_grid->setFocus();
}

TConcertsForm::~TConcertsForm() {
    m_grid->OnCellColor = nullptr;
    m_tourCB->disconnect(this);
}

void TConcertsForm::CreateControls(const TImageList& images) {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    auto* toolBar1 = new QWidget(this);
    toolBar1->setObjectName(QStringLiteral("ToolBar1"));
    toolBar1->setFixedHeight(kToolBarHeight);
    auto* tools = new QHBoxLayout(toolBar1);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(0);
    auto button = [&](int image, const char* hint) {
        auto* b = new QToolButton(toolBar1);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(kButtonWidth, kToolBarHeight);
        b->setIconSize(QSize(images.Width(), images.Height()));
        b->setToolTip(QString::fromUtf8(hint));
        b->setProperty("image", image);
        if (image < images.Count())
            b->setIcon(images.Icon(image));
        tools->addWidget(b);
        m_buttons.push_back(b);
        return b;
    };
    button(kCopyImage, "Copy to clipboard");
    tools->addWidget(Separator(toolBar1));
    button(kFindImage, "Find");
    button(kFindNextImage, "Find next");
    tools->addWidget(Separator(toolBar1));
    button(kAddImage, "Add selected to list");
    tools->addWidget(Separator(toolBar1));

    m_tourCB = new TTourComboBox(toolBar1);
    m_tourCB->setFixedWidth(kTourCBWidth);
    m_tourCB->setMaxVisibleItems(kTourCBLines);
    tools->addWidget(m_tourCB);
    QToolButton* help = button(kHelpImage, "Help");
    help->setText(QStringLiteral("Help"));
    help->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    help->setMinimumWidth(0);
    help->setMaximumWidth(QWIDGETSIZE_MAX);
    tools->addStretch(1);
    rows->addWidget(toolBar1);

    m_grid = new TExcelGrid2(this);
    m_grid->SetEditorEnabled(false);
    m_grid->SetResizeEnabled(false);
    m_grid->SetDragEnabled(false);
    m_grid->SetHeadingHeight(20);
    m_grid->SetHeadingWidth(30);
    m_grid->SetRowHeight(20);
    m_grid->SetHeadingAlign(taCenter);
    SetConcertColumns(*m_grid);
    rows->addWidget(m_grid, 1);
}

void TConcertsForm::CreateMenu() {
    m_popupMenu1 = new QMenu(this);
    auto item = [this](const char* caption, const char* key, std::function<void()> run) {
        auto* action = new QAction(QString::fromUtf8(caption), this);
        action->setShortcut(QKeySequence(QString::fromUtf8(key), QKeySequence::PortableText));
        connect(action, &QAction::triggered, this, std::move(run));
        addAction(action); // the keys work wherever the focus is in the window
        m_popupMenu1->addAction(action);
        return action;
    };
    item("&Add to my list", "Ctrl+A", [this] { AddClick(); })->setObjectName(QStringLiteral("cmMark1"));
    m_popupMenu1->addSeparator();
    item("&Find", "Ctrl+F", [this] { Find1Click(true); })->setObjectName(QStringLiteral("Find1"));
    item("Find &Next", "F3", [this] { Find1Click(false); })->setObjectName(QStringLiteral("FindNext1"));

    auto* helpKey = new QAction(this);
    helpKey->setShortcut(Qt::Key_F1);
    connect(helpKey, &QAction::triggered, this, [this] { HelpClick(); });
    addAction(helpKey);
}

void TConcertsForm::WireControls() {
    const auto click = [this](int image, std::function<void()> run) {
        connect(ToolButton(image), &QToolButton::clicked, this, std::move(run));
    };
    click(kCopyImage, [this] { CopyClick(); });
    click(kFindImage, [this] { Find1Click(true); });
    click(kFindNextImage, [this] { Find1Click(false); });
    click(kAddImage, [this] { AddClick(); });
    click(kHelpImage, [this] { HelpClick(); });
    connect(m_tourCB, &QComboBox::currentIndexChanged, this, [this](int) { ValuesChange(); });
    m_grid->OnCellColor = [this](TGridModel&, TColor& color, bool& change, int32_t x, int32_t y) {
        GridCellColor(color, change, x, y);
    };
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popupMenu1->popup(m_grid->mapToGlobal(at)); });
}

QToolButton* TConcertsForm::ToolButton(int image) const {
    for (QToolButton* b : m_buttons)
        if (b->property("image").toInt() == image)
            return b;
    return nullptr;
}

void TConcertsForm::SetValues() {
    m_rows = ConcertRows(m_program.Filter.Bands, m_tourCB->currentIndex());
    const TProject* list = m_program.CurrentList();
    m_owned = list ? OwnedConcertRows(m_rows, list->Data) : std::vector<bool>(m_rows.size(), false);
    FillConcertGrid(*m_grid, m_rows);
    m_grid->ScrollInView();
    m_grid->Invalidate();
}

void TConcertsForm::ValuesChange() {
    SetValues();
}

void TConcertsForm::GridCellColor(TColor& color, bool& change, int32_t x, int32_t y) {
    const bool owned = y >= 1 && static_cast<size_t>(y) <= m_owned.size() && m_owned[static_cast<size_t>(y - 1)];
    const TScheme scheme = SchemeOf(m_grid->palette());
    ApplyListCellColor(color, change, ConcertCellColor(x, y, owned, scheme), scheme);
}

void TConcertsForm::CopyClick() {
    if (m_grid->Focused())
        m_grid->CopyToClipboard();
}

void TConcertsForm::Find1Click(bool alwaysAsk) {
    if (alwaysAsk || m_findText.empty()) {
        std::string text = m_findText;
        if (!AskFindText || !AskFindText(text))
            return;
        m_findText = text;
    }
    if (FindNextInGrid(*m_grid, m_findText)) {
        m_grid->setFocus(); // so that Ctrl+C copies what was found
        m_grid->Invalidate();
    }
}

void TConcertsForm::AddClick() {
    TProject* list = AddConcertToCurrentList(m_program, m_rows, m_grid->Row);
    if (!list)
        return;
    if (RefreshMainWindow)
        RefreshMainWindow();
    m_owned = OwnedConcertRows(m_rows, list->Data);
    m_grid->Invalidate();
}

void TConcertsForm::HelpClick() {
    ShowHelpPopup(this, HelpText(), kHelpWidth, kHelpHeight);
}

void TConcertsForm::done(int result) {
    m_program.ConcListIndex = m_tourCB->currentIndex();
    QDialog::done(result);
}

void ShowConcertsForm(QWidget* parent, TProgram& program, const TImageList& images,
                      const std::function<void()>& refreshMainWindow) {
    TConcertsForm form(program, images, parent);
    form.RefreshMainWindow = refreshMainWindow;
    form.exec();
}
