// The main window's widget tree, its actions, menus and tool bar: made once,
// before anything is wired to them or the program starts.
#include "MainForm.h"

#include "controls/bitmaps/BitmapImage.h"
#include "controls/bitmaps/StoredResources.h"
#include "controls/bitmaps/VectorPictures.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "program/ActionTable.h"
#include "program/Version.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/FirstStartPanel.h"
#include "ui/main/FocusFrame.h"
#include "ui/main/GridPopup.h"
#include "ui/main/QuickFilterBox.h"
#include "ui/main/TitlePaintBox.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 560;
constexpr int kMinimumHeight = 520;
constexpr int kTitleMinimumWidth = 280;

// A layout of `widget` without margins or spacing.
template <class TBox> TBox* TightLayout(QWidget* widget) {
    auto* box = new TBox(widget);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    return box;
}

} // namespace

void TMainForm::BuildWidgets() {
    setWindowTitle(QString::fromLatin1(kProgramName) + QStringLiteral(" v") + QString::fromLatin1(kCaptionVersion));
    setFont(MarkupFont("Arial", -11));
    resize(kMainWindowSize.Width, kMainWindowSize.Height);
    // Small enough for any screen, large enough that the filter lists stay whole.
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    LoadStoredData();

    auto* central = new QWidget(this);
    auto* columns = TightLayout<QHBoxLayout>(central);
    m_rollup = new TFilterPanel(central);
    columns->addWidget(m_rollup);

    auto* panel1 = new QWidget(central);
    auto* rows = TightLayout<QVBoxLayout>(panel1);
    // The focus frame around the list takes the place of the margins beside and below it.
    rows->setContentsMargins(0, 2, 0, 0);
    m_tabs = new QTabBar(panel1);
    m_tabs->setExpanding(false);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->setMouseTracking(true); // hot tracking
    m_tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    rows->addWidget(m_tabs);
    // Panel2: the title bar over the grid, lit around while the grid has the focus.
    auto* panel2 = new QWidget(panel1);
    auto* listRows = TightLayout<QVBoxLayout>(panel2);
    // The quick filter box stands beside the title bar, over the grid it narrows.
    auto* titleRow = TightLayout<QHBoxLayout>(nullptr);
    m_title = new TTitlePaintBox(panel2);
    titleRow->addWidget(m_title, 1);
    m_title->setMinimumWidth(kTitleMinimumWidth); // its three texts, the name shortened
    m_quickFilter = new TQuickFilterBox(panel2);
    titleRow->addWidget(m_quickFilter);
    listRows->addLayout(titleRow);
    CreateGrid();
    listRows->addWidget(m_grid, 1);
    m_firstStart = new TFirstStartPanel(panel2);
    listRows->addWidget(m_firstStart, 1);
    rows->addWidget(new TFocusFrame(panel2, panel1), 1);
    columns->addWidget(panel1, 1);
    setCentralWidget(central);

    CreateActions();
    CreateMenus();
    CreateToolBar();
}

void TMainForm::LoadStoredData() {
    std::string error;
    if (!LoadStoredGridStr(m_gridStr, error) || !LoadStoredTemplateGrid(m_template, error) ||
        !LoadStoredBitmaps(m_bc, error))
        m_storedDataError = error;
    if (m_template.ColCount() != kTemplateColumns) {
        // Without its stored columns the list still shows, with blank headings.
        m_template.SetColCount(kTemplateColumns);
        for (int32_t i = 1; i <= kTemplateColumns; ++i) {
            m_template.Column(i).Kind = ckText;
            m_template.Column(i).Enabled = true;
        }
    }
    AddToImageList(m_bc, m_toolbarImages, 1);
    m_toolbarImages.SetVectorSource(ToolbarPictureSource);
    for (int32_t i = 1; i <= 5; ++i) {
        QImage picture;
        std::string damaged; // an icon that cannot be read stays empty
        if (GetBitmap(m_bc, i + 1, picture, damaged))
            m_icons[static_cast<size_t>(i)] = MaskedImage(picture, BottomLeftColor(picture));
    }
}

void TMainForm::CreateGrid() {
    m_grid = new TExcelGrid2(this);
    m_grid->setFont(MarkupFont("Arial", -11));
    m_grid->SetHeadingHeight(40);
    m_grid->SetHeadingWidth(30);
    m_grid->SetHeadingAlign(taCenter);
    m_grid->SetRowHeight(20);
    m_grid->SetEditorEnabled(true);
    m_grid->SetResizeEnabled(true);
    m_grid->SetDragEnabled(false);
    m_grid->SetDisableClipboard(false);
    m_grid->SetColorCalculate(false);
    m_grid->SetDrawInsideCell(true);
}

void TMainForm::CreateActions() {
    for (const TActionInfo& info : ActionTable()) {
        auto* item = new QAction(QString::fromUtf8(info.Caption), this);
        if (info.Hint)
            item->setToolTip(QString::fromUtf8(info.Hint).remove(QLatin1Char('&')));
        QList<QKeySequence> keys;
        for (const char* key : {info.Shortcut, info.AltShortcut})
            if (key)
                keys.append(QKeySequence(QString::fromUtf8(key), QKeySequence::PortableText));
        item->setShortcuts(keys);
        if (info.Image >= 0 && info.Image < m_toolbarImages.Count())
            item->setIcon(m_toolbarImages.Icon(info.Image));
        item->setCheckable(info.Toggle);
        const TAction action{info.Id};
        connect(item, &QAction::triggered, this, [this, action] { Execute(action); });
        addAction(item); // shortcuts work wherever the focus is
        m_actions[info.Id] = item;
    }
    for (int i = 1; i <= THistory::kSize; ++i) {
        auto* item = new QAction(this);
        const TAction action{TActionId::cmFileHist, i};
        connect(item, &QAction::triggered, this, [this, action] { Execute(action); });
        m_historyActions[static_cast<size_t>(i - 1)] = item;
    }
    auto* pages = new QActionGroup(this);
    for (const TCodePageInfo& info : CodePages()) {
        auto* item = pages->addAction(
            QStringLiteral("%1 (%2)").arg(QString::fromUtf8(info.Script), QString::fromUtf8(info.Name)));
        item->setCheckable(true);
        const TAction action{TActionId::cmCodePage, static_cast<int>(info.Page)};
        connect(item, &QAction::triggered, this, [this, action] { Execute(action); });
        m_codePageActions.push_back(item);
    }
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { StepTab(true); });
    for (QKeySequence back :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)}) {
        auto* previous = new QShortcut(back, this);
        connect(previous, &QShortcut::activated, this, [this] { StepTab(false); });
    }
}

QMenu* TMainForm::BuildMenu(QMenu* menu, const std::vector<TMenuItem>& items) {
    for (const TMenuItem& item : items) {
        if (item.Kind == TMenuItem::Separator)
            menu->addSeparator();
        else if (item.Kind == TMenuItem::FileHistory)
            for (QAction* entry : m_historyActions)
                menu->addAction(entry);
        else if (item.Kind == TMenuItem::CodePages)
            menu->addMenu(QStringLiteral("Legacy &code page"))
                ->addActions({m_codePageActions.begin(), m_codePageActions.end()});
        else
            menu->addAction(Action(item.Id));
    }
    return menu;
}

void TMainForm::CreateMenus() {
    for (const TMenu& menu : MainMenus())
        BuildMenu(menuBar()->addMenu(QString::fromUtf8(menu.Caption)), menu.Items);
    m_gridMenu = BuildMenu(new QMenu(this), GridPopupMenu());
    AttachGridPopup(*m_grid, *m_gridMenu);
    m_tabMenu = BuildMenu(new QMenu(this), TabPopupMenu());
}

void TMainForm::CreateToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Tool bar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const TMenuItem& item : ToolBarItems()) {
        if (item.Kind == TMenuItem::Separator) {
            m_toolBar->addSeparator();
            continue;
        }
        m_toolBar->addAction(Action(item.Id));
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(Action(item.Id)))) {
            button->setFixedSize(25, 23);
            button->setAutoRaise(true);
        }
    }
}
