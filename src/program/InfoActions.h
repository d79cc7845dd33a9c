#pragma once

#include <vector>

// The commands of the information window's menus, tool bar and shortcuts.
enum class TInfoActionId { cmNew, cmOpen, cmSave, cmOk, cmCancel, cmClipboardCopy, cmClipboardPaste, cmClipboardCut };

struct TInfoActionInfo {
    TInfoActionId Id;
    const char* Caption;
    const char* Hint; // nullptr: none
    const char* Shortcut;
    int Image; // in the main window's tool-bar pictures
};

const std::vector<TInfoActionInfo>& InfoActionTable();

// A menu or the tool bar: commands in order, kSeparator between groups.
struct TInfoMenu {
    const char* Caption;
    std::vector<int> Items; // indexes into InfoActionTable(); -1 a separator
};
const std::vector<TInfoMenu>& InfoMenus();
const std::vector<int>& InfoToolBarItems();
