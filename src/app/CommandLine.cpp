#include "app/CommandLine.h"

#include "platform/PathName.h"
#include "program/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

const char* const kUsage = "Usage: korvalen [--home DIR] [LIST.kvu ...]\n"
                           "Try 'korvalen --help' for more information.\n";

std::string Bytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The help names the program as it is typed, not by the full path the
// parser takes from the running application.
QString WithShortName(QString help) {
    const QStringList arguments = QCoreApplication::arguments();
    const QString usage = QStringLiteral("Usage: ");
    if (!arguments.isEmpty() && help.startsWith(usage + arguments.front()))
        help.replace(usage.size(), arguments.front().size(), QFileInfo(arguments.front()).fileName());
    return help;
}

// The toolkit's own options, which it takes out of the line when it starts.
const QStringList kToolkitOptionsWithValue = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),      QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),          QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),         QStringLiteral("session"),
    QStringLiteral("display"),       QStringLiteral("name"),
    QStringLiteral("style"),         QStringLiteral("stylesheet"),
};
const QStringList kToolkitFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                   QStringLiteral("dograb"), QStringLiteral("sync")};

} // namespace

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            kept += arguments.mid(i);
            break;
        }
        const bool option = i > 0 && argument.startsWith(QLatin1Char('-'));
        const QString name = option ? argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1) : QString();
        const QString bare = name.section(QLatin1Char('='), 0, 0);
        if (kToolkitFlags.contains(name) || (kToolkitOptionsWithValue.contains(bare) && bare != name))
            continue;
        if (kToolkitOptionsWithValue.contains(name)) {
            ++i; // and its value
            continue;
        }
        kept += argument;
    }
    return kept;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A catalogue of unofficial concert recordings."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's name and version and exit."));
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("Keep the Lists, Tours and Covers folders in DIR instead of beside "
                                                 "the program (also KORVALEN_HOME)."),
                                  QStringLiteral("DIR"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(home);
    parser.addPositionalArgument(QStringLiteral("lists"), QStringLiteral("List files to open."),
                                 QStringLiteral("[LIST.kvu ...]"));

    TCommandLine line;
    if (!parser.parse(arguments)) {
        line.Action = TCommandLine::TAction::Fail;
        line.Text = "korvalen: " + Bytes(parser.errorText()) + "\n" + kUsage;
        return line;
    }
    if (parser.isSet(help)) {
        line.Action = TCommandLine::TAction::Help;
        line.Text = Bytes(WithShortName(parser.helpText()));
        return line;
    }
    if (parser.isSet(version)) {
        line.Action = TCommandLine::TAction::Version;
        line.Text = std::string(kProgramName) + " " + kProgramVersion + "\n";
        return line;
    }
    line.Home = Bytes(parser.value(home));
    for (const QString& list : parser.positionalArguments())
        line.Lists.push_back(AbsolutePath(Bytes(list)));
    return line;
}
