#include "MainForm.h"

#include "controls/markup/TextCodec.h"
#include "core/Codes.h"
#include "platform/FileSystem.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Help.h"
#include "ui/dialogs/MessageDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// "Name (*.ext)|*.ext" to the dialog filter "Name (*.ext)".
QString DialogFilter(const std::string& filter) {
    return BytesToQString(filter.substr(0, filter.find('|')));
}

} // namespace

TMainForm::TMainForm(ISettingsStore& store, const TProgramFolders& folders, std::vector<std::string> startLists,
                     QWidget* parent)
    : QMainWindow(parent), m_startLists(std::move(startLists)) {
    setWindowTitle(QStringLiteral("Korvalen"));
    resize(780, 580);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabBar(central);
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_view = new QTableWidget(central);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    layout->addWidget(m_tabs);
    layout->addWidget(m_view, 1);
    setCentralWidget(central);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) { RefreshView(); });

    CreateActions();

    m_startTimer = new QTimer(this);
    m_startTimer->setInterval(100);
    connect(m_startTimer, &QTimer::timeout, this, &TMainForm::FirstTick);
    m_startTimer->start();

    m_program = std::make_unique<TProgram>(*this, store, folders);
    RefreshView();
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::AddAction(const char* caption, const char* hint, const QKeySequence& shortcut, TAction action) {
    auto* item = new QAction(QString::fromUtf8(caption), this);
    if (hint)
        item->setStatusTip(QString::fromUtf8(hint));
    item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, [this, action] { m_program->Execute(action); });
    return item;
}

void TMainForm::CreateActions() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(AddAction("&New", "New list", QKeySequence(Qt::CTRL | Qt::Key_N), {TActionId::cmNew}));
    file->addAction(AddAction("&Open", "Open list", QKeySequence(Qt::CTRL | Qt::Key_O), {TActionId::cmOpen}));
    file->addAction(AddAction("Close", "Close list", QKeySequence(Qt::ALT | Qt::Key_X), {TActionId::cmClose}));
    file->addAction(AddAction("Close all", "Close all lists", {}, {TActionId::cmCloseAll}));
    file->addSeparator();
    for (int i = 1; i <= THistory::kSize; ++i) {
        m_historyActions[i - 1] = AddAction("", nullptr, {}, {TActionId::cmFileHist, i});
        file->addAction(m_historyActions[i - 1]);
    }
    file->addSeparator();
    file->addAction(AddAction("E&xit", "Exit from program", {}, {TActionId::cmExit}));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    auto* about = new QAction(QStringLiteral("&About"), this);
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this, false); });
    help->addAction(about);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    const TWindowPlacement& placement = m_program->MainPlacement;
    setGeometry(placement.Left, placement.Top, placement.Right - placement.Left, placement.Bottom - placement.Top);
    if (placement.ShowState == 3)
        setWindowState(Qt::WindowMaximized);
    else if (placement.ShowState == 2)
        setWindowState(Qt::WindowMinimized);
}

void TMainForm::FirstTick() {
    if (!isVisible())
        return;
    m_startTimer->stop();
    ShowAboutBox(this, true);
    const std::string& recent = m_program->History.Entry(1);
    if (!recent.empty() && FileSystem().IsFile(recent))
        m_program->OpenList(recent);
    for (const std::string& path : m_startLists)
        if (path != recent)
            m_program->OpenList(path);
    std::string warning = m_program->StartupWarning();
    if (!warning.empty())
        ShowMsg(warning, Msg::Warning, Msg::Ok, Msg::Left);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!m_program->CloseAllForExit()) {
        event->ignore();
        return;
    }
    std::string error;
    if (!m_program->SaveSettings(error))
        ShowMsg("The settings could not be saved:||" + MarkupLiteral(error), Msg::Error, Msg::Ok, Msg::Centre);
    event->accept();
}

int TMainForm::ShowMsg(const std::string& text, int kind, int buttons, int alignment) {
    return ShowMessageDialog(this, text, kind, buttons, alignment);
}

void TMainForm::ShowHelp(const std::string& text, int width, int height) {
    ShowHelpPopup(this, text, width, height);
}

bool TMainForm::RunFileDialog(TFileDialog& dialog, bool saving) {
    QFileDialog chooser(this, BytesToQString(dialog.Title), BytesToQString(dialog.InitialDir), DialogFilter(dialog.Filter));
    if (saving) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        if (!dialog.OverwritePrompt)
            chooser.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        chooser.setFileMode(QFileDialog::ExistingFile);
    }
    chooser.setDefaultSuffix(BytesToQString(dialog.DefaultExt));
    if (!dialog.FileName.empty())
        chooser.selectFile(BytesToQString(dialog.FileName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return false;
    dialog.FileName = QStringToBytes(chooser.selectedFiles().first());
    return true;
}

bool TMainForm::RunOpenDialog(TFileDialog& dialog) { return RunFileDialog(dialog, false); }

bool TMainForm::RunSaveDialog(TFileDialog& dialog) { return RunFileDialog(dialog, true); }

void TMainForm::AddTab(const std::string& caption) {
    m_tabs->addTab(BytesToQString(caption));
}

void TMainForm::DeleteTab(int index) {
    m_tabs->removeTab(index);
}

void TMainForm::SetTabCaption(int index, const std::string& caption) {
    m_tabs->setTabText(index, BytesToQString(caption));
}

int TMainForm::CurrentTab() const {
    return m_tabs->currentIndex();
}

void TMainForm::SetCurrentTab(int index) {
    m_tabs->setCurrentIndex(index);
}

void TMainForm::SetFilterLines(const std::vector<std::string>&, const std::vector<std::string>&,
                               const std::vector<std::string>&) {
    // The filter panel comes with the list view; until then every record shows.
}

void TMainForm::SetHistoryMenu(const THistoryMenu& menu) {
    for (int i = 0; i < THistory::kSize; ++i) {
        m_historyActions[i]->setText(BytesToQString(menu[i].Caption));
        m_historyActions[i]->setVisible(menu[i].Visible);
        m_historyActions[i]->setEnabled(menu[i].Enabled);
    }
}

void TMainForm::RefreshView() {
    if (!m_program)
        return;
    TProject* list = m_program->CurrentList();
    m_tabs->setVisible(!m_program->Lists.empty());
    m_view->setVisible(list != nullptr);
    if (!list)
        return;
    list->BuildView(m_program->Filter);
    m_view->clear();
    m_view->setColumnCount(kPropertyCount);
    m_view->setRowCount(static_cast<int>(list->View.size()));
    for (int c = 0; c < kPropertyCount; ++c) {
        m_view->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(TemplateColumnHeading(c + 2))));
        m_view->setColumnWidth(c, m_program->GridWidths[static_cast<size_t>(c + 1)]);
    }
    for (size_t r = 0; r < list->View.size(); ++r) {
        const TBootData& record = list->Data[static_cast<size_t>(list->View[r])];
        const std::string cells[kPropertyCount] = {record.Band,
                                                   record.Date,
                                                   record.City,
                                                   record.Country,
                                                   record.Venue,
                                                   record.Name,
                                                   DefaultSourceName(record.Source),
                                                   DefaultMediaName(record.Media),
                                                   record.Quality,
                                                   record.Num,
                                                   record.Covers[0].empty() ? "" : "+",
                                                   record.Info.empty() ? "" : "+",
                                                   record.Comment};
        for (int c = 0; c < kPropertyCount; ++c)
            m_view->setItem(static_cast<int>(r), c, new QTableWidgetItem(BytesToQString(cells[c])));
    }
}

void TMainForm::FocusGrid() {
    m_view->setFocus();
}

void TMainForm::CloseMainWindow() {
    close();
}

void TMainForm::ExecuteListCommand(int, const TAction&) {
    // The list commands come with the grid.
}

TWindowPlacement TMainForm::MainWindowPlacement() const {
    TWindowPlacement placement;
    placement.ShowState = isMaximized() ? 3 : (isMinimized() ? 2 : 1);
    QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    placement.Left = normal.left();
    placement.Top = normal.top();
    placement.Right = normal.left() + normal.width();
    placement.Bottom = normal.top() + normal.height();
    return placement;
}

TScreenSize TMainForm::VirtualScreenSize() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->virtualGeometry().size() : QSize(1024, 768);
    return {size.width(), size.height()};
}
