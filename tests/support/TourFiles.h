#pragma once

#include "support/MainWindowFixture.h"
#include "support/TempDir.h"

#include <string>

// Tour files that the window tests share. Alpha has two tours: First with
// three concerts (1990.02.01 PARIS, 1990.03.01 Lyon, 1990.04.01 Rome) and
// Second with two (1991.05.01 Oslo, 1991.06.01 Bergen). Beta has no tour line.

constexpr const char* kAlphaTours = "|||||First|1990.01.01|1990.12.31\r\n"
                                    "1990.02.01|Thu|PARIS|France|Olympia\r\n"
                                    "1990.03.01|Fri|Lyon|France|Transbordeur\r\n"
                                    "1990.04.01|Sat|Rome|Italy|Palaeur\r\n"
                                    "|||||Second|1991.01.01|1991.12.31\r\n"
                                    "1991.05.01|Mon|Oslo|Norway|Rockefeller\r\n"
                                    "1991.06.01|Tue|Bergen|Norway|USF\r\n";
constexpr const char* kBetaTours = "no tour line in this file\r\n";

// The main window over a Tours folder of Alpha and Beta (and whatever tour
// files a test adds in its constructor), with one new list open. The lists
// are left without asking.
class TTourWindowFixture : public TMainWindowFixture {
protected:
    TTourWindowFixture() : TMainWindowFixture(false) {
        WriteBytes(Path("Tours/Alpha.txt"), kAlphaTours);
        WriteBytes(Path("Tours/Beta.txt"), kBetaTours);
    }
    void SetUp() override {
        Start();
        ASSERT_TRUE(Program().OpenList(""));
    }
    void TearDown() override {
        if (W)
            for (auto& list : Program().Lists)
                list->Saved = true;
    }
    TProject& List() { return *Program().Lists.back(); }
};
