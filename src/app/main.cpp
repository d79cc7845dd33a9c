#include "app/CommandLine.h"
#include "platform/QtSettingsStore.h"
#include "program/ProgramFolders.h"
#include "program/Version.h"
#include "ui/main/MainForm.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // The toolkit takes its own options (-platform, -style ...) out first.
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));

    const TCommandLine line = ParseCommandLine(QApplication::arguments());
    switch (line.Action) {
    case TCommandLine::TAction::Fail:
        std::fputs(line.Text.c_str(), stderr);
        return 1;
    case TCommandLine::TAction::Help:
    case TCommandLine::TAction::Version:
        std::fputs(line.Text.c_str(), stdout);
        return 0;
    case TCommandLine::TAction::Run:
        break;
    }

    TProgramFolders folders = MakeProgramFolders(RunningExecutable(), HomeFolder(line.Home));
    CreateMissingFolders(folders);
    TQtSettingsStore store;
    TMainForm window(store, folders, line.Lists);
    window.show();
    return app.exec();
}
