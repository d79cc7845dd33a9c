#pragma once

#include "program/ProgramHost.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A main window that answers from a script: the next message results, the
// next file dialog answers, and keeps what it was told.
class TFakeProgramHost : public IProgramHost {
public:
    struct TMessage {
        std::string Text;
        Msg::TKind Kind;
        Msg::TButtons Buttons;
        Msg::TAlign Alignment;
        bool ShownBusy;
    };

    std::deque<int> Answers;               // next ShowMsg results; Cancel when empty
    std::deque<std::string> DialogAnswers; // next file dialog choices; "" cancels
    std::vector<TMessage> Messages;
    std::vector<std::string> Tabs;
    int Current = -1;
    int Refreshes = 0;
    THistoryMenu HistoryMenu{};
    std::vector<std::string> BandLines;
    std::vector<TAction> ListCommands;
    bool CloseAsked = false;
    bool Busy = false;
    int BusyTimes = 0;
    TWindowPlacement Placement;
    TScreenSize Screen{1920, 1080};
    std::vector<TFileDialog> Dialogs;

    int ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) override {
        Messages.push_back({text, kind, buttons, alignment, Busy});
        if (Answers.empty())
            return Msg::ResultCancel;
        int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowHelp(const std::string&, int, int) override {}
    bool RunOpenDialog(TFileDialog& dialog) override { return Answer(dialog); }
    bool RunSaveDialog(TFileDialog& dialog) override { return Answer(dialog); }
    void AddTab(const std::string& caption) override { Tabs.push_back(caption); }
    bool DeleteTab(int index) override {
        Tabs.erase(Tabs.begin() + index);
        if (Current < static_cast<int>(Tabs.size()))
            return false;
        SetCurrentTab(static_cast<int>(Tabs.size()) - 1);
        return true;
    }
    void SetTabCaption(int index, const std::string& caption) override { Tabs[static_cast<size_t>(index)] = caption; }
    int CurrentTab() const override { return Current; }
    void SetCurrentTab(int index) override {
        Refreshes += index != Current; // a tab brought forward shows its list anew
        Current = index;
    }
    void SetFilterLines(const std::vector<std::string>& bands, const std::vector<std::string>&,
                        const std::vector<std::string>&) override {
        BandLines = bands;
    }
    void SetHistoryMenu(const THistoryMenu& menu) override { HistoryMenu = menu; }
    void RefreshView() override { ++Refreshes; }
    void FocusGrid() override {}
    void SetBusy(bool busy) override {
        Busy = busy;
        BusyTimes += busy ? 1 : 0;
    }
    // Background work runs at once, or waits in Pending while DeferWork, so
    // that a test can change things while it is under way.
    bool DeferWork = false;
    std::vector<std::pair<std::function<void()>, std::function<void()>>> Pending;
    std::vector<std::string> WorkNames;
    int Waits = 0;
    void RunInBackground(const std::string& what, std::function<void()> work, std::function<void()> done) override {
        WorkNames.push_back(what);
        Pending.emplace_back(std::move(work), std::move(done));
        if (!DeferWork)
            RunPending();
    }
    void WaitForBackgroundWork() override {
        ++Waits;
        RunPending();
    }
    void RunPending() {
        auto pending = std::move(Pending);
        Pending.clear();
        for (auto& [work, done] : pending) {
            work();
            done();
        }
    }
    // What was waited for away from the window, by name; the work runs at once.
    std::vector<std::string> WaitedFor;
    void RunAndWait(const std::string& what, const std::function<void()>& work) override {
        WaitedFor.push_back(what);
        work();
    }
    void CloseMainWindow() override { CloseAsked = true; }
    void ExecuteListCommand(int, const TAction& action) override { ListCommands.push_back(action); }
    TWindowPlacement MainWindowPlacement() const override { return Placement; }
    TScreenSize VirtualScreenSize() const override { return Screen; }

private:
    bool Answer(TFileDialog& dialog) {
        Dialogs.push_back(dialog);
        std::string answer = DialogAnswers.empty() ? "" : DialogAnswers.front();
        if (!DialogAnswers.empty())
            DialogAnswers.pop_front();
        if (answer.empty())
            return false;
        dialog.FileName = answer;
        return true;
    }
};
