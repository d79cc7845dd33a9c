#pragma once

// The real main window on a temporary home folder holding the sample Tours
// folder and the sample list, with its dialogs scripted: messages answer
// from a queue (and are recorded), file dialogs return the next queued path.

#include "controls/grid/ExcelGrid2.h"
#include "core/Project.h"
#include "program/SettingsStore.h"
#include "ui/main/MainForm.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#ifndef KORVALEN_SAMPLE_HOME
#error "the test needs KORVALEN_SAMPLE_HOME"
#endif

struct TShownMessage {
    std::string Text;
    int Kind = 0;
    int Buttons = 0;
};

class TMainWindowFixture {
public:
    TMainWindowFixture() {
        const QString sample = QStringLiteral(KORVALEN_SAMPLE_HOME);
        Home = Dir.path().toStdString() + "/";
        CopyFolder(sample + "/Tours", Dir.path() + "/Tours");
        CopyFolder(sample + "/Lists", Dir.path() + "/Lists");
        QDir().mkpath(Dir.path() + "/Covers");
    }

    // The path of a file in the temporary home ("Lists/Sample list.kvu").
    std::string Path(const std::string& relative) const { return Home + relative; }
    std::string SampleList() const { return Path("Lists/Sample list.kvu"); }

    // A window on the home folder and `Settings`; shown and exposed.
    TMainForm& Open(std::vector<std::string> startLists = {}) {
        Window.reset();
        TProgramFolders folders = MakeProgramFolders(Home + "korvalen", Home);
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        Window = std::make_unique<TMainForm>(Settings, folders, std::move(startLists), options);
        Window->MessageHook = [this](const std::string& text, int kind, int buttons, int) {
            Messages.push_back({text, kind, buttons});
            if (Answers.empty())
                return buttons & Msg::Cancel ? Msg::ResultCancel : Msg::ResultOk;
            int answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
        Window->FileDialogHook = [this](TFileDialog& dialog, bool) {
            if (DialogPaths.empty())
                return false;
            dialog.FileName = DialogPaths.front();
            DialogPaths.pop_front();
            return true;
        };
        Window->resize(1200, 800);
        Window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        return *Window;
    }

    // Opens a list file through the program, as the Open command does.
    TProject& OpenList(const std::string& path) {
        EXPECT_TRUE(Window->Program().OpenList(path)) << path;
        return *Window->Program().Lists.back();
    }

    TProgram& Program() { return Window->Program(); }
    TExcelGrid2& Grid() { return Window->Grid(); }

    QTemporaryDir Dir;
    std::string Home;
    TMemorySettingsStore Settings;
    std::unique_ptr<TMainForm> Window;
    std::deque<int> Answers;             // results of the next message dialogs
    std::vector<TShownMessage> Messages; // every message shown
    std::deque<std::string> DialogPaths; // chosen in the next file dialogs

private:
    static void CopyFolder(const QString& from, const QString& to) {
        QDir().mkpath(to);
        for (const QString& name : QDir(from).entryList(QDir::Files))
            QFile::copy(from + "/" + name, to + "/" + name);
    }
};
