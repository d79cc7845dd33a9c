#pragma once

#include "controls/bitmaps/ImageList.h"
#include "controls/grid/GridModel.h"
#include "core/BitmapContainer.h"
#include "core/Strings2.h"
#include "program/ActionTable.h"
#include "program/ListGrid.h"
#include "program/Program.h"
#include "program/ProgramHost.h"
#include "ui/main/ListGridHandlers.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QDialog;
class QMenu;
class QTabBar;
class QTimer;
class QToolBar;
class TBackgroundWork;
class TExcelGrid2;
class TFilterPanel;
class TFirstStartPanel;
class TListCommandRunner;
class TQuickFilterBox;
class TListFileWatch;
class TTitlePaintBox;

struct TMainFormOptions {
    // The about box at start (tests leave it out).
    bool AboutAtStart = true;
    // Opens the most recent list at the first tick of the start timer.
    bool ReopenRecent = true;
};

// The main window: the tabs of the open lists, the menus, the tool bar and
// the shortcuts, the filter panel and the grid of the current list. Every
// command arrives at Execute. It is the program object's host.
class TMainForm : public QMainWindow, public IProgramHost {
    Q_OBJECT

public:
    // `startLists` are opened after the most recent list of the history.
    TMainForm(ISettingsStore& store, const TProgramFolders& folders, std::vector<std::string> startLists = {},
              TMainFormOptions options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    TProgram& Program() { return *m_program; }
    TExcelGrid2& Grid() const { return *m_grid; }
    TFilterPanel& Rollup() const { return *m_rollup; }
    QTabBar& MainTab() const { return *m_tabs; }
    TTitlePaintBox& TitleBar() const { return *m_title; }
    TQuickFilterBox& QuickFilterBox() const { return *m_quickFilter; }
    TFirstStartPanel& FirstStart() const { return *m_firstStart; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    const TImageList& ToolbarImages() const { return m_toolbarImages; }
    const TGridModel& TemplateGrid() const { return m_template; }
    const TStrings2& GridStr() const { return m_gridStr; }
    const TColMap& ColMap() const { return m_colMap; }
    QAction* Action(TActionId id) const;
    QMenu* GridMenu() const { return m_gridMenu; }
    QMenu* TabMenu() const { return m_tabMenu; }
    TListCommandRunner& ListCommands() const { return *m_listCommands; }
    TBackgroundWork& Background() const { return *m_background; }

    // The one handler of every command; an unexpected failure ends only the command.
    void Execute(const TAction& action);
    // Filter lists and grid from the program and the current list.
    void SetValues();
    // Filter lists and grid cells back into the program and the current list, then SetValues.
    void ValuesChange(bool senderIsGrid);
    // Ctrl+Tab and Ctrl+Shift+Tab.
    void StepTab(bool forward);
    // Shows texts that are not UTF-8 in `page` from now on, and remembers it.
    void ShowInCodePage(TCodePage page);
    // The radio items of the Options menu, in the order of CodePages().
    const std::vector<QAction*>& CodePageActions() const { return m_codePageActions; }

    // Replace the dialogs (tests script them); unset, the real ones run.
    std::function<int(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment)>
        MessageHook;
    std::function<bool(TFileDialog& dialog, bool saving)> FileDialogHook;
    // Runs the cover and information windows in place of their exec().
    std::function<int(QDialog& window)> WindowHook;

    // IProgramHost
    int ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) override;
    void ShowHelp(const std::string& text, int width, int height) override;
    bool RunOpenDialog(TFileDialog& dialog) override;
    bool RunSaveDialog(TFileDialog& dialog) override;
    void AddTab(const std::string& caption) override;
    bool DeleteTab(int index) override;
    void SetTabCaption(int index, const std::string& caption) override;
    int CurrentTab() const override;
    void SetCurrentTab(int index) override;
    void SetFilterLines(const std::vector<std::string>& bandsAndTours, const std::vector<std::string>& sources,
                        const std::vector<std::string>& media) override;
    void SetHistoryMenu(const THistoryMenu& menu) override;
    void RefreshView() override;
    void FocusGrid() override;
    void SetBusy(bool busy) override;
    void RunInBackground(const std::string& what, std::function<void()> work, std::function<void()> done) override;
    void WaitForBackgroundWork() override;
    void RunAndWait(const std::string& what, const std::function<void()>& work) override;
    void CloseMainWindow() override;
    void ExecuteListCommand(int index, const TAction& action) override;
    TWindowPlacement MainWindowPlacement() const override;
    TScreenSize VirtualScreenSize() const override;

    // The first showing puts the window where its placement says.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // SetValues knowing that only the records of `changedRows` (grid rows)
    // changed since the last fill; nullptr when that is not known.
    // With `viewBuilt`, the current list's view was just built for the filter.
    void SetValuesAfter(const std::vector<int32_t>* changedRows, bool viewBuilt = false);
    void ExecuteCommand(const TAction& action);
    // Closes what `list` gathered in its undo history as one step, if the
    // list is still open.
    void CommitChange(TProject* list);
    // The Undo and Redo captions name the current list's steps.
    void UpdateUndoActions();
    // Tabs and title name the lists and mark the unsaved and read-only ones.
    void ShowListNames();
    // The title as the last ShowListNames made it, with the progress of
    // the background work now: all that changes while a wait's work may be
    // changing the lists.
    void ShowProgress();
    void Dispatch(const TAction& action);
    // The constructor's three stages: the widget tree with its actions and
    // menus, their signals and events to the handlers, then the program.
    void BuildWidgets();
    void WireWidgets();
    void WireGrid();
    void StartProgram(ISettingsStore& store, const TProgramFolders& folders);
    void LoadStoredData();
    void CreateGrid();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    QMenu* BuildMenu(QMenu* menu, const std::vector<TMenuItem>& items);
    // The filter panel at the stored width, as far as the window's width allows.
    void FitRollup();
    void FirstTick();
    void CloseForExit(QCloseEvent& event);
    bool RunFileDialog(TFileDialog& dialog, bool saving);
    void TabChanged();
    // The list the grid shows, while it is still open.
    TProject* ShownList() const;
    void StoreCursor();
    void RestoreCursor(const TProject& list);
    void ColumnsResized();
    // The grid's place shows how to begin while no list is open.
    void ShowFirstStart(bool noList);

    TMainFormOptions m_options;
    TFilterPanel* m_rollup = nullptr;
    QTabBar* m_tabs = nullptr;
    TTitlePaintBox* m_title = nullptr;
    TQuickFilterBox* m_quickFilter = nullptr;
    TExcelGrid2* m_grid = nullptr;
    TFirstStartPanel* m_firstStart = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_gridMenu = nullptr;
    QMenu* m_tabMenu = nullptr;
    QTimer* m_startTimer = nullptr;
    TGridModel m_template;
    TStrings2 m_gridStr;
    TBitmapContainer m_bc;
    TImageList m_toolbarImages;
    TListGridHandlers::TIcons m_icons;
    std::string m_storedDataError;
    TColMap m_colMap{};
    // What the grid shows; its list keeps the cursor when another is shown.
    TGridFill m_lastFill;
    std::map<TActionId, QAction*> m_actions;
    std::array<QAction*, THistory::kSize> m_historyActions{};
    std::vector<QAction*> m_codePageActions;
    std::vector<std::string> m_startLists;
    bool m_placed = false;
    bool m_settingValues = false;
    int m_commandDepth = 0;
    std::unique_ptr<TListGridHandlers> m_gridHandlers;
    std::unique_ptr<TListCommandRunner> m_listCommands;
    // Outlives the program, whose saves report back to it.
    std::unique_ptr<TBackgroundWork> m_background;
    QString m_titleBase; // the title without progress
    std::unique_ptr<TProgram> m_program;
    // Goes before the program it watches for.
    std::unique_ptr<TListFileWatch> m_fileWatch;
};
