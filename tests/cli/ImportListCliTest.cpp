#include "cli/Cli.h"
#include "core/Project.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

int Cli(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int status = RunCli(args, o, e);
    out = o.str();
    err = e.str();
    return status;
}

TEST(CliImportList, PrintsTheGuessedMappingAndWritesTheList) {
    TTempDir dir;
    WriteBytes(dir.File("trade.csv"),
               "Artist;Datum;Where;Quelle\r\nYes;05/01/1999;Rome;SBD flac\r\nCan;x;Bonn;AUD\r\n");
    std::string out, err;
    ASSERT_EQ(Cli({"import-list", dir.File("trade.csv"), "-o", dir.File("out.kvu"), "--date-form", "us"}, out, err), 0)
        << err;
    EXPECT_EQ(out, "Format: csv, separated by ;\n"
                   "  1 \"Artist\" -> Band\n"
                   "  2 \"Datum\" -> Date\n"
                   "  3 \"Where\" -> City\n"
                   "  4 \"Quelle\" -> Source\n"
                   "2 bootlegs written to " +
                       dir.File("out.kvu") + "\n");
    TProject list;
    list.FileName = dir.File("out.kvu");
    ASSERT_TRUE(list.Load().Ok());
    ASSERT_EQ(list.Data.size(), 2u);
    EXPECT_EQ(list.Data[0].Date, "05/01/1999");
    EXPECT_EQ(list.Data[0].Source, 1);
    EXPECT_EQ(list.Data[0].Media, 1);
    EXPECT_EQ(list.Data[1].Date, "x");
    EXPECT_EQ(list.Data[1].Source, 4);
}

TEST(CliImportList, RefusesWhatItCannotDoAndWritesNothing) {
    TTempDir dir;
    WriteBytes(dir.File("trade.txt"), "Yes  1999.05.01\n");
    std::string out, err;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"import-list", dir.File("trade.txt")},
             {"import-list", dir.File("trade.txt"), "-o"},
             {"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--format", "xls"},
             {"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--date-form", "Dotted"},
             {"import-list", dir.File("none.txt"), "-o", dir.File("o.kvu")}}) {
        EXPECT_EQ(Cli(args, out, err), 1) << args.back();
        EXPECT_FALSE(err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.kvu")));
    ASSERT_EQ(Cli({"import-list", dir.File("trade.txt"), "-o", dir.File("o.kvu"), "--format", "text"}, out, err), 0);
    EXPECT_EQ(out.substr(0, 13), "Format: text\n");
}

} // namespace
