#include "program/ExportFormLogic.h"

#include "support/ExportProgram.h"
#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

using ExportWindowLogic = TExportProgram;

TEST_F(ExportWindowLogic, StartsFromTheRememberedChoices) {
    Program->ExportPos = {13, 1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    Program->ExportParams = {false, true};
    Program->ExportFormat = 2;
    TExportFormLogic window(*Program, Host, Names);
    EXPECT_EQ(window.Order, Program->ExportPos);
    EXPECT_EQ(window.Format, TExportFormat::Html);
    EXPECT_FALSE(window.Options.DivideByTours);
    EXPECT_TRUE(window.Options.BandNameBeforeTour);

    Program->ExportPos[0] = 1;
    EXPECT_EQ(TExportFormLogic(*Program, Host, Names).Order, DefaultExportOrder());
}

TEST_F(ExportWindowLogic, ExportsTheVisibleBootlegsDividedByTours) {
    TExportFormLogic window(*Program, Host, Names);
    std::array<bool, kExportLineCount> selected{};
    selected[6] = selected[13] = true; // Source and the separator
    window.Drop(selected, 1);          // between Band and Date
    Host.DialogAnswers = {Out()};
    ASSERT_TRUE(window.Export());
    EXPECT_EQ(ReadBytes(Out()), "\r\n\r\nYes - Relayer\r\n\r\nYes              \r\n"
                                "\r\n\r\nCan\r\n\r\nCan  Soundboard  \r\n");
    ASSERT_EQ(Host.Dialogs.size(), 1u);
    const TFileDialog& dialog = Host.Dialogs[0];
    EXPECT_EQ(dialog.Filter, "Text file (*.txt)|*.txt");
    EXPECT_EQ(dialog.DefaultExt, "txt");
    EXPECT_TRUE(dialog.OverwritePrompt);
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_TRUE(Host.Messages.empty());

    // The next run starts from that file.
    window.Options.DivideByTours = false;
    Host.DialogAnswers = {Out()};
    ASSERT_TRUE(window.Export());
    EXPECT_EQ(Host.Dialogs[1].FileName, Out());
    EXPECT_EQ(ReadBytes(Out()), "Yes              \r\nCan  Soundboard  \r\n");
}

TEST_F(ExportWindowLogic, CancelKeepsTheOldChoicesButTheNewFileName) {
    const TExportOrder before = Program->ExportPos;
    Program->ExportFile = Home.File("old.txt");
    for (int result : {Msg::ResultCancel, Msg::ResultOk}) {
        TExportFormLogic window(*Program, Host, Names);
        std::array<bool, kExportLineCount> selected{};
        selected[3] = selected[1] = true;
        EXPECT_EQ(window.Drop(selected, 0), (std::array<bool, kExportLineCount>{true, true}));
        window.Options.BandNameBeforeTour = false;
        Host.DialogAnswers = {Out()};
        ASSERT_TRUE(window.Export());
        window.Close(result);
        EXPECT_EQ(Program->ExportFile, Out());
        if (result == Msg::ResultCancel) {
            EXPECT_EQ(Program->ExportPos, before);
            EXPECT_TRUE(Program->ExportParams[1]);
        } else {
            EXPECT_EQ(Program->ExportPos, (TExportOrder{1, 3, 0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
            EXPECT_FALSE(Program->ExportParams[1]);
        }
    }
}

TEST_F(ExportWindowLogic, ACancelledDialogChangesNothing) {
    Program->ExportFile = "remembered.txt";
    const size_t entries = Home.EntryCount();
    TExportFormLogic window(*Program, Host, Names);
    EXPECT_FALSE(window.Export());
    EXPECT_EQ(Program->ExportFile, "remembered.txt");
    EXPECT_EQ(Home.EntryCount(), entries);
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(ExportWindowLogic, AFailedExportIsShownAndKeepsTheOldFile) {
    WriteBytes(Out(), "old trade list");
    TFaultyFileSystem faulty;
    TScopedFileSystem scope(faulty);
    faulty.FailAt = TFaultyFileSystem::TStep::Write;
    TExportFormLogic window(*Program, Host, Names);
    Host.DialogAnswers = {Out()};
    EXPECT_FALSE(window.Export());
    EXPECT_EQ(ReadBytes(Out()), "old trade list");
    EXPECT_EQ(Program->ExportFile, Out());
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Kind, Msg::Error);
    EXPECT_NE(Host.Messages[0].Text.find(Out()), std::string::npos);
    EXPECT_NE(Host.Messages[0].Text.find("injected failure"), std::string::npos);
}

TEST_F(ExportWindowLogic, WithoutAListThereIsNothingToExport) {
    ASSERT_TRUE(Program->CloseList(0));
    TExportFormLogic window(*Program, Host, Names);
    Host.DialogAnswers = {Out()};
    EXPECT_FALSE(window.Export());
    EXPECT_TRUE(Host.Dialogs.empty());
}
