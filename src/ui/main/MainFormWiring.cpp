// The main window's widgets wired to its handlers, and the program started
// behind them: the program object, the list commands, the file watch and the
// timer that opens the lists once the window shows.
#include "MainForm.h"

#include "controls/grid/ExcelGrid2.h"
#include "program/CommandGuard.h"
#include "ui/dialogs/InputQuery.h"
#include "ui/main/BackgroundWork.h"
#include "ui/main/ExternalEditors.h"
#include "ui/main/FilterPanel.h"
#include "ui/main/FirstStartPanel.h"
#include "ui/main/ListCommandRunner.h"
#include "ui/main/ListFileWatch.h"
#include "ui/main/ListWindows.h"
#include "ui/main/QuickFilterBox.h"

#include <QMenu>
#include <QTabBar>
#include <QTimer>

namespace {

constexpr int kStartTimerMs = 100;

} // namespace

void TMainForm::WireWidgets() {
    connect(m_rollup, &TFilterPanel::Changed, this, [this] {
        if (!m_settingValues)
            ValuesChange(false);
    });
    // The width the user gives the panel is kept for the next run.
    connect(m_rollup, &TFilterPanel::WidthDragged, this, [this](int width) {
        m_rollup->setFixedWidth(width);
        m_program->RollupWidth = width;
    });
    m_quickFilter->OnTextTyped = [this](const std::string& text) {
        if (TProject* list = m_program->CurrentList()) {
            list->QuickFilter.SetText(text, ShownCodeNames(m_gridStr));
            ValuesChange(false);
        }
    };
    m_quickFilter->OnLeave = [this] { FocusGrid(); };
    m_quickFilter->OnFocus = [this] {
        if (TProject* list = m_program->CurrentList())
            list->QuickFilter.Prepare(list->Data, list->UndoSteps.Changes());
    };
    m_firstStart->OnLink = [this](TFirstStartLink link) {
        if (link != TFirstStartLink::SampleList)
            return Execute({link == TFirstStartLink::NewList ? TActionId::cmNew : TActionId::cmOpen});
        const std::string sample = SampleListPath(m_program->ListsDir, InstalledSampleFolder(m_program->ExeName));
        RunCommandGuarded(*this, {TActionId::cmOpen}, [&] { m_program->OpenList(sample); });
    };
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) { TabChanged(); });
    connect(m_tabs, &QTabBar::customContextMenuRequested, this,
            [this](const QPoint& at) { m_tabMenu->popup(m_tabs->mapToGlobal(at)); });
    WireGrid();
}

void TMainForm::WireGrid() {
    m_grid->OnChange = [this](TGridModel&) { ValuesChange(true); };
    m_grid->OnColumnResize = [this](TGridModel&) { ColumnsResized(); };
    m_gridHandlers = std::make_unique<TListGridHandlers>(
        *m_grid, m_gridStr, [this] { return m_program ? m_program->CurrentList() : nullptr; });
    m_gridHandlers->SetIcons(m_icons);
    m_gridHandlers->OnRecordChanging = [this](int32_t index) {
        if (TProject* list = m_program ? m_program->CurrentList() : nullptr)
            list->UndoSteps.Touch(list->Data, index);
    };
    m_gridHandlers->OnExternalEdited = [this] {
        CommitChange(m_program->CurrentList());
        SetValues();
    };
    m_gridHandlers->EditExternal = [this](TBootData& record, int32_t property) {
        return EditCoverOrInfo(this, *m_program, *this, m_toolbarImages, record, property, WindowHook);
    };
}

void TMainForm::StartProgram(ISettingsStore& store, const TProgramFolders& folders) {
    m_startTimer = new QTimer(this);
    m_startTimer->setInterval(kStartTimerMs);
    connect(m_startTimer, &QTimer::timeout, this,
            [this] { RunCommandGuarded(*this, {TActionId::cmOpen}, [this] { FirstTick(); }); });
    m_startTimer->start();

    m_background = std::make_unique<TBackgroundWork>();
    m_background->OnChange = [this] {
        // The work of a wait may be changing a list under the window: nothing of it is read then.
        if (m_background->Waiting())
            ShowProgress();
        else
            UpdateUndoActions();
    };
    m_program = std::make_unique<TProgram>(*this, store, folders);
    for (int32_t i = 1; i <= m_template.ColCount() && i <= kTemplateColumns; ++i)
        m_template.Column(i).Width = m_program->GridWidths[static_cast<size_t>(i - 1)];
    m_template.UpdateColumnPositions();
    FitRollup();

    m_listCommands = std::make_unique<TListCommandRunner>(*m_program, *this, *m_grid, m_colMap);
    m_listCommands->RefreshView = [this] { SetValues(); };
    m_listCommands->ShowBuiltView = [this] { SetValuesAfter(nullptr, true); };
    m_listCommands->AskSearchText = [this](std::string& text) {
        return InputQuery(this, "Find text", "Search string", text);
    };
    m_listCommands->OpenListWindow = [this](int listIndex, TActionId window) {
        RunListWindow(*this, listIndex, window);
    };
    m_fileWatch = std::make_unique<TListFileWatch>(*m_program, *m_grid, nullptr);
    m_fileWatch->RefreshView = [this] { SetValues(); };
    m_fileWatch->Hold = [this] { return m_background->Waiting(); };
    m_fileWatch->Notice = [this](const std::string& text) { ShowPassingNotice(*this, text); };
    // The concert lists reached the filter panel before the settings named the page.
    ShowInCodePage(m_program->CodePage);
    UnexpectedFailureReport() = [this](const std::string& text) { ShowMsg(text, Msg::Error, Msg::Ok, Msg::Centre); };
}

void TMainForm::ShowProgress() {
    const QString progress = m_background ? m_background->Progress() : QString();
    setWindowTitle(m_titleBase + (progress.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + progress));
}
