#pragma once

#include "program/Program.h"
#include "program/ProgramHost.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QTabBar;
class QTableWidget;
class QTimer;

// The main window: the tabs of the open lists, the commands, and the view
// of the current list. It is the program object's host.
class TMainForm : public QMainWindow, public IProgramHost {
    Q_OBJECT

public:
    // `startLists` are opened after the most recent list of the history.
    TMainForm(ISettingsStore& store, const TProgramFolders& folders, std::vector<std::string> startLists = {},
              QWidget* parent = nullptr);
    ~TMainForm() override;

    TProgram& Program() { return *m_program; }

    // IProgramHost
    int ShowMsg(const std::string& text, int kind, int buttons, int alignment) override;
    void ShowHelp(const std::string& text, int width, int height) override;
    bool RunOpenDialog(TFileDialog& dialog) override;
    bool RunSaveDialog(TFileDialog& dialog) override;
    void AddTab(const std::string& caption) override;
    void DeleteTab(int index) override;
    void SetTabCaption(int index, const std::string& caption) override;
    int CurrentTab() const override;
    void SetCurrentTab(int index) override;
    void SetFilterLines(const std::vector<std::string>& bandsAndTours, const std::vector<std::string>& sources,
                        const std::vector<std::string>& media) override;
    void SetHistoryMenu(const THistoryMenu& menu) override;
    void RefreshView() override;
    void FocusGrid() override;
    void CloseMainWindow() override;
    void ExecuteListCommand(int index, const TAction& action) override;
    TWindowPlacement MainWindowPlacement() const override;
    TScreenSize VirtualScreenSize() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    QAction* AddAction(const char* caption, const char* hint, const QKeySequence& shortcut, TAction action);
    void FirstTick();
    bool RunFileDialog(TFileDialog& dialog, bool saving);

    QTabBar* m_tabs = nullptr;
    QTableWidget* m_view = nullptr;
    QTimer* m_startTimer = nullptr;
    std::array<QAction*, THistory::kSize> m_historyActions{};
    std::vector<std::string> m_startLists;
    bool m_placed = false;
    std::unique_ptr<TProgram> m_program;
};
