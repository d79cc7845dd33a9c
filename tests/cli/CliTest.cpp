#include "cli/Cli.h"
#include "KorvalenVersion.h"
#include "cli/DumpFormat.h"
#include "core/Deflate.h"
#include "core/ListLock.h"
#include "core/ListSort.h"
#include "core/Project.h"
#include "support/FaultyFileSystem.h"
#include "support/ListFiles.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

TRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The status, standard output and standard error of a run as "status|out|err".
std::string Said(const std::vector<std::string>& args) {
    TRun run = Cli(args);
    return std::to_string(run.Status) + "|" + run.Out + "|" + run.Err;
}

void SaveRandomList(const std::string& path, size_t count, uint32_t seed) {
    TRandomRecords random(seed);
    std::vector<TBootData> records;
    for (size_t i = 0; i < count; ++i)
        records.push_back(random.Record());
    SaveListFile(path, records);
}

} // namespace

TEST(Cli, InfoPrintsVersionAndCountOrExactlyTheNewerVersionMessage) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 12, 1);
    EXPECT_EQ(Said({"info", dir.File("a.kvu")}), "0|version 13, 12 bootlegs\n|");
    WriteBytes(dir.File("old.kvu"), CompressBytes(TContent().Ints({7, 3}).Bytes()));
    EXPECT_EQ(Cli({"info", dir.File("old.kvu")}).Out, "version 7, 0 bootlegs\n");

    WriteBytes(dir.File("new.kvu"), CompressBytes(TContent().Ints({14, 0}).Bytes()));
    for (const char* command : {"info", "dump"})
        EXPECT_EQ(Said({command, dir.File("new.kvu")}), "1||Wrong file version (14).\n");
}

TEST(Cli, DumpThenImportGivesTheSameFile) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 300, 2);
    TRun run = Cli({"dump", dir.File("a.kvu")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 300);
    WriteBytes(dir.File("a.tsv"), run.Out);
    EXPECT_EQ(Said({"import", dir.File("a.tsv"), dir.File("b.kvu")}), "0||");
    EXPECT_EQ(ReadBytes(dir.File("b.kvu")), ReadBytes(dir.File("a.kvu")));

    WriteBytes(dir.File("crlf.tsv"), "B\tD\t\t\t\t\t1\t2\t\t\t\t\t\t\r\nC\t\t\t\t\t\t0\t0\t\t\t\t\t\t");
    EXPECT_EQ(Said({"import", dir.File("crlf.tsv"), dir.File("c.kvu")}), "0||");
    TProject list = LoadListFile(dir.File("c.kvu"));
    ASSERT_EQ(list.Data.size(), 2u);
    EXPECT_EQ(list.Data[0].Date + list.Data[1].Band, "DC");
    WriteBytes(dir.File("empty.tsv"), "");
    EXPECT_EQ(Said({"import", dir.File("empty.tsv"), dir.File("e.kvu")}), "0||");
    EXPECT_EQ(Cli({"info", dir.File("e.kvu")}).Out, "version 13, 0 bootlegs\n");
}

TEST(Cli, DumpWithAFilterPrintsTheLinesOfWhatTheQuickFilterPasses) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 200, 4);
    const std::string query = "band:a -\"b 1\"";
    TProject list = LoadListFile(dir.File("a.kvu"));
    list.QuickFilter.SetText(query, DefaultCodeNames());
    list.BuildView(TFilterState());
    ASSERT_FALSE(list.View.empty());
    std::string expected;
    for (int32_t index : list.View)
        expected += FormatDumpLine(list.Data[static_cast<size_t>(index)]) + "\n";
    TRun run = Cli({"dump", "--filter", query, dir.File("a.kvu")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, expected);
    EXPECT_EQ(Cli({"dump", dir.File("a.kvu"), "--filter", ""}).Out, Cli({"dump", dir.File("a.kvu")}).Out);
}

TEST(Cli, SortEqualsTheListSortAlsoInPlace) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 400, 3);
    // Every column's order is the list sort's own; here only that the column and direction reach it.
    const int column = 7;
    for (bool descending : {false, true}) {
        std::vector<std::string> args = {"sort", dir.File("a.kvu"), std::to_string(column), "-o", dir.File("s.kvu")};
        if (descending)
            args.insert(args.begin() + 3, "--descending");
        TRun run = Cli(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        TProject expected = LoadListFile(dir.File("a.kvu"));
        SortRecords(expected.Data, column + 1, !descending);
        TProject sorted = LoadListFile(dir.File("s.kvu"));
        ASSERT_EQ(sorted.Data.size(), expected.Data.size());
        for (size_t i = 0; i < sorted.Data.size(); ++i)
            ASSERT_TRUE(SameStoredFields(sorted.Data[i], expected.Data[i])) << descending << " " << i;
    }
    ASSERT_EQ(Cli({"sort", dir.File("s.kvu"), "1", "-o", dir.File("s.kvu")}).Status, 0);
    TProject list = LoadListFile(dir.File("s.kvu"));
    EXPECT_TRUE(std::is_sorted(list.Data.begin(), list.Data.end(),
                               [](const TBootData& a, const TBootData& b) { return a.Band < b.Band; }));
    EXPECT_EQ(dir.EntryCount(), 2u);
}

TEST(Cli, ErrorsGoToStandardErrorAndTouchNoFile) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 5, 5);
    WriteBytes(dir.File("out.kvu"), "previous");
    WriteBytes(dir.File("broken.kvu"), "not a list");
    WriteBytes(dir.File("bad.tsv"), "B\t\t\t\t\t\t1\t2\t\t\t\t\t\t\nB\t\t\t\t\t\tone\t2\t\t\t\t\t\t\n");
    WriteBytes(dir.File("short.tsv"), "B\t\t\t\t\t\t1\t2\t\t\t\t\t\t\n\nB\n");
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"info"},
        {"info", dir.File("a.kvu"), "extra"},
        {"info", dir.File("missing.kvu")},
        {"dump", dir.File("broken.kvu")},
        {"import", dir.File("missing.tsv"), dir.File("out.kvu")},
        {"import", dir.File("bad.tsv"), dir.File("out.kvu")},
        {"import", dir.File("short.tsv"), dir.File("out.kvu")},
        {"sort", dir.File("a.kvu"), "0", "-o", dir.File("out.kvu")},
        {"sort", dir.File("a.kvu"), "14", "-o", dir.File("out.kvu")},
        {"sort", dir.File("a.kvu"), "x", "-o", dir.File("out.kvu")},
        {"sort", dir.File("a.kvu"), "2"},
        {"sort", dir.File("a.kvu"), "2", "-o"},
        {"sort", dir.File("broken.kvu"), "2", "-o", dir.File("out.kvu")},
        {"sort", dir.File("a.kvu"), "2", "-o", dir.File("no/folder/out.kvu")},
        {"dump", dir.File("a.kvu"), "--filter"},
        {"dump", dir.File("a.kvu"), "--fitler", "x"},
        {"compare"},
        {"compare", "--no-sauce", dir.File("a.kvu")},
        {"compare", dir.File("a.kvu"), dir.File("broken.kvu")},
        {"join", dir.File("a.kvu")},
        {"join", dir.File("a.kvu"), "-o"},
        {"join", "-o", dir.File("out.kvu")},
        {"join", dir.File("a.kvu"), dir.File("missing.kvu"), "-o", dir.File("out.kvu")}};
    for (const auto& args : bad) {
        TRun run = Cli(args);
        EXPECT_EQ(run.Status, 1) << testing::PrintToString(args);
        EXPECT_EQ(run.Out, "") << testing::PrintToString(args);
        EXPECT_FALSE(run.Err.empty());
        EXPECT_EQ(ReadBytes(dir.File("out.kvu")), "previous");
    }
    EXPECT_EQ(dir.EntryCount(), 5u);
    EXPECT_NE(Cli(bad[5]).Err.find("not a Korvalen list"), std::string::npos);
    EXPECT_NE(Cli(bad[4]).Err.find("No such file or directory"), std::string::npos);
    EXPECT_NE(Cli(bad[7]).Err.find("bad.tsv:2: the source code \"one\" is not a whole number."), std::string::npos);
    EXPECT_NE(Cli(bad[8]).Err.find("short.tsv:2: 1 fields instead of 14"), std::string::npos);
}

TEST(Cli, CompareAndJoinPrintAndWriteTheResultsOfTheListFunctions) {
    TTempDir dir;
    const std::string a = dir.File("bootlegs 2003.kvu"), b = dir.File("live.2003.kvu"), c = dir.File("tab\tname.kvu");
    SaveListFile(a, {MatchRecord("X", "1", 1, "first"), MatchRecord("Y", "2", 1), MatchRecord("X", "1", 4),
                     MatchRecord("X", "1", 1)});
    SaveListFile(b, {MatchRecord("X", "1", 1, "second"), MatchRecord("Z", "3", 1)});
    SaveListFile(c, {});

    EXPECT_EQ(Said({"compare", a, b, c}), "0|1\t1\t1\tTab\\tname\n"
                                          "1\t2\t2\tLive, Tab\\tname\n"
                                          "1\t3\t2\tLive, Tab\\tname\n"
                                          "1\t4\t1\tTab\\tname\n"
                                          "2\t1\t1\tTab\\tname\n"
                                          "2\t2\t2\tBootlegs 2003, Tab\\tname\n|");
    EXPECT_EQ(Cli({"compare", "--no-source", a, b}).Out, "1\t1\t0\t\n"
                                                         "1\t2\t1\tLive\n"
                                                         "1\t3\t0\t\n"
                                                         "1\t4\t0\t\n"
                                                         "2\t1\t0\t\n"
                                                         "2\t2\t1\tBootlegs 2003\n");
    // One list: its duplicates.
    EXPECT_EQ(Cli({"compare", a}).Out, "1\t1\t0\t\n1\t2\t0\t\n1\t3\t0\t\n1\t4\t1\t\n");
    EXPECT_EQ(Cli({"compare", "--no-media", "--no-source", a}).Out, "1\t1\t0\t\n1\t2\t0\t\n1\t3\t1\t\n1\t4\t1\t\n");
    const std::string trader = dir.File("trader.kvu");
    SaveListFile(trader, {MatchRecord(" x ", "1"), MatchRecord("Q", "1")});
    EXPECT_EQ(Cli({"compare", a, trader}).Out.substr(0, 6), "1\t1\t1\t");
    EXPECT_EQ(Cli({"compare", "--loose", a, trader}).Out.substr(0, 6), "1\t1\t0\t");
    const std::string wanted = dir.File("wanted.kvu");
    EXPECT_EQ(Said({"wants", "--loose", a, b, trader, "-o", wanted}), "0|2 wanted\n|");
    ASSERT_EQ(LoadListFile(wanted).Data.size(), 2u);
    EXPECT_EQ(LoadListFile(wanted).Data[1].Band, "Q");
    EXPECT_EQ(Cli({"wants", a, "-o", wanted}).Status, 1);

    const std::string out = dir.File("joined.kvu");
    EXPECT_EQ(Said({"join", b, a, c, "-o", out}), "0||");
    TProject joined = LoadListFile(out);
    ASSERT_EQ(joined.Data.size(), 4u);
    EXPECT_TRUE(SameStoredFields(joined.Data[0], MatchRecord("X", "1", 1, "second"))); // the lists in the order given
    ASSERT_EQ(Cli({"join", "--no-source", a, "-o", out}).Status, 0);
    EXPECT_EQ(LoadListFile(out).Data.size(), 2u);
}

TEST(Cli, HelpForEveryCommand) {
    for (const char* command : {"info", "dump", "import", "sort", "export", "tours", "concerts", "find-concert",
                                "compare", "join", "wants", "coverage", "stats", "import-list"}) {
        TRun run = Cli({command, "--help"});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out.rfind(std::string("usage: korvalen-cli ") + command, 0), 0u) << run.Out;
        EXPECT_EQ(run.Err, "");
    }
    TRun run = Cli({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("korvalen-cli sort"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).Out, "korvalen-cli " KORVALEN_VERSION "\n");
}

TEST(Cli, ToursConcertsAndFindConcert) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Tours"));
    WriteBytes(dir.File("Tours/b.txt"), "|||||Late|2000.01.01|2000.12.31\r\n2000.02.02|Sun|Oslo|Norway|Spektrum\r\n");
    WriteBytes(dir.File("Tours/A.txt"), "x\n|||||Early|1990.01.01|1990.12.31\n1990.03.03|Sat|Rome|Italy|Palaeur\n"
                                        "1990.03.04\n");
    EXPECT_EQ(Said({"tours", dir.File("Tours")}), "0|$f01 < all > \n$f01A\n$f02Early\n$f01b\n$f02Late\n|");
    EXPECT_EQ(Said({"concerts", dir.File("Tours/")}), "0|A\tEarly\t1990.03.03\tSat\tRome\tItaly\tPalaeur\n"
                                                      "A\tEarly\t1990.03.04\t\t\t\t\n"
                                                      "b\tLate\t2000.02.02\tSun\tOslo\tNorway\tSpektrum\n|");
    EXPECT_EQ(Said({"find-concert", dir.File("Tours"), "b", "2000.02.02"}), "0|Oslo\tNorway\tSpektrum\n|");
    EXPECT_EQ(Said({"find-concert", dir.File("Tours"), "B", "2000.02.02"}), "1||");
    TRun run = Cli({"tours", dir.File("NoTours")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("no such folder"), std::string::npos);
}

TEST(Cli, CoverageCountsAndMissingConcertsAndStats) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Tours"));
    WriteBytes(dir.File("Tours/b.txt"), "|||||Late|2000.01.01|2000.12.31\r\n2000.02.02|Sun|Oslo|Norway|Spektrum\r\n"
                                        "2000.02.03|Mon|Bergen|Norway|Grieghallen\r\n|||||Empty||\r\n");
    WriteBytes(dir.File("Tours/A.txt"), "");
    TProject list;
    list.FileName = dir.File("a.kvu");
    for (const char* band : {"b", "B", "Nobody"}) {
        TBootData& r = list.Data.emplace_back();
        r.Band = band;
        r.Date = "2000.02.02";
    }
    ASSERT_TRUE(list.Save().Ok);
    EXPECT_EQ(Said({"coverage", list.FileName, "--tours", dir.File("Tours")}), "0|b\tLate\t1\t2\nb\tEmpty\t0\t0\n|");
    EXPECT_EQ(Cli({"coverage", "--missing", list.FileName, "--tours", dir.File("Tours")}).Out,
              "b\tLate\t2000.02.03|Mon|Bergen|Norway|Grieghallen\n");
    EXPECT_EQ(Cli({"coverage", list.FileName}).Status, 1);
    EXPECT_EQ(Said({"stats", list.FileName}), "0|total\t\t3\nyear\t2000\t3\nband\tB\t1\nband\tNobody\t1\nband\tb\t1\n"
                                              "source\t(none)\t3\nmedia\t(none)\t3\nquality\t(none)\t3\n|");
}

TEST(Cli, HostileToursFoldersGiveEscapedLinesAndWarnings) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Tours"));
    WriteBytes(dir.File("Tours/Two\nLines.txt"), "|||||Tour\tA|1|2\n");
    WriteBytes(dir.File("Tours/Huge.txt"), "|||||T|1|2\n");
    std::filesystem::resize_file(dir.File("Tours/Huge.txt"), 8ULL << 30); // sparse
    EXPECT_EQ(Said({"tours", dir.File("Tours")}),
              "0|$f01 < all > \n$f01Two\\nLines\n$f02Tour\\tA\n|"
              "korvalen-cli: skipped Huge.txt: It is larger than 64 MB (8192 MB).\n");

    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::List;
    const std::string said = Said({"concerts", dir.File("Tours")});
    EXPECT_EQ(said.rfind("1||korvalen-cli: Cannot read the folder", 0), 0u) << said;
}

TEST(Cli, ExportWritesTheTradeListByteForByte) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("Tours"));
    WriteBytes(dir.File("Tours/Yes.txt"), "|||||Relayer|1974.11|1975.09\r\n");
    TBootData yes = SampleRecord();
    yes.Band = "Yes";
    yes.Date = "1974.12.01";
    yes.Covers[0].clear();
    TBootData other;
    other.Band = "Can";
    other.Source = 2;
    SaveListFile(dir.File("a.kvu"), {yes, other});

    const std::string heading = "\r\n\r\nYes - Relayer\r\n\r\n";
    const struct {
        std::vector<std::string> Options;
        std::string Text;
    } exports[] = {
        {{},
         "Yes  1974.12.01  Lisbon  Portugal  Pavilhao  Night  Audience  DVD  EX  007   C     note  \r\n"
         "Can" +
             std::string(49, ' ') + "TV/Radio" + std::string(29, ' ') + "\r\n"},
        {{"--columns", "2,1,7"}, "1974.12.01  Yes  Audience  \r\n            Can  TV/Radio  \r\n"},
        {{"--columns", ""}, "\r\n\r\n"},
        {{"--columns", "1", "--tours", dir.File("Tours")}, heading + "Yes  \r\n\r\n\r\nCan\r\n\r\nCan  \r\n"},
        {{"--tours", dir.File("Tours/"), "--no-band-name", "--columns", "12,1"},
         "\r\n\r\nRelayer\r\n\r\n  Yes  \r\n\r\n\r\nCan\r\n\r\n  Can  \r\n"}};
    for (const auto& e : exports) {
        std::vector<std::string> args = {"export", dir.File("a.kvu"), dir.File("out.txt")};
        args.insert(args.end(), e.Options.begin(), e.Options.end());
        ASSERT_EQ(Said(args), "0||");
        EXPECT_EQ(ReadBytes(dir.File("out.txt")), e.Text) << testing::PrintToString(e.Options);
    }
}

TEST(Cli, ExportRefusesBadColumnsAndKeepsTheOldFile) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 5, 7);
    WriteBytes(dir.File("out.txt"), "previous");
    const std::vector<std::vector<std::string>> bad = {{"--columns", "0"},
                                                       {"--columns", "14"},
                                                       {"--columns", "1,x"},
                                                       {"--columns", "1,"},
                                                       {"--columns", "2,3,2"},
                                                       {"--columns"},
                                                       {"--tours", dir.File("NoTours")},
                                                       {"--tours"},
                                                       {"--frobnicate"},
                                                       {"extra"}};
    for (const auto& options : bad) {
        std::vector<std::string> args = {"export", dir.File("a.kvu"), dir.File("out.txt")};
        args.insert(args.end(), options.begin(), options.end());
        TRun run = Cli(args);
        EXPECT_EQ(run.Status, 1) << testing::PrintToString(options);
        EXPECT_FALSE(run.Err.empty()) << testing::PrintToString(options);
        EXPECT_EQ(ReadBytes(dir.File("out.txt")), "previous");
    }
    EXPECT_NE(Cli({"export", dir.File("a.kvu"), dir.File("out.txt"), "--columns", "2,3,2"}).Err.find("listed twice"),
              std::string::npos);
    EXPECT_EQ(Cli({"export", dir.File("a.kvu")}).Status, 1);
    const std::string said = Said({"export", dir.File("a.kvu"), dir.File("out.txt/no")});
    EXPECT_EQ(said.rfind("1||" + dir.File("out.txt/no") + ": ", 0), 0u) << said;
    EXPECT_EQ(dir.EntryCount(), 2u);
}

// A list open in Korvalen elsewhere is written over only when asked to.
TEST(Cli, WritingOverALockedListNeedsForce) {
    TTempDir dir;
    SaveRandomList(dir.File("a.kvu"), 5, 3);
    SaveRandomList(dir.File("open.kvu"), 2, 4);
    WriteBytes(LockFilePath(dir.File("open.kvu")), LockFileText({"ann", "elsewhere", 7, 0}));
    const std::string before = ReadBytes(dir.File("open.kvu"));
    const std::vector<std::vector<std::string>> writes = {{"sort", dir.File("a.kvu"), "1", "-o", dir.File("open.kvu")},
                                                          {"join", dir.File("a.kvu"), "-o", dir.File("open.kvu")},
                                                          {"import", dir.File("dump.tsv"), dir.File("open.kvu")}};
    WriteBytes(dir.File("dump.tsv"), Cli({"dump", dir.File("a.kvu")}).Out);
    for (std::vector<std::string> args : writes) {
        TRun refused = Cli(args);
        EXPECT_EQ(refused.Status, 1) << args[0];
        EXPECT_NE(refused.Err.find("open in Korvalen by ann on elsewhere"), std::string::npos) << refused.Err;
        EXPECT_NE(refused.Err.find("--force"), std::string::npos) << refused.Err;
        EXPECT_EQ(ReadBytes(dir.File("open.kvu")), before) << args[0];
        args.insert(args.begin() + 1, "--force");
        EXPECT_EQ(Cli(args).Status, 0) << args[0];
        EXPECT_NE(ReadBytes(dir.File("open.kvu")), before) << args[0];
        SaveRandomList(dir.File("open.kvu"), 2, 4);
    }
    // --force is no option of the commands that write no list.
    EXPECT_EQ(Cli({"info", "--force", dir.File("a.kvu")}).Status, 1);
}

TEST(CliImportList, PrintsTheGuessedMappingAndWritesTheList) {
    TTempDir dir;
    WriteBytes(dir.File("trade.csv"),
               "Artist;Datum;Where;Quelle\r\nYes;05/01/1999;Rome;SBD flac\r\nCan;x;Bonn;AUD\r\n");
    TRun run = Cli({"import-list", dir.File("trade.csv"), "-o", dir.File("out.kvu"), "--date-form", "us"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "Format: csv, separated by ;\n"
                       "  1 \"Artist\" -> Band\n"
                       "  2 \"Datum\" -> Date\n"
                       "  3 \"Where\" -> City\n"
                       "  4 \"Quelle\" -> Source\n"
                       "2 bootlegs written to " +
                           dir.File("out.kvu") + "\n");
    TProject list = LoadListFile(dir.File("out.kvu"));
    ASSERT_EQ(list.Data.size(), 2u);
    const TBootData &yes = list.Data[0], &can = list.Data[1];
    EXPECT_EQ(yes.Date + " " + std::to_string(yes.Source) + " " + std::to_string(yes.Media), "05/01/1999 1 1");
    EXPECT_EQ(can.Date + " " + std::to_string(can.Source), "x 4");
}

TEST(CliImportList, RefusesWhatItCannotDoAndWritesNothing) {
    TTempDir dir;
    WriteBytes(dir.File("trade.txt"), "Yes  1999.05.01\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"import-list", dir.File("trade.txt")},
             {"import-list", dir.File("trade.txt"), "-o"},
             {"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--format", "xls"},
             {"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--date-form", "Dotted"},
             {"import-list", dir.File("none.txt"), "-o", dir.File("o.kvu")}}) {
        TRun run = Cli(args);
        EXPECT_EQ(run.Status, 1) << args.back();
        EXPECT_FALSE(run.Err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.kvu")));
    TRun run = Cli({"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--format", "text"});
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.substr(0, 13), "Format: text\n");
}
