#include "ui/main/QtFileDialog.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct TFilterCase {
    const char* Name;
    const char* Filter;
    const char* Shown;
    std::vector<const char*> Listed;
    std::vector<const char*> Hidden;
};

class QtFileDialogFilter : public testing::TestWithParam<TFilterCase> {};

// The patterns are those the toolkit's dialog parsed out of the filter and
// gave its file list.
TEST_P(QtFileDialogFilter, ReachesTheToolkitAsRealPatterns) {
    TFileDialog dialog;
    dialog.Filter = GetParam().Filter;
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    SetUpFileDialog(chooser, dialog, false);
    auto* model = chooser.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    for (const char* name : GetParam().Listed)
        EXPECT_TRUE(QDir::match(model->nameFilters(), QString::fromLatin1(name))) << name;
    for (const char* name : GetParam().Hidden)
        EXPECT_FALSE(QDir::match(model->nameFilters(), QString::fromLatin1(name))) << name;
    auto* types = chooser.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->currentText(), QString::fromLatin1(GetParam().Shown));
}

INSTANTIATE_TEST_SUITE_P(
    QtFileDialog, QtFileDialogFilter,
    testing::Values(TFilterCase{"Covers",
                                "*.jpg; *.jpeg; *.bmp|*.jpg;*.jpeg;*.bmp;*.JPG;*.JPEG;*.BMP",
                                "*.jpg; *.jpeg; *.bmp",
                                {"a.jpg", "b.JPEG", "c.bmp", "d.Jpg"},
                                {"e.txt", "jpg"}},
                    TFilterCase{
                        "Lists", "KV user file (*.kvu)|*.kvu", "KV user file (*.kvu)", {"a.kvu"}, {"a.kvu.bak"}},
                    TFilterCase{"Texts", "Text file (*.txt)|*.txt", "Text file (*.txt)", {"a.txt"}, {"a.jpg"}}),
    [](const testing::TestParamInfo<TFilterCase>& info) { return info.param.Name; });

TEST(QtFileDialog, AProposedFolderOpensWithTheNameBoxEmpty) {
    TTempDir dir;
    const std::string covers = dir.File("Covers/");
    std::filesystem::create_directories(covers);
    TFileDialog dialog;
    dialog.Filter = "*.jpg|*.jpg";
    dialog.InitialDir = dir.Path();
    for (const std::string& proposed : {std::string(), covers}) {
        dialog.FileName = proposed;
        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        SetUpFileDialog(chooser, dialog, false);
        auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QString()) << proposed;
    }
    WriteBytes(covers + "front.jpg", "");
    dialog.FileName = covers + "front.jpg";
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    SetUpFileDialog(chooser, dialog, false);
    EXPECT_EQ(chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), QStringLiteral("front.jpg"));
}

} // namespace
