#include "program/ActionTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ActionTable, UniqueShortcutsAndPicturesButtonsWithHintsMenusOfKnownCommands) {
    std::set<std::string> shortcuts;
    std::set<int> images;
    for (const TActionInfo& info : ActionTable()) {
        for (const char* key : {info.Shortcut, info.AltShortcut}) {
            if (key) {
                EXPECT_TRUE(shortcuts.insert(key).second) << key;
            }
        }
        if (info.Image >= 0) {
            EXPECT_TRUE(images.insert(info.Image).second) << info.Caption;
        }
    }
    EXPECT_THROW(ActionInfo(TActionId::cmFileHist), std::out_of_range);

    for (const TMenuItem& item : ToolBarItems()) {
        if (item.Kind != TMenuItem::Command)
            continue;
        const TActionInfo& info = ActionInfo(item.Id);
        EXPECT_GE(info.Image, 0) << info.Caption;
        EXPECT_TRUE(info.Hint || info.Id == TActionId::cmHelp) << info.Caption;
    }

    int histories = 0, codePages = 0;
    std::vector<std::vector<TMenuItem>> all = {GridPopupMenu(), TabPopupMenu()};
    for (const TMenu& menu : MainMenus())
        all.push_back(menu.Items);
    for (const auto& items : all) {
        for (const TMenuItem& item : items) {
            if (item.Kind == TMenuItem::FileHistory)
                ++histories;
            else if (item.Kind == TMenuItem::CodePages)
                ++codePages;
            else if (item.Kind == TMenuItem::Command) {
                EXPECT_NO_THROW(ActionInfo(item.Id));
            }
        }
    }
    EXPECT_EQ(histories, 1);
    EXPECT_EQ(codePages, 1);
    EXPECT_THROW(ActionInfo(TActionId::cmCodePage), std::out_of_range);
}

// Keyboard users reach through the menus what the tool bar offers.
TEST(ActionTable, EveryToolBarCommandIsInAMenuAndSortingInTheGridPopUp) {
    std::set<TActionId> menus, popup;
    for (const TMenu& menu : MainMenus())
        for (const TMenuItem& item : menu.Items)
            menus.insert(item.Id);
    for (const TMenuItem& item : ToolBarItems()) {
        if (item.Kind == TMenuItem::Command) {
            EXPECT_EQ(menus.count(item.Id), 1u) << ActionInfo(item.Id).Caption;
        }
    }
    for (const TMenuItem& item : GridPopupMenu())
        popup.insert(item.Id);
    EXPECT_EQ(popup.count(TActionId::cmSortAZ) + popup.count(TActionId::cmSortZA), 2u);
}

} // namespace

namespace {

TEST(ActionTable, HelpTellsWhereTheFilesAreKeptWithTheFolderAsLiteralText) {
    std::string text = MainHelpText("/home/me/.local/share/Korvalen|b/");
    EXPECT_EQ(text.rfind("|b Bands and tours|f ", 0), 0u);
    EXPECT_NE(text.find("|b /home/me/.local/share/Korvalen|s| b/|f ."), std::string::npos) << text;
}

} // namespace
