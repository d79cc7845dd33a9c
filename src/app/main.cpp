#include "app/CommandLine.h"
#include "controls/bitmaps/VectorPictures.h"
#include "controls/markup/QtColorScheme.h"
#include "platform/QtSettingsStore.h"
#include "program/FirstStart.h"
#include "program/ProgramFolders.h"
#include "program/Version.h"
#include "ui/dialogs/MessageForm.h"
#include "ui/main/GuardedApplication.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Prints what --help and --version ask for, or what is wrong with the line;
// the exit status, or -1 for a line that opens the window.
int Answer(const TCommandLine& line) {
    switch (line.Action) {
    case TCommandLine::TAction::Help:
    case TCommandLine::TAction::Version:
        std::fputs(line.Text.c_str(), stdout);
        return 0;
    case TCommandLine::TAction::Fail:
        std::fputs(line.Text.c_str(), stderr);
        return 1;
    case TCommandLine::TAction::Run:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    // --help, --version and a wrong line answer before the toolkit starts,
    // so that they work without a display.
    {
        QCoreApplication withoutDisplay(argc, argv);
        const int status = Answer(ParseCommandLine(WithoutToolkitOptions(QCoreApplication::arguments())));
        if (status >= 0)
            return status;
    }
    TGuardedApplication app(argc, argv);
    ApplyPaletteFromEnvironment();
    QApplication::setOrganizationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVALEN_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());

    // What the toolkit took out is read again without it.
    const TCommandLine line = ParseCommandLine(QApplication::arguments());
    if (const int status = Answer(line); status >= 0)
        return status;

    TProgramFolders folders = MakeProgramFolders(RunningExecutable(), HomeFolder(line.Home));
    CreateMissingFolders(folders);
    TQtSettingsStore store;
    OfferSamples(store, folders, InstalledSampleFolder(folders.ExeName),
                 [](const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) {
                     return ShowMessageDialog(nullptr, text, kind, buttons, alignment);
                 });
    TMainForm window(store, folders, line.Lists);
    window.show();
    return app.exec();
}
