#include "ui/dialogs/CoverForm.h"
#include "core/DibImage.h"
#include "support/JpegMaker.h"
#include "support/TempDir.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class CoverForm : public testing::Test {
protected:
    CoverForm() : Covers(Dir.Path() + "/Covers/") {
        std::filesystem::create_directories(Covers);
        Form = std::make_unique<TCoverForm>(Covers);
        Form->RunOpenDialog = [this](TFileDialog& dialog) {
            Dialogs.push_back(dialog);
            if (Chosen.empty())
                return false;
            dialog.FileName = Chosen;
            return true;
        };
        Form->ShowError = [this](const std::string& text) { Errors.push_back(text); };
    }

    void Show(const std::string& front, const std::string& back = "") {
        Form->CoverNames = {front, back};
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    TTempDir Dir;
    std::string Covers;
    std::unique_ptr<TCoverForm> Form;
    std::vector<TFileDialog> Dialogs;
    std::vector<std::string> Errors;
    std::string Chosen;
};

TEST_F(CoverForm, ShowsTheFrontPictureFittedAndLoadsEachFileOnce) {
    WriteFile(Covers + "front.jpg", MakeJpeg(300, 300, 0xCC2222));
    WriteFile(Covers + "Live/back.JPG", MakeJpeg(40, 20));
    Show("front.jpg", "Live\\back.JPG");
    EXPECT_EQ(Form->LoadedName(), Covers + "front.jpg");
    const QImage shot = Form->PaintBox().grab().toImage();
    // The picture fills the box's height, centred: red in the middle, the window colour at the sides.
    EXPECT_NEAR(qRed(shot.pixel(316, 232)), 0xCC, 12);
    EXPECT_EQ(shot.pixelColor(5, 232), Form->palette().color(QPalette::Window));

    Form->FileList().setCurrentRow(1);
    EXPECT_EQ(Form->LoadedName(), Covers + "Live/back.JPG");
    EXPECT_EQ(Form->Picture().Width, 40);

    // Back to the front: loaded again (another file), fitted again.
    Form->FileList().setCurrentRow(0);
    EXPECT_EQ(Form->Picture().Width, 300);
}

TEST_F(CoverForm, TheShownPictureIsFreedBeforeTheNextIsDecoded) {
    WriteFile(Covers + "f.jpg", MakeJpeg(64, 64));
    WriteFile(Covers + "b.jpg", MakeJpeg(32, 32));
    std::vector<bool> heldWhileDecoding;
    Form->ReadPicture = [&](const std::string& path, TPicture& picture, std::string& error) {
        heldWhileDecoding.push_back(!Form->Picture().Empty());
        return ReadPictureFile(path, picture, error);
    };
    Show("f.jpg", "b.jpg");
    Form->FileList().setCurrentRow(1);
    Form->FileList().setCurrentRow(0);
    EXPECT_EQ(heldWhileDecoding, std::vector<bool>(3, false));
    EXPECT_EQ(Form->Picture().Width, 64);
}

TEST_F(CoverForm, CancelKeepsTheNamesAndClearEmptiesTheChosenLine) {
    WriteFile(Covers + "f.jpg", MakeJpeg(8, 8));
    WriteFile(Covers + "b.jpg", MakeJpeg(8, 8));
    Show("f.jpg", "b.jpg");
    Form->FileList().setCurrentRow(1);
    Form->ClearSelected();
    EXPECT_TRUE(Form->Picture().Empty());
    EXPECT_EQ(Form->FileList().item(1)->text(), QString());
    Form->done(2);
    EXPECT_EQ(Form->CoverNames[1], "b.jpg");

    TCoverForm again(Covers);
    again.CoverNames = {"f.jpg", "b.jpg"};
    again.show();
    again.FileList().setCurrentRow(1);
    again.ClearSelected();
    again.done(1);
    EXPECT_EQ(again.CoverNames[0], "f.jpg");
    EXPECT_EQ(again.CoverNames[1], "");
}

TEST_F(CoverForm, APictureThatCannotBeShownGetsAMessageAndKeepsItsName) {
    WriteFile(Covers + "text.jpg", "just text");
    WriteFile(Covers + "cut.jpg", MakeJpeg(200, 200).substr(0, 300));
    WriteFile(Covers + "bad.bmp", "BM and nothing more");
    Show("text.jpg", "cut.jpg");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_NE(Errors[0].find("text.jpg"), std::string::npos) << Errors[0];
    Form->FileList().setCurrentRow(1);
    ASSERT_EQ(Errors.size(), 2u);
    EXPECT_NE(Errors[1].find("cut.jpg"), std::string::npos) << Errors[1];
    EXPECT_TRUE(Form->Picture().Empty());
    EXPECT_EQ(Form->FileList().item(1)->text(), QStringLiteral("cut.jpg"));
    Chosen = Covers + "bad.bmp";
    Form->ChoosePicture(1);
    EXPECT_EQ(Errors.size(), 3u);
    EXPECT_TRUE(Form->isVisible());
}

} // namespace
