#pragma once

#include "platform/SettingsStore.h"
#include "ui/main/MainForm.h"

#include <QSize>
#include <QString>

#include <memory>
#include <string>

// What the showcases of the main window and its list windows share: their
// command line "HOME OUT_DIR [more]" and the main window on that home.

// HOME and OUT_DIR, each with a trailing "/"; false (after printing `usage`)
// when there are fewer than two or more than `most` arguments.
bool ShowcaseFolders(int argc, char** argv, const char* usage, std::string& home, QString& out, int most = 2);

// The main window on `home` as a showcase wants it: no about box, no list
// reopened from the history, shown and then sized to `size` (over the stored
// placement); nullptr when it never showed.
std::unique_ptr<TMainForm> ShowcaseMainWindow(ISettingsStore& settings, const std::string& home, QSize size);
// What a showcase of a window over the sample list does first: the palette
// from the environment, HOME and OUT_DIR from its command line, and the main
// window with "Lists/Sample list.kvu" of HOME open; nullptr when any fails.
std::unique_ptr<TMainForm> StartSampleShowcase(int argc, char** argv, const char* usage, ISettingsStore& settings,
                                               QSize size, std::string& home, QString& out);

// The whole screen into a PNG, after a moment for the windows to settle.
void SaveScreen(const QString& path);
