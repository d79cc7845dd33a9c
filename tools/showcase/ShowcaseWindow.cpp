#include "ShowcaseWindow.h"

#include "controls/markup/QtColorScheme.h"
#include "program/Program.h"
#include "program/ProgramFolders.h"

#include <QGuiApplication>
#include <QScreen>

#include <QTest>

#include <cstdio>

bool ShowcaseFolders(int argc, char** argv, const char* usage, std::string& home, QString& out, int most) {
    if (argc < 3 || argc > most + 1) {
        std::fprintf(stderr, "%s\n", usage);
        return false;
    }
    home = std::string(argv[1]) + "/";
    out = QString::fromLocal8Bit(argv[2]) + "/";
    return true;
}

std::unique_ptr<TMainForm> ShowcaseMainWindow(ISettingsStore& settings, const std::string& home, QSize size) {
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    auto window = std::make_unique<TMainForm>(settings, MakeProgramFolders(home + "korvalen", home),
                                              std::vector<std::string>(), options);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    window->resize(size);
    return window;
}

std::unique_ptr<TMainForm> StartSampleShowcase(int argc, char** argv, const char* usage, ISettingsStore& settings,
                                               QSize size, std::string& home, QString& out) {
    ApplyPaletteFromEnvironment();
    if (!ShowcaseFolders(argc, argv, usage, home, out))
        return nullptr;
    std::unique_ptr<TMainForm> window = ShowcaseMainWindow(settings, home, size);
    if (!window || !window->Program().OpenList(home + "Lists/Sample list.kvu"))
        return nullptr;
    return window;
}

void SaveScreen(const QString& path) {
    QTest::qWait(300);
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}
