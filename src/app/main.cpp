#include "platform/QtSettingsStore.h"
#include "program/ProgramFolders.h"
#include "ui/main/GuardedApplication.h"
#include "ui/main/MainForm.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv) {
    TGuardedApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvalen"));
    QApplication::setApplicationName(QStringLiteral("Korvalen"));

    TProgramFolders folders = MakeProgramFolders(RunningExecutable(), HomeFromArguments(argc, argv));
    CreateMissingFolders(folders);

    // Arguments other than --home are list files to open at start.
    std::vector<std::string> lists;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--home") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--home=", 7) != 0)
            lists.push_back(argv[i]);
    }

    TQtSettingsStore store;
    TMainForm window(store, folders, lists);
    window.show();
    return app.exec();
}
