#pragma once

// The real main window for a window test: no about box, no list reopened,
// shown and exposed, with one new list open.

#include "ui/main/MainForm.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<TMainForm> MakeQuietMainWindow(ISettingsStore& settings, const TProgramFolders& folders) {
    TMainFormOptions options;
    options.AboutAtStart = false;
    options.ReopenRecent = false;
    auto window = std::make_unique<TMainForm>(settings, folders, std::vector<std::string>(), options);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !window->Program().OpenList(""))
        return nullptr;
    return window;
}
