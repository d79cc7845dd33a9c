#include "app/CommandLine.h"
#include "platform/QtSettingsStore.h"
#include "program/ProgramFolders.h"
#include "program/Version.h"
#include "ui/main/GuardedApplication.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Prints what --help and --version ask for; false for any other command line.
bool Answered(const TCommandLine& line) {
    if (line.Action != TCommandLine::TAction::Help && line.Action != TCommandLine::TAction::Version)
        return false;
    std::fputs(line.Text.c_str(), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // --help and --version answer before the toolkit starts, so that they
    // work without a display. A line the toolkit has options in is read again
    // once it has taken them out.
    {
        QCoreApplication withoutDisplay(argc, argv);
        if (Answered(ParseCommandLine(QCoreApplication::arguments())))
            return 0;
    }
    TGuardedApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVALEN_APP_ID));

    const TCommandLine line = ParseCommandLine(QApplication::arguments());
    if (Answered(line))
        return 0;
    if (line.Action == TCommandLine::TAction::Fail) {
        std::fputs(line.Text.c_str(), stderr);
        return 1;
    }

    TProgramFolders folders = MakeProgramFolders(RunningExecutable(), HomeFolder(line.Home));
    CreateMissingFolders(folders);
    TQtSettingsStore store;
    TMainForm window(store, folders, line.Lists);
    window.show();
    return app.exec();
}
