#include "ui/dialogs/InfoForm.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class InfoForm : public testing::Test {
protected:
    InfoForm() {
        Placement = {1, 100, 80, 700, 600};
        Form = std::make_unique<TInfoForm>(Placement, nullptr);
        auto answer = [this](TFileDialog& dialog) {
            Dialogs.push_back(dialog);
            if (Paths.empty())
                return false;
            dialog.FileName = Paths.front();
            Paths.erase(Paths.begin());
            return true;
        };
        Form->RunOpenDialog = answer;
        Form->RunSaveDialog = answer;
        Form->ShowError = [this](const std::string& text) { Errors.push_back(text); };
    }

    TTempDir Dir;
    TWindowPlacement Placement;
    std::unique_ptr<TInfoForm> Form;
    std::vector<TFileDialog> Dialogs;
    std::vector<std::string> Paths;
    std::vector<std::string> Errors;
};

TEST_F(InfoForm, UneditedTextKeepsItsBytesAndTypedTextGetsCrLf) {
    const std::string legacy = "1. \xA3\xF3\x64\xBC\r\n2. Intro\tlive\r\nlone\rCR";
    Form->SetText(legacy);
    EXPECT_EQ(Form->Text(), legacy);
    Form->Memo().selectAll();
    Form->Memo().insertPlainText(QStringLiteral("one\ntwo \u0141\u00F3d\u017A"));
    EXPECT_EQ(Form->Text(), "one\r\ntwo \xC5\x81\xC3\xB3\x64\xC5\xBA");
}

TEST_F(InfoForm, NewEmptiesAndOpeningAnEmptyFileKeepsTheText) {
    Form->SetText("old");
    Form->Execute(TInfoActionId::cmNew);
    EXPECT_EQ(Form->Text(), "");
    Form->SetText("kept");
    std::ofstream(Dir.File("empty.txt")).flush();
    Paths = {Dir.File("empty.txt")};
    Form->Execute(TInfoActionId::cmOpen);
    EXPECT_EQ(Form->Text(), "kept");
    EXPECT_EQ(Form->SaveDialog().FileName, Dir.File("empty.txt"));
}

TEST_F(InfoForm, ATextSavedAndOpenedAgainComesBackByteForByte) {
    std::string every;
    for (int c = 1; c < 256; ++c)
        every += static_cast<char>(c);
    every += "\r\nend";
    Form->SetText(every);
    Paths = {Dir.File("tracks.txt")};
    Form->Execute(TInfoActionId::cmSave);
    EXPECT_EQ(ReadBytes(Dir.File("tracks.txt")), every);
    EXPECT_EQ(Form->OpenDialog().FileName, Dir.File("tracks.txt"));
    Form->Execute(TInfoActionId::cmNew);
    Paths = {Dir.File("tracks.txt")};
    Form->Execute(TInfoActionId::cmOpen);
    EXPECT_EQ(Form->Text(), every);
    EXPECT_TRUE(Errors.empty());
}

// A 16 MB line laid out as one block froze the window; it is shown in pieces
// and comes back whole, also after line breaks typed inside and between them.
TEST_F(InfoForm, ALongLineIsShownInPiecesAndComesBackWhole) {
    const std::string line = std::string(10000, 'x') + "\xC5\x81\r\nend";
    Form->SetText(line);
    EXPECT_EQ(Form->Memo().blockCount(), 4);
    EXPECT_TRUE(Form->Text() == line);
    QTextCursor cursor(Form->Memo().document());
    cursor.insertText(QStringLiteral("y"));
    const std::string edited = "y" + line;
    EXPECT_TRUE(Form->Text() == edited);
    // Document positions count one separator per piece before them.
    for (auto [position, before] : {std::pair{5000, 4999}, std::pair{4098, 4097}}) {
        cursor.setPosition(position);
        Form->Memo().setTextCursor(cursor);
        QTest::keyClick(&Form->Memo(), Qt::Key_Return);
        const std::string broken = Form->Text();
        EXPECT_EQ(broken.find("\r\n"), static_cast<size_t>(before)) << position;
        EXPECT_TRUE(broken ==
                    edited.substr(0, static_cast<size_t>(before)) + "\r\n" + edited.substr(static_cast<size_t>(before)))
            << position;
        QTest::keyClick(&Form->Memo(), Qt::Key_Backspace);
        EXPECT_TRUE(Form->Text() == edited) << position;
    }
}

TEST_F(InfoForm, AByteOrderMarkBeforeAnOpenedTextIsSkipped) {
    std::ofstream(Dir.File("notepad.txt"), std::ios::binary) << "\xEF\xBB\xBF"
                                                                "1. Intro\r\n";
    std::ofstream(Dir.File("mark.txt"), std::ios::binary) << "\xEF\xBB\xBF";
    Paths = {Dir.File("notepad.txt"), Dir.File("mark.txt")};
    Form->Execute(TInfoActionId::cmOpen);
    EXPECT_EQ(Form->Text(), "1. Intro\r\n");
    Form->Execute(TInfoActionId::cmOpen); // a mark alone is an empty text
    EXPECT_EQ(Form->Text(), "1. Intro\r\n");
}

TEST_F(InfoForm, FailedSaveAndHugeFilesAreReportedAndChangeNothing) {
    std::ofstream(Dir.File("old.txt")) << "previous";
    std::filesystem::permissions(Dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool canWrite = std::ofstream(Dir.File("probe")).good(); // root writes anyway
    Form->SetText("new text");
    Paths = {Dir.File("old.txt")};
    Form->Execute(TInfoActionId::cmSave);
    std::filesystem::permissions(Dir.Path(), std::filesystem::perms::owner_all);
    if (!canWrite) {
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_NE(Errors[0].find("old.txt"), std::string::npos);
        EXPECT_EQ(ReadBytes(Dir.File("old.txt")), "previous");
    }
    Errors.clear();

    std::filesystem::resize_file(Dir.File("old.txt"), TInfoForm::kMaxFileBytes + 1);
    Paths = {Dir.File("old.txt")};
    Form->Execute(TInfoActionId::cmOpen);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_NE(Errors[0].find("larger than 16 MB"), std::string::npos) << Errors[0];
    EXPECT_EQ(Form->Text(), "new text");

    Paths = {Dir.File("missing.txt")};
    Form->Execute(TInfoActionId::cmOpen);
    EXPECT_EQ(Errors.size(), 2u);
}

TEST_F(InfoForm, EscapeKeepsTheTypedTextAndOpeningOverItAsksFirst) {
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    Form->SetText("old");
    Form->Memo().setFocus();
    QTest::keyClicks(&Form->Memo(), QStringLiteral("typed "));
    QTest::keyClick(&Form->Memo(), Qt::Key_Escape);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->Text(), "typed old");

    std::ofstream(Dir.File("notes.txt")) << "from the file";
    std::vector<std::string> questions;
    bool yes = false;
    Form->Confirm = [&](const std::string& question) {
        questions.push_back(question);
        return yes;
    };
    for (bool answer : {false, true}) {
        yes = answer;
        Paths = {Dir.File("notes.txt")};
        Form->Execute(TInfoActionId::cmOpen);
        EXPECT_EQ(Form->Text(), answer ? "from the file" : "typed old");
    }
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[0].find("notes.txt"), std::string::npos) << questions[0];
    Paths = {Dir.File("notes.txt")};
    Form->Execute(TInfoActionId::cmOpen); // over unedited text: no question
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(InfoForm, ClipboardCommandsActOnlyWhileTheEditorHasTheFocus) {
    QLineEdit other(Form.get());
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->SetText("abc");
    Form->Memo().selectAll();
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    other.setFocus();
    ASSERT_TRUE(other.hasFocus());
    Form->Execute(TInfoActionId::cmClipboardCut);
    Form->Execute(TInfoActionId::cmClipboardPaste);
    Form->Execute(TInfoActionId::cmClipboardCopy);
    EXPECT_EQ(Form->Text(), "abc");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("clip"));
    Form->Memo().setFocus();
    ASSERT_TRUE(Form->Memo().hasFocus());
    Form->Execute(TInfoActionId::cmClipboardCut);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
    Form->Execute(TInfoActionId::cmClipboardPaste);
    Form->Execute(TInfoActionId::cmClipboardPaste);
    EXPECT_EQ(Form->Text(), "abcabc");
}

TEST_F(InfoForm, ShortcutsAndThePlacementStoredWhateverTheResult) {
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    EXPECT_EQ(QRect(Form->pos(), Form->size()), QRect(100, 80, 600, 520)); // the frame's place, the inside's size
    EXPECT_EQ(Form->Action(TInfoActionId::cmOk)->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(Form->Action(TInfoActionId::cmCancel)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    const QMenu* file = Form->findChild<QMenuBar*>()->actions().value(0)->menu();
    EXPECT_EQ(file->actions().value(0), Form->Action(TInfoActionId::cmNew));
    Form->move(50, 60);
    Form->resize(500, 400);
    Form->Action(TInfoActionId::cmCancel)->trigger();
    EXPECT_EQ(Form->result(), 2);
    EXPECT_EQ(std::make_tuple(Placement.Left, Placement.Top, Placement.Right, Placement.Bottom),
              std::make_tuple(50, 60, 550, 460));
}

} // namespace
