#pragma once

// The real main window, offscreen, on a home folder with tours for some of
// the generated bands and generated lists of the given sizes, all open: what
// the window benchmarks measure on.

#include "ListGenerator.h"

#include "core/Project.h"
#include "platform/SettingsStore.h"
#include "program/ProgramFolders.h"
#include "ui/main/MainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A main window on `home` without the about box or a reopened list, shown.
inline std::unique_ptr<TMainForm> MakeBenchWindow(ISettingsStore& settings, const std::string& home) {
    const std::string base = home + "/";
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    auto window = std::make_unique<TMainForm>(settings, MakeProgramFolders(base + "korvalen", base),
                                              std::vector<std::string>{}, options);
    window->resize(1600, 1000);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        std::fprintf(stderr, "the window was not exposed\n");
    return window;
}

class TBigWindow {
public:
    explicit TBigWindow(const std::vector<size_t>& sizes) {
        const QString home = m_dir.path();
        QDir().mkpath(home + "/Tours");
        QDir().mkpath(home + "/Lists");
        for (const char* band : {"Pink Floyd", "Genesis", "Marillion"}) {
            QFile tours(home + "/Tours/" + band + ".txt");
            tours.open(QIODevice::WriteOnly);
            tours.write("|||||Early years|1965.01.01|1985.12.31\r\n|||||Late years|1986.01.01|2025.12.31\r\n");
        }
        for (size_t i = 0; i < sizes.size(); ++i) {
            TProject list;
            list.FileName = (home + QStringLiteral("/Lists/Big %1.kvu").arg(i)).toStdString();
            list.Data = GenerateCollection(sizes[i], 42 + static_cast<uint32_t>(i));
            list.Save();
            Lists.push_back(list.FileName);
        }
        Window = MakeBenchWindow(m_settings, home.toStdString());
        for (const std::string& path : Lists)
            Window->Program().OpenList(path);
        Window->MainTab().setCurrentIndex(0);
        Settle();
    }

    void Settle() {
        Window->repaint();
        QCoreApplication::processEvents();
    }

    std::string Folder() const { return m_dir.path().toStdString(); }

    std::unique_ptr<TMainForm> Window;
    std::vector<std::string> Lists;

private:
    QTemporaryDir m_dir;
    TMemorySettingsStore m_settings;
};
