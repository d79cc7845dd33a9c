// F8 on the real main window with the sample list: the export window it
// opens writes the same bytes as korvalen-cli export of the same list.

#include "cli/Cli.h"
#include "controls/panels/MyListBox.h"
#include "controls/panels/MyPanel.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindow.h"
#include "ui/dialogs/ExportForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <functional>
#include <sstream>

namespace {

class ExportWindowTest : public TMainWindowFixture {
protected:
    void SetUp() override {
        Start();
        ASSERT_TRUE(Window->Program().OpenList(SampleList()));
    }

    // Presses F8 and runs `use` on the export window once it is up.
    void WithExportWindow(const std::function<void(TExportForm&)>& use) {
        Window->Grid().setFocus();
        EXPECT_TRUE(OnModal<TExportForm>([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8); }, use));
    }

    std::string CliExport(std::vector<std::string> options) {
        const std::string out = Home + "cli.txt";
        std::vector<std::string> args = {"export", SampleList(), out};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream stdOut, stdErr;
        EXPECT_EQ(RunCli(args, stdOut, stdErr), 0) << stdErr.str();
        return FileBytes(out);
    }

    static void DropSelection(TMyListBox& list, std::initializer_list<int> selected, int target) {
        list.clearSelection();
        for (int position : selected)
            list.SetSelected(position, true);
        const QPoint at = list.ItemRect(target).center();
        list.OnDragDrop(list, &list, at.x(), at.y());
    }
};

} // namespace

TEST_F(ExportWindowTest, F8ExportsWhatTheCommandLineToolExports) {
    EXPECT_TRUE(Window->Action(TActionId::cmExport)->isEnabled());
    const std::string out = Home + "trade.txt";
    DialogPaths = {out, out};
    std::string divided, plain;
    WithExportWindow([&](TExportForm& form) {
        DropSelection(form.PropsLB(), {1, 2}, 0); // Date and City before Band
        form.ExportBtn().click();
        divided = FileBytes(out);
        DropSelection(form.PropsLB(), {13}, 4); // only Date, City, Band, Country
        form.ParamsMP().SetChecked(2, false);
        form.ExportBtn().click();
        plain = FileBytes(out);
        form.OkButton().click();
    });
    EXPECT_EQ(divided.substr(0, 4), "\r\n\r\n");
    EXPECT_EQ(divided, CliExport({"--columns", "2,3,1,4,5,6,7,8,9,10,11,12,13", "--tours", Home + "Tours"}));
    EXPECT_EQ(plain, CliExport({"--columns", "2,3,1,4", "--tours", Home + "Tours", "--no-band-name"}));
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Window->Program().ExportFile, out);
    EXPECT_EQ(Window->Program().ExportPos, (TExportOrder{1, 2, 0, 3, 13, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_FALSE(Window->Program().ExportParams[1]);
}

// The command-line tool has no stored blobs: its names must be the window's.
TEST_F(ExportWindowTest, TheCommandLineNamesAreThoseOfTheWindowsStore) {
    const TStrings2 names = CodeNameStore();
    for (TCodeKind kind : {TCodeKind::Source, TCodeKind::Media})
        for (int32_t code = -1; code <= CodeCount(kind); ++code)
            EXPECT_EQ(CodeName(names, kind, code), CodeName(Window->GridStr(), kind, code)) << code;
}
