#pragma once

#include <QStringList>

#include <string>
#include <vector>

// The command line of the desktop program: --help, --version, --home DIR and
// the list files to open, each made absolute and clean so that the history
// names a file the same wherever the program was started from.
struct TCommandLine {
    enum class TAction {
        Run,     // open the window
        Help,    // print Text on standard output, exit 0
        Version, // the same
        Fail,    // print Text (an error and a short usage) on standard error, exit 1
    };
    TAction Action = TAction::Run;
    std::string Text;
    std::string Home; // "" unless --home was given
    std::vector<std::string> Lists;
};

// `arguments` as QCoreApplication::arguments() gives them (the program first,
// the toolkit's own options already taken out).
TCommandLine ParseCommandLine(const QStringList& arguments);

// `arguments` without the options the desktop toolkit takes for itself
// (-platform NAME, -style NAME, -reverse, ...), so that the line can be
// read before the toolkit starts, which without a display it cannot.
QStringList WithoutToolkitOptions(const QStringList& arguments);
