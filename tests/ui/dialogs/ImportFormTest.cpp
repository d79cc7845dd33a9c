// The import window over the real main window: a trader's spreadsheet chosen
// through the file dialog, its fields changed by hand, and the bootlegs
// opened as a new list or added to the current one as one step.

#include "ui/dialogs/ImportForm.h"
#include "support/ModalWindow.h"
#include "support/TourFiles.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

const char* const kSpreadsheet = "Artist;Datum;Quelle\r\n"
                                 "Yes;05/01/1999;SBD 2CDR\r\n"
                                 "Can;1 May 1999;aud\r\n";

class ImportForm : public TTourWindowFixture {
protected:
    void SetUp() override {
        TTourWindowFixture::SetUp();
        WriteBytes(Path("trade.csv"), kSpreadsheet);
        DialogPaths.push_back(Path("trade.csv"));
    }
};

TEST_F(ImportForm, AChosenFileIsPreviewedWithItsGuessedFieldsAndTheChosenDateForm) {
    TImportForm form(Program(), *W, W->GridStr());
    EXPECT_FALSE(form.ImportButton().isEnabled());
    form.BrowseClick();
    ASSERT_TRUE(form.ImportButton().isEnabled());
    EXPECT_EQ(form.FormatBox().currentIndex(), int(TTradeFormat::Csv));
    ASSERT_EQ(form.Preview().columnCount(), 3);
    EXPECT_EQ(form.FieldBox(0)->currentText(), "Band");
    EXPECT_EQ(form.Preview().item(2, 1)->text(), "1999.05.01");
    form.DateFormBox().setCurrentIndex(int(TDateForm::Written));
    EXPECT_EQ(form.Preview().item(3, 1)->text(), "1 May 1999");

    form.FieldBox(0)->setCurrentIndex(int(TTradeField::Ignore));
    form.FieldBox(2)->setCurrentIndex(int(TTradeField::Comment));
    const TArrayOfBootData records = form.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Band, "");
    EXPECT_EQ(records[0].Date, "1 May 1999");
    EXPECT_EQ(records[0].Source, 0);
    EXPECT_EQ(records[0].Comment, "SBD 2CDR");

    form.FormatBox().setCurrentIndex(int(TTradeFormat::Text)); // no padding: one column
    EXPECT_EQ(form.Preview().columnCount(), 1);
}

TEST_F(ImportForm, AFileThatCannotBeReadIsToldAndChangesNothing) {
    TImportForm form(Program(), *W, W->GridStr());
    form.OpenFile(Path("missing.csv"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].Text.find("missing.csv"), std::string::npos);
    EXPECT_FALSE(form.Logic().HasFile());
}

TEST_F(ImportForm, TheBootlegsOpenAsANewUnsavedListOrJoinTheCurrentOneAsOneStep) {
    TProgram& program = Program();
    const auto import = [&](bool addToCurrent) {
        bool imported = false;
        EXPECT_TRUE(OnModal<TImportForm>([&] { imported = RunImportForm(W, program, *W, W->GridStr()); },
                                         [addToCurrent](TImportForm& form) {
                                             form.BrowseClick();
                                             form.AddButton().setChecked(addToCurrent);
                                             form.ImportButton().click();
                                         }));
        return imported;
    };
    ASSERT_TRUE(import(false));
    ASSERT_EQ(program.Lists.size(), 2u);
    TProject& imported = *program.CurrentList();
    EXPECT_EQ(imported.Data.size(), 2u);
    EXPECT_FALSE(imported.Saved);
    EXPECT_TRUE(imported.FileName.empty());

    DialogPaths.push_back(Path("trade.csv"));
    ASSERT_TRUE(import(true));
    EXPECT_EQ(program.Lists.size(), 2u);
    EXPECT_EQ(imported.Data.size(), 4u);
    imported.UndoChange();
    EXPECT_EQ(imported.Data.size(), 2u);
}

} // namespace
