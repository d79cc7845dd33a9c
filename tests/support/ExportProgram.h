#pragma once

#include "program/ExportText.h"
#include "program/Program.h"
#include "support/FakeProgramHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A program in a fresh home whose Tours folder holds the band "Yes" with the
// tour "Relayer", and one open list: "Yes" on 1974.12.01, "Hidden" and "Can"
// (source 1), the view showing the first and the last.
class TExportProgram : public testing::Test {
protected:
    void SetUp() override {
        TProgramFolders folders = MakeProgramFolders("/opt/korvalen/korvalen", Home.Path());
        CreateMissingFolders(folders);
        WriteBytes(folders.ToursDir + "Yes.txt", "|||||Relayer|1974.11|1975.09\n");
        Program = std::make_unique<TProgram>(Host, Store, folders);
        ASSERT_TRUE(Program->OpenList(""));
        TProject& list = *Program->CurrentList();
        list.Data.resize(3);
        list.Data[0].Band = "Yes";
        list.Data[0].Date = "1974.12.01";
        list.Data[1].Band = "Hidden";
        list.Data[2].Band = "Can";
        list.Data[2].Source = 1;
        list.View = {0, 2};
    }
    std::string Out() const { return Home.File("trade.txt"); }

    TTempDir Home;
    TFakeProgramHost Host;
    TMemorySettingsStore Store;
    std::unique_ptr<TProgram> Program;
    TStrings2 Names = CodeNameStore();
};
