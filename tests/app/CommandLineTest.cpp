#include "app/CommandLine.h"
#include "program/Version.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using TAction = TCommandLine::TAction;

TCommandLine Parse(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("korvalen")};
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return ParseCommandLine(list);
}

std::string Cwd() {
    char cwd[4096];
    return ::getcwd(cwd, sizeof cwd) ? cwd : "";
}

TEST(CommandLine, ListsBecomeAbsoluteAndHomeIsTaken) {
    const TCommandLine line = Parse({"My list.kvu", "--home", "/data", "/a/./b/../c.kvu", "--", "--odd.kvu"});
    EXPECT_EQ(line.Action, TAction::Run);
    EXPECT_EQ(line.Home, "/data");
    EXPECT_EQ(line.Lists, (std::vector<std::string>{Cwd() + "/My list.kvu", "/a/c.kvu", Cwd() + "/--odd.kvu"}));
    EXPECT_EQ(Parse({"--home=/d2"}).Home, "/d2");
    EXPECT_TRUE(Parse({}).Lists.empty());
    // The toolkit's own options are left to it.
    const QStringList withToolkit = {"korvalen", "-platform", "xcb", "--style=fusion",
                                     "-reverse", "/a.kvu",    "--",  "-style"};
    const TCommandLine rest = ParseCommandLine(WithoutToolkitOptions(withToolkit));
    EXPECT_EQ(rest.Action, TAction::Run) << rest.Text;
    EXPECT_EQ(rest.Lists, (std::vector<std::string>{"/a.kvu", Cwd() + "/-style"}));
}

TEST(CommandLine, HelpVersionAndMistakes) {
    for (const char* help : {"--help", "-h"}) {
        const TCommandLine line = Parse({"x.kvu", help});
        EXPECT_EQ(line.Action, TAction::Help) << help;
        EXPECT_NE(line.Text.find("--home"), std::string::npos) << line.Text;
    }
    for (const char* version : {"--version", "-v"}) {
        const TCommandLine line = Parse({version});
        EXPECT_EQ(line.Action, TAction::Version);
        EXPECT_EQ(line.Text, std::string("Korvalen ") + kProgramVersion + "\n");
    }
    const struct {
        std::initializer_list<const char*> Arguments;
        const char* Complaint;
    } mistakes[] = {
        {{"--bogus"}, "bogus"},
        {{"x.kvu", "-q"}, "q"},
        {{"--home"}, "home"},
    };
    for (const auto& m : mistakes) {
        const TCommandLine line = Parse(m.Arguments);
        EXPECT_EQ(line.Action, TAction::Fail) << m.Complaint;
        EXPECT_NE(line.Text.find(m.Complaint), std::string::npos) << line.Text;
        EXPECT_NE(line.Text.find("Usage: korvalen"), std::string::npos) << line.Text;
    }
}

// The program itself: what it prints, its exit status, and that it stops
// before a window (it would otherwise wait for the user until the timeout).
TEST(CommandLine, TheProgramAnswersWithoutAWindow) {
    QTemporaryDir home;
    const struct {
        QStringList Arguments;
        int Status;
        const char* Out;
        const char* Err;
    } runs[] = {
        {{QStringLiteral("--version")}, 0, "Korvalen " KORVALEN_VERSION "\n", ""},
        {{QStringLiteral("--frobnicate"), QStringLiteral("x.kvu")}, 1, "", "Unknown option 'frobnicate'"},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--home")}, 1, "", "Usage: korvalen"},
    };
    for (const auto& run : runs) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display at all: none of these answers needs one.
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("KORVALEN_HOME"), home.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KORVALEN_PROGRAM), run.Arguments);
        ASSERT_TRUE(program.waitForFinished(20000)) << run.Arguments.join(' ').toStdString();
        const std::string out = program.readAllStandardOutput().toStdString();
        const std::string err = program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), run.Status) << err;
        EXPECT_NE(out.find(run.Out), std::string::npos) << out;
        EXPECT_NE(err.find(run.Err), std::string::npos) << err;
        EXPECT_TRUE(run.Status == 0 || out.empty()) << out;
    }
}

} // namespace
