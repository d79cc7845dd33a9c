#pragma once

#include "program/Actions.h"

#include <string>
#include <vector>

// How each command looks in the menus and on the tool bar.
struct TActionInfo {
    TActionId Id;
    const char* Caption;
    const char* Hint;                  // nullptr: none
    const char* Shortcut;              // portable key text ("Ctrl+N"); nullptr: none
    int Image;                         // tool-bar picture; -1: none
    const char* AltShortcut = nullptr; // a second key for the same command
    bool Toggle = false;               // shown checked while its state is on
};

// Every command but the recent-file entries, in the action list's order.
const std::vector<TActionInfo>& ActionTable();
const TActionInfo& ActionInfo(TActionId id);

// An item of a menu or of the tool bar: a command, the recent-file entries
// (all ten in their place), the submenu of the legacy code pages or a
// separator.
struct TMenuItem {
    enum TKind { Command, FileHistory, CodePages, Separator } Kind;
    TActionId Id = TActionId::cmNew;
};

struct TMenu {
    const char* Caption;
    std::vector<TMenuItem> Items;
};

// The menu bar, left to right.
const std::vector<TMenu>& MainMenus();
const std::vector<TMenuItem>& GridPopupMenu();
const std::vector<TMenuItem>& TabPopupMenu();
const std::vector<TMenuItem>& ToolBarItems();

// The main window's help text, one line per entry and empty lines between.
const std::vector<std::string>& MainHelpLines();
// The main window's help: its lines, CR LF after each, and where the lists,
// tours and covers are kept (an installed program keeps them in the user's
// own folder, which the user has to be told).
std::string MainHelpText(const std::string& programDir);
