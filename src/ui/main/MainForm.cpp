#include "MainForm.h"

#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/MarkupLiteral.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/TextCodec.h"
#include "program/ActionTable.h"
#include "program/CommandGuard.h"
#include "program/FilterSelection.h"
#include "program/ListCommands.h"
#include "program/ListNames.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/ConcertsForm.h"
#include "ui/dialogs/ExportForm.h"
#include "ui/dialogs/HelpForm.h"
#include "ui/dialogs/MessageForm.h"
#include "ui/dialogs/QtWindowPlacement.h"
#include "ui/main/BackgroundWork.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/FirstStartPanel.h"
#include "ui/main/ListCommandRunner.h"
#include "ui/main/ListFileWatch.h"
#include "ui/main/ListWindows.h"
#include "ui/main/QtFileDialog.h"
#include "ui/main/QuickFilterBox.h"
#include "ui/main/TitlePaintBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

#include <cassert>

namespace {

// The rows of a grid that shows no list: empty, and without a cell held for
// each of the rows the last list had.
void EmptyRows(TGridModel&, int32_t) {}

constexpr int kHelpWidth = 600;
constexpr int kHelpHeight = 500;

} // namespace

TMainForm::TMainForm(ISettingsStore& store, const TProgramFolders& folders, std::vector<std::string> startLists,
                     TMainFormOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(options), m_startLists(std::move(startLists)) {
    BuildWidgets();
    WireWidgets();
    StartProgram(store, folders);
}

TMainForm::~TMainForm() {
    // Work still running ends, its file whole, but reports to nobody: the
    // window asked for it and is going (a close waits for it properly).
    m_background.reset();
    UnexpectedFailureReport() = nullptr;
    // The widgets go while the program and the handlers they call into still
    // exist, and nothing they signal on their way out reaches the window.
    m_rollup->disconnect(this);
    m_tabs->disconnect(this);
    m_grid->OnChange = nullptr;
    m_grid->OnColumnResize = nullptr;
    m_quickFilter->OnTextTyped = nullptr;
    m_quickFilter->OnLeave = nullptr;
    m_quickFilter->OnFocus = nullptr;
    m_firstStart->OnLink = nullptr;
    delete takeCentralWidget();
}

QAction* TMainForm::Action(TActionId id) const {
    auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void TMainForm::Execute(const TAction& action) {
    RunCommandGuarded(*this, action, [&] { Dispatch(action); });
}

void TMainForm::Dispatch(const TAction& action) {
    // Whatever the command, the text being typed into a cell belongs to the
    // list first. Delete and find concert act on the selected records: when
    // storing the text moves other records under the selection (the edited
    // row left the filter), they stop rather than act on records not chosen.
    const bool onSelection = action.Id == TActionId::cmDelete || action.Id == TActionId::cmFindConcert;
    const TProject* list = m_program->CurrentList();
    const std::vector<int32_t> selected =
        onSelection && list ? SelectedRecords(*m_grid, *list) : std::vector<int32_t>();
    m_grid->CommitEditors();
    if (onSelection && list && SelectedRecords(*m_grid, *list) != selected)
        return;
    // Whatever the command changes in the list is one step, taken when it ends.
    TProject* changing = m_program->CurrentList();
    ++m_commandDepth;
    try {
        ExecuteCommand(action);
    } catch (...) {
        // An abandoned command still closes what it changed into its step.
        if (--m_commandDepth == 0)
            CommitChange(changing);
        throw;
    }
    if (--m_commandDepth == 0) {
        CommitChange(changing);
        UpdateUndoActions();
    }
}

void TMainForm::ExecuteCommand(const TAction& action) {
    switch (action.Id) {
    case TActionId::cmSelectAll:
        m_rollup->SelectAllInFocusedList();
        ValuesChange(false);
        return;
    case TActionId::cmAbout:
        ShowAboutBox(this, false);
        return;
    case TActionId::cmImportList:
        RunImportWindow(*this);
        return;
    case TActionId::cmQuickFilter:
        if (m_quickFilter->isVisible()) {
            m_quickFilter->setFocus(Qt::ShortcutFocusReason);
            m_quickFilter->selectAll();
        }
        return;
    case TActionId::cmHelp:
        ShowHelp(MainHelpText(m_program->ProgramDir), kHelpWidth, kHelpHeight);
        return;
    case TActionId::cmCodePage: {
        TCodePage page = kDefaultCodePage;
        if (CodePageOfNumber(action.Tag, page))
            ShowInCodePage(page);
        return;
    }
    default:
        m_program->Execute(action);
        return;
    }
}

void TMainForm::SetValues() {
    SetValuesAfter(nullptr);
}

void TMainForm::SetValuesAfter(const std::vector<int32_t>* changedRows, bool viewBuilt) {
    if (!m_program)
        return;
    // An open editor belongs to the rows shown until now; it is stored before they change.
    m_grid->CommitEditors();
    {
        const QSignalBlocker block(m_rollup);
        m_settingValues = true;
        m_rollup->SetSelection(FilterSelection(m_program->Filter));
        m_settingValues = false;
    }
    TProject* list = m_program->CurrentList();
    // The list windows need a list; one that is not part of this build stays greyed out.
    for (TActionId window :
         {TActionId::cmCompare, TActionId::cmExport, TActionId::cmConcerts, TActionId::cmCoverage,
          TActionId::cmStatistics, TActionId::cmPrint, TActionId::cmExportPdf, TActionId::cmCopyMarked})
        Action(window)->setEnabled(list != nullptr && HasListWindow(window));
    Action(TActionId::cmMarkedOnly)->setEnabled(list != nullptr);
    Action(TActionId::cmMarkedOnly)->setChecked(list && list->MarkedOnly);
    ShowFirstStart(!list);
    if (!list) {
        m_grid->SetRowSource(EmptyRows);
        m_grid->hide();
        m_title->hide();
        m_quickFilter->hide();
        m_title->SetList(nullptr);
        m_lastFill = TGridFill();
        UpdateUndoActions();
        return;
    }
    m_grid->show();
    m_title->show();
    m_quickFilter->show();
    m_quickFilter->ShowText(list->QuickFilter.Text());
    m_colMap = viewBuilt ? ShowBuiltViewInGrid(*m_grid, m_template, *list, m_lastFill, changedRows)
                         : ShowListInGrid(*m_grid, m_template, *list, m_program->Filter, m_lastFill, changedRows);
    m_title->SetList(list);
    UpdateUndoActions();
}

void TMainForm::ShowFirstStart(bool noList) {
    if (noList) {
        const bool focused = m_grid->hasFocus() || !focusWidget();
        m_firstStart->SetText(FirstStartText(
            m_program->ToursDir, SampleListPath(m_program->ListsDir, InstalledSampleFolder(m_program->ExeName))));
        m_firstStart->show();
        if (focused)
            m_firstStart->setFocus();
    } else {
        m_firstStart->hide();
    }
}

void TMainForm::CommitChange(TProject* list) {
    for (const auto& open : m_program->Lists)
        if (open.get() == list)
            list->CommitChange(StepCaption(list->UndoSteps.OpenSummary(list->Data)));
}

void TMainForm::UpdateUndoActions() {
    const TProject* list = m_program ? m_program->CurrentList() : nullptr;
    auto update = [](QAction* action, bool enabled, const std::string& caption) {
        action->setEnabled(enabled);
        // Names of the list's own bytes; a '&' stays a character.
        const QString text = BytesToQString(caption);
        const int accelerator = text.indexOf(QLatin1Char('&')) + 2;
        action->setText(text.left(accelerator) + QString(text.mid(accelerator)).replace(QLatin1Char('&'), "&&"));
        action->setToolTip(QString(text).remove(accelerator - 2, 1));
    };
    static const TUndoHistory none;
    const TUndoHistory& history = list ? list->UndoSteps : none;
    update(Action(TActionId::cmUndo), history.CanUndo(), UndoCaption(history));
    update(Action(TActionId::cmRedo), history.CanRedo(), RedoCaption(history));
    // A list being written is not written again until that ends.
    const bool saving = list && m_program->IsSaving(*list);
    Action(TActionId::cmSave)->setEnabled(!saving);
    Action(TActionId::cmSaveAs)->setEnabled(!saving);
    ShowListNames();
}

void TMainForm::ShowListNames() {
    if (!m_program)
        return;
    for (size_t i = 0; i < m_program->Lists.size() && static_cast<int>(i) < m_tabs->count(); ++i) {
        const QString caption = BytesToQString(ListTabCaption(*m_program->Lists[i]));
        if (m_tabs->tabText(static_cast<int>(i)) != caption)
            m_tabs->setTabText(static_cast<int>(i), caption);
    }
    m_titleBase = BytesToQString(MainWindowTitle(m_program->CurrentList()));
    ShowProgress();
    if (m_fileWatch)
        m_fileWatch->Follow();
}

void TMainForm::ValuesChange(bool /*senderIsGrid: a change is known by the step it makes*/) {
    ApplyFilterSelection(m_program->Filter, m_rollup->Selection());
    // The grid's cells belong to the list it shows, which is the current one
    // unless a tab has just changed.
    TProject* shown = ShownList();
    std::vector<int32_t> changedRows;
    const bool rowsKnown = shown && TakeListFromGrid(*m_grid, *shown, m_colMap, changedRows);
    // A change of the user's own is one step; within a command it belongs to
    // the command's step.
    if (m_commandDepth == 0)
        CommitChange(shown);
    SetValuesAfter(rowsKnown && shown == m_program->CurrentList() ? &changedRows : nullptr);
}

TProject* TMainForm::ShownList() const {
    for (const auto& list : m_program->Lists)
        if (list.get() == m_lastFill.List)
            return list.get();
    return nullptr; // closed since
}

void TMainForm::StoreCursor() {
    if (TProject* list = ShownList()) {
        list->Col = m_grid->Col;
        list->Row = m_grid->Row;
        list->Selection = m_grid->Selection;
        list->TopRow = m_grid->TopRow;
        list->LeftCol = m_grid->LeftCol;
    }
}

void TMainForm::RestoreCursor(const TProject& list) {
    m_grid->Col = list.Col;
    m_grid->Row = list.Row;
    m_grid->Selection = list.Selection;
    m_grid->TopRow = list.TopRow;
    m_grid->LeftCol = list.LeftCol;
    m_grid->ScrollInView();
    m_grid->Invalidate();
}

void TMainForm::TabChanged() {
    if (!m_program)
        return;
    StoreCursor();
    SetValues();
    if (TProject* list = m_program->CurrentList())
        RestoreCursor(*list);
}

void TMainForm::StepTab(bool forward) {
    const int count = m_tabs->count();
    if (count == 0 || m_program->Lists.empty())
        return;
    const int current = std::max(0, m_tabs->currentIndex());
    m_tabs->setCurrentIndex(forward ? (current + 1) % count : (current + count - 1) % count);
}

void TMainForm::ShowInCodePage(TCodePage page) {
    m_program->CodePage = page;
    SetLegacyCodePage(page);
    const std::vector<TCodePageInfo>& pages = CodePages();
    for (size_t i = 0; i < pages.size(); ++i)
        m_codePageActions[i]->setChecked(pages[i].Page == page);
    // Every text shown from bytes is read again in the new page.
    m_rollup->SetLines(m_program->BandLines, m_program->SourceLines, m_program->MediaLines);
    ShowListNames();
    m_program->UpdateHistoryMenu();
    SetValues();
    m_grid->Invalidate();
    m_title->update();
}

void TMainForm::ColumnsResized() {
    CopyColumnWidths(*m_grid, m_template, m_colMap);
    for (int32_t i = 1; i <= m_template.ColCount() && i <= kTemplateColumns; ++i)
        m_program->GridWidths[static_cast<size_t>(i - 1)] = m_template.Column(i).Width;
}

void TMainForm::setVisible(bool visible) {
    // Placed before the first showing: only then does the toolkit put the
    // frame, title bar and all, where the placement says. Checked again
    // here: the placement may have been set since it was read.
    if (visible && !m_placed) {
        m_placed = true;
        const TWindowPlacement& placement = m_program->MainPlacement;
        PlaceWindow(*this, placement, true);
        FitRollup();
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::FitRollup() {
    m_rollup->setFixedWidth(TFilterPanel::FittedWidth(m_program->RollupWidth, width()));
}

void TMainForm::FirstTick() {
    if (!isVisible())
        return;
    m_startTimer->stop();
    if (m_options.AboutAtStart)
        ShowAboutBox(this, true);
    if (!m_storedDataError.empty())
        ShowMsg("The program's own data is damaged:||" + MarkupLiteral(m_storedDataError), Msg::Error, Msg::Ok,
                Msg::Centre);
    m_program->OpenAtStart(m_startLists, m_options.ReopenRecent);
    m_program->OfferRecovery();
    std::string warning = m_program->StartupWarning();
    if (!warning.empty())
        ShowMsg(warning, Msg::Warning, Msg::Ok, Msg::Left);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->ignore(); // a failure on the way keeps the window and its lists
    if (m_background && m_background->Waiting())
        return; // a command's work still reads the lists
    RunCommandGuarded(*this, {TActionId::cmExit}, [&] { CloseForExit(*event); });
}

void TMainForm::CloseForExit(QCloseEvent& event) {
    m_grid->CommitEditors();
    if (!m_program->CloseAllForExit())
        return;
    std::string error;
    if (!m_program->SaveSettings(error))
        ShowMsg("The settings could not be saved:||" + MarkupLiteral(error), Msg::Error, Msg::Ok, Msg::Centre);
    event.accept();
}

int TMainForm::ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) {
    if (MessageHook)
        return MessageHook(text, kind, buttons, alignment);
    return ShowMessageDialog(this, text, kind, buttons, alignment);
}

void TMainForm::ShowHelp(const std::string& text, int width, int height) {
    ShowHelpPopup(this, text, width, height);
}

bool TMainForm::RunFileDialog(TFileDialog& dialog, bool saving) {
    if (FileDialogHook)
        return FileDialogHook(dialog, saving);
    QFileDialog chooser(this);
    SetUpFileDialog(chooser, dialog, saving);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return false;
    dialog.FileName = QStringToBytes(chooser.selectedFiles().first());
    return true;
}

bool TMainForm::RunOpenDialog(TFileDialog& dialog) {
    return RunFileDialog(dialog, false);
}

bool TMainForm::RunSaveDialog(TFileDialog& dialog) {
    return RunFileDialog(dialog, true);
}

void TMainForm::AddTab(const std::string& caption) {
    // A list opened or made starts at its first cell, scrolled to the top
    // left, which the tab change that follows gives the grid.
    assert(m_program && m_program->Lists.size() == static_cast<size_t>(m_tabs->count()) + 1);
    m_tabs->addTab(BytesToQString(caption));
}

bool TMainForm::DeleteTab(int index) {
    // The shown list keeps its cursor when another tab closes.
    StoreCursor();
    // Rows of a closed list must not be filled from it any more.
    if (!ShownList())
        m_grid->SetRowSource(EmptyRows);
    const int forward = m_tabs->currentIndex();
    m_tabs->removeTab(index);
    // A change of the current index came through TabChanged, which showed the list.
    return m_tabs->currentIndex() != forward;
}

void TMainForm::SetTabCaption(int index, const std::string& caption) {
    m_tabs->setTabText(index, BytesToQString(caption));
    // The title bar draws the name of the list it shows at every paint.
    m_title->update();
}

int TMainForm::CurrentTab() const {
    return m_tabs->currentIndex();
}

void TMainForm::SetCurrentTab(int index) {
    m_tabs->setCurrentIndex(index);
}

void TMainForm::SetFilterLines(const std::vector<std::string>& bandsAndTours, const std::vector<std::string>& sources,
                               const std::vector<std::string>& media) {
    m_rollup->SetLines(bandsAndTours, sources, media);
}

void TMainForm::SetHistoryMenu(const THistoryMenu& menu) {
    for (size_t i = 0; i < m_historyActions.size(); ++i) {
        m_historyActions[i]->setText(BytesToQString(menu[i].Caption));
        m_historyActions[i]->setVisible(menu[i].Visible);
        m_historyActions[i]->setEnabled(menu[i].Enabled);
    }
}

void TMainForm::RefreshView() {
    SetValues();
}

void TMainForm::FocusGrid() {
    if (m_grid->isVisible())
        m_grid->setFocus();
}

void TMainForm::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMainForm::RunInBackground(const std::string& what, std::function<void()> work, std::function<void()> done) {
    m_background->Run(what, std::move(work), std::move(done));
}

void TMainForm::WaitForBackgroundWork() {
    if (m_background)
        m_background->WaitAll();
}

void TMainForm::RunAndWait(const std::string& what, const std::function<void()>& work) {
    if (m_background)
        m_background->RunAndWait(what, work, m_grid);
    else
        work(); // the window is going
}

void TMainForm::CloseMainWindow() {
    close();
}

void TMainForm::ExecuteListCommand(int index, const TAction& action) {
    m_listCommands->Execute(index, action);
}

TWindowPlacement TMainForm::MainWindowPlacement() const {
    return PlacementOf(*this);
}

TScreenSize TMainForm::VirtualScreenSize() const {
    return ::VirtualScreenSize();
}
