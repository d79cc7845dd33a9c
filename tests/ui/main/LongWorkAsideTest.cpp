// The long commands wait for their long part away from the window's thread:
// the wait itself in the real window, and each command's way through it,
// over a host that records what was waited for.

#include "program/CompareFormLogic.h"
#include "program/ExportFormLogic.h"
#include "support/FakeProgramHost.h"
#include "support/Records.h"
#include "support/TourFiles.h"
#include "ui/dialogs/ImportForm.h"
#include "ui/dialogs/PrintList.h"
#include "ui/main/BackgroundWork.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <thread>

namespace {

TEST(BackgroundWorkWait, TheWorkRunsOnAnotherThreadWhileTheLoopGoesOnAndItsFailureComesBack) {
    TBackgroundWork work;
    QWidget grid;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(1);
    std::thread::id ranOn;
    bool restingMeanwhile = false;
    work.RunAndWait(
        "Comparing lists",
        [&] {
            ranOn = std::this_thread::get_id();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            restingMeanwhile = !grid.updatesEnabled() && work.Waiting();
        },
        &grid);
    EXPECT_NE(ranOn, std::this_thread::get_id());
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(restingMeanwhile);
    EXPECT_TRUE(grid.updatesEnabled());
    EXPECT_FALSE(work.Waiting() || work.Busy());
    EXPECT_THROW(work.RunAndWait("Joining lists", [] { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_FALSE(work.Busy());
}

class LongWorkAside : public TTourWindowFixture, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        TTourWindowFixture::SetUp();
        ASSERT_TRUE(Program().OpenList(""));
        for (auto& list : Program().Lists)
            list->Data.assign(3, SampleRecord());
        Program().Lists[1]->Data[0].Date = "1999.01.01";
        W->SetCurrentTab(0);
    }
    TFakeProgramHost Host;
};

struct TLongCommand {
    const char* Name;
    std::vector<std::string> Waited;
    // Runs the command; false when its result did not come back.
    bool (*Run)(TMainForm& main, TFakeProgramHost& host, const std::string& home);
};

// Closes the modal window the command opens once it is up, after `act`.
void WhenShown(void (*act)(QWidget& modal, const std::string& home), std::string home) {
    QTimer::singleShot(0, [act, home] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal, home);
    });
}

const TLongCommand kCommands[] = {
    {"compare",
     {"Comparing lists"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string&) {
         TCompareFormLogic(main.Program(), host).Compare({true, true}, {});
         return main.Program().Lists[0]->SearchColumn;
     }},
    {"join",
     {"Joining lists"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string&) {
         return TCompareFormLogic(main.Program(), host).Join({true, true}, {}) && main.Program().Lists.size() == 3 &&
                main.Program().Lists[2]->Data.size() == 2;
     }},
    {"wants",
     {"Gathering wants"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string&) {
         return TCompareFormLogic(main.Program(), host).Wants({false, true}, {}) && main.Program().Lists.size() == 3;
     }},
    {"export",
     {"Exporting Untitled"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string& home) {
         host.DialogAnswers.push_back(home + "/out.txt");
         return TExportFormLogic(main.Program(), host, main.GridStr()).Export() &&
                std::ifstream(home + "/out.txt").good();
     }},
    {"pdf",
     {"Writing the PDF"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string& home) {
         host.DialogAnswers.push_back(home + "/out.pdf");
         ExportListToPdf(&main, main.Program(), host, main.GridStr());
         return std::ifstream(home + "/out.pdf").good();
     }},
    {"print preview",
     {"Preparing the printout", "Closing the printout"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string& home) {
         WhenShown([](QWidget& preview, const std::string&) { preview.close(); }, home);
         PreviewAndPrintList(&main, main.Program(), host, main.GridStr());
         return true;
     }},
    {"import",
     {"Reading the trader's list", "Importing the trader's list"},
     [](TMainForm& main, TFakeProgramHost& host, const std::string& home) {
         std::ofstream(home + "/trade.csv", std::ios::binary) << "Band;Date\r\nYes;1999.05.01\r\n";
         host.DialogAnswers.push_back(home + "/trade.csv");
         WhenShown(
             [](QWidget& modal, const std::string&) {
                 auto& form = static_cast<TImportForm&>(modal);
                 form.BrowseClick();
                 form.ImportButton().click();
             },
             home);
         return RunImportForm(&main, main.Program(), host, main.GridStr()) &&
                main.Program().CurrentList()->Data.size() == 1;
     }},
};

TEST_P(LongWorkAside, TheCommandWaitsForItsLongPartAwayFromTheWindowAndItsResultComesBack) {
    const TLongCommand& command = kCommands[GetParam()];
    SCOPED_TRACE(command.Name);
    EXPECT_TRUE(command.Run(*W, Host, Dir.path().toStdString()));
    EXPECT_EQ(Host.WaitedFor, command.Waited);
    EXPECT_TRUE(Host.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryLongCommand, LongWorkAside, testing::Range(0, static_cast<int>(std::size(kCommands))));

} // namespace
