#include "program/History.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> Entries(const THistory& history) {
    std::vector<std::string> entries;
    for (int i = 1; i <= THistory::kSize; ++i)
        entries.push_back(history.Entry(i));
    while (!entries.empty() && entries.back().empty())
        entries.pop_back();
    return entries;
}

} // namespace

TEST(History, MostRecentFirstMovesUpDropsTheOldestAndCuts) {
    THistory history;
    for (const char* path : {"/l/A.kvu", "/l/B.kvu", "/l/C.kvu"})
        history.Add(path);
    EXPECT_EQ(Entries(history), (std::vector<std::string>{"/l/C.kvu", "/l/B.kvu", "/l/A.kvu"}));
    history.Add("/l/A.kvu");
    EXPECT_EQ(Entries(history), (std::vector<std::string>{"/l/A.kvu", "/l/C.kvu", "/l/B.kvu"}));
    history.Add("/l/a.kvu"); // case matters
    EXPECT_EQ(Entries(history).size(), 4u);

    for (int i = 1; i <= 11; ++i)
        history.Add("/f" + std::to_string(i));
    EXPECT_EQ(history.Entry(1), "/f11");
    EXPECT_EQ(history.Entry(10), "/f2");
    history.Add("/f2"); // the last entry moves to the top, nothing is dropped
    EXPECT_EQ(history.Entry(1), "/f2");
    EXPECT_EQ(history.Entry(10), "/f3");

    THistory gap;
    gap.SetEntry(1, "A");
    gap.SetEntry(3, "C");
    gap.Add("D");
    EXPECT_EQ(Entries(gap), (std::vector<std::string>{"D", "A", "C"})); // the gap absorbs the move

    history.Clear();
    history.Add(std::string(300, 'x'));
    EXPECT_EQ(history.Entry(1).size(), 255u);
    history.Add(std::string(300, 'x')); // the same file after cutting to 255
    EXPECT_EQ(history.Entry(2), "");
    EXPECT_EQ(history.Entry(0), "");
    EXPECT_EQ(history.Entry(11), "");
}

TEST(HistoryMenu, CaptionsMissingFilesAndThePlaceholder) {
    THistory history;
    for (int i = 10; i >= 1; --i)
        history.Add("/lists/list" + std::to_string(i) + ".kvu");
    const std::set<std::string> gone = {"/lists/list2.kvu"};
    THistoryMenu menu = UpdateHistoryMenu(history, [&](const std::string& p) { return !gone.count(p); });
    EXPECT_EQ(menu[0].Caption, "&1 list1.kvu");
    EXPECT_TRUE(menu[0].Visible && menu[0].Enabled);
    EXPECT_EQ(menu[2].Caption, "&3 list3.kvu");
    EXPECT_EQ(menu[9].Caption, "1&0 list10.kvu");
    EXPECT_FALSE(menu[1].Visible || menu[1].Enabled);
    EXPECT_EQ(history.Entry(2), ""); // cleared, so it is gone from now on
    EXPECT_EQ(history.Entry(3), "/lists/list3.kvu");

    history.Clear();
    history.SetEntry(4, "/deleted.kvu");
    menu = UpdateHistoryMenu(history, [](const std::string&) { return false; });
    EXPECT_EQ(menu[0].Caption, "Files list");
    EXPECT_TRUE(menu[0].Visible);
    EXPECT_FALSE(menu[0].Enabled);
    for (int i = 1; i < THistory::kSize; ++i)
        EXPECT_FALSE(menu[i].Visible);
    EXPECT_EQ(history.Entry(4), "");
}
