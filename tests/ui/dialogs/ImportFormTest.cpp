// The import window over a real main window: a trader's spreadsheet chosen
// through the file dialog, its fields changed by hand, and the bootlegs
// opened as a new list or added to the current one as one step.

#include "ui/dialogs/ImportForm.h"
#include "platform/SettingsStore.h"
#include "support/FakeProgramHost.h"
#include "support/QuietMainWindow.h"
#include "support/TempDir.h"
#include "support/TourFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const kSpreadsheet = "Artist;Datum;Quelle\r\n"
                                 "Yes;05/01/1999;SBD 2CDR\r\n"
                                 "Can;1 May 1999;aud\r\n";

class ImportFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Main = MakeQuietMainWindow(Settings, MakeHomeWithAlphaAndBeta(Home.Path()));
        ASSERT_NE(Main, nullptr);
        std::ofstream(Home.File("trade.csv"), std::ios::binary) << kSpreadsheet;
        Host.DialogAnswers.push_back(Home.File("trade.csv"));
    }
    void TearDown() override {
        if (Main)
            for (auto& list : Main->Program().Lists)
                list->Saved = true; // closes without asking
        Main.reset();
    }

    TTempDir Home;
    TMemorySettingsStore Settings;
    std::unique_ptr<TMainForm> Main;
    TFakeProgramHost Host;
};

TEST_F(ImportFormFixture, AChosenFileIsPreviewedWithItsGuessedFieldsAndTheChosenDateForm) {
    TImportForm form(Main->Program(), Host, Main->GridStr());
    EXPECT_FALSE(form.ImportButton().isEnabled());
    form.BrowseClick();
    ASSERT_TRUE(form.ImportButton().isEnabled());
    EXPECT_EQ(form.FormatBox().currentIndex(), int(TTradeFormat::Csv));
    ASSERT_EQ(form.Preview().columnCount(), 3);
    EXPECT_EQ(form.FieldBox(0)->currentText(), "Band");
    EXPECT_EQ(form.FieldBox(2)->currentText(), "Source");
    EXPECT_EQ(form.Preview().item(2, 1)->text(), "1999.05.01");
    form.DateFormBox().setCurrentIndex(int(TDateForm::Written));
    EXPECT_EQ(form.Preview().item(3, 1)->text(), "1 May 1999");

    form.FieldBox(2)->setCurrentIndex(int(TTradeField::Comment));
    const TArrayOfBootData records = form.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Date, "1 May 1999");
    EXPECT_EQ(records[0].Source, 0);
    EXPECT_EQ(records[0].Comment, "SBD 2CDR");
}

TEST_F(ImportFormFixture, AFileThatCannotBeReadIsToldAndChangesNothing) {
    TImportForm form(Main->Program(), Host, Main->GridStr());
    form.OpenFile(Home.File("missing.csv"));
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_NE(Host.Messages[0].Text.find("missing.csv"), std::string::npos);
    EXPECT_FALSE(form.Logic().HasFile());
}

// Drives the modal window from inside its own event loop.
void ImportWhenShown(bool addToCurrent) {
    QTimer::singleShot(0, [addToCurrent] {
        auto* form = qobject_cast<TImportForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->BrowseClick();
        form->AddButton().setChecked(addToCurrent);
        form->ImportButton().click();
    });
}

TEST_F(ImportFormFixture, TheBootlegsOpenAsANewUnsavedListOrJoinTheCurrentOneAsOneStep) {
    TProgram& program = Main->Program();
    ImportWhenShown(false);
    ASSERT_TRUE(RunImportForm(Main.get(), program, Host, Main->GridStr()));
    ASSERT_EQ(program.Lists.size(), 2u);
    TProject& imported = *program.CurrentList();
    EXPECT_EQ(imported.Data.size(), 2u);
    EXPECT_FALSE(imported.Saved);
    EXPECT_TRUE(imported.FileName.empty());

    Host.DialogAnswers.push_back(Home.File("trade.csv"));
    ImportWhenShown(true);
    ASSERT_TRUE(RunImportForm(Main.get(), program, Host, Main->GridStr()));
    EXPECT_EQ(program.Lists.size(), 2u);
    EXPECT_EQ(imported.Data.size(), 4u);
    imported.UndoChange();
    EXPECT_EQ(imported.Data.size(), 2u);
}

} // namespace
