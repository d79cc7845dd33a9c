#pragma once

// The real main window for a window test, on a temporary home folder that
// holds a copy of the sample Tours and Lists folders (or nothing, for a test
// that writes its own), shown and active, with its dialogs scripted: messages
// answer from `Answers` and are kept in `Messages`, file dialogs return the
// next path of `DialogPaths`.

#include "controls/grid/ExcelGrid2.h"
#include "platform/SettingsStore.h"
#include "program/Program.h"
#include "ui/main/MainForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#ifndef KORVALEN_SAMPLE_HOME
#error "the test needs KORVALEN_SAMPLE_HOME"
#endif

struct TAskedMessage {
    std::string Text;
    Msg::TKind Kind{};
    Msg::TButtons Buttons{};
    Msg::TAlign Alignment{};
};

inline std::string FileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<unreadable>");
}

class TMainWindowFixture : public ::testing::Test {
protected:
    explicit TMainWindowFixture(bool sampleHome = true) {
        Home = Dir.path().toStdString() + "/";
        const QString sample = QStringLiteral(KORVALEN_SAMPLE_HOME);
        for (const char* folder : {"/Tours", "/Lists", "/Covers"}) {
            QDir().mkpath(Dir.path() + folder);
            const QStringList names = sampleHome ? QDir(sample + folder).entryList(QDir::Files) : QStringList();
            for (const QString& name : names)
                QFile::copy(sample + folder + "/" + name, Dir.path() + folder + "/" + name);
        }
    }
    void SetUp() override { Start(); }

    std::string Path(const std::string& relative) const { return Home + relative; }
    std::string SampleList() const { return Home + "Lists/Sample list.kvu"; }

    // A window on the home folder and `Settings` (again: the next start), shown and active.
    void Start() {
        Window.reset();
        TMainFormOptions options;
        options.AboutAtStart = false;
        options.ReopenRecent = false;
        Window = std::make_unique<TMainForm>(Settings, MakeProgramFolders(Home + "korvalen", Home),
                                             std::vector<std::string>(), options);
        W = Window.get();
        W->MessageHook = [this](const std::string& text, Msg::TKind kind, Msg::TButtons buttons,
                                Msg::TAlign alignment) {
            Messages.push_back({text, kind, buttons, alignment});
            if (Answers.empty())
                return buttons & Msg::Cancel ? Msg::ResultCancel : Msg::ResultOk;
            const int answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
        W->FileDialogHook = [this](TFileDialog& dialog, bool) {
            if (DialogPaths.empty())
                return false;
            dialog.FileName = DialogPaths.front();
            DialogPaths.pop_front();
            return true;
        };
        W->resize(1200, 800);
        W->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(W));
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    }

    // A file opens in one tab only: another tab of the same list opens a copy.
    TProject& OpenList(const std::string& path) {
        std::string file = path;
        for (int copy = 2; std::any_of(Program().Lists.begin(), Program().Lists.end(),
                                       [&](const auto& open) { return open->FileName == file; });
             ++copy) {
            file = path.substr(0, path.rfind('.')) + " " + std::to_string(copy) + ".kvu";
            std::filesystem::copy_file(path, file, std::filesystem::copy_options::overwrite_existing);
        }
        EXPECT_TRUE(Program().OpenList(file)) << file;
        return *Program().Lists.back();
    }

    TProgram& Program() { return W->Program(); }
    TExcelGrid2& Grid() { return W->Grid(); }

    QTemporaryDir Dir;
    std::string Home;
    TMemorySettingsStore Settings;
    std::unique_ptr<TMainForm> Window;
    TMainForm* W = nullptr;
    std::deque<int> Answers;             // results of the next message dialogs
    std::vector<TAskedMessage> Messages; // every message shown
    std::deque<std::string> DialogPaths; // chosen in the next file dialogs
};
