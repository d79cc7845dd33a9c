#include "ActionTable.h"

#include "controls/markup/MarkupLiteral.h"

#include <stdexcept>

namespace {

using A = TActionId;

TMenuItem Cmd(TActionId id) {
    return {TMenuItem::Command, id};
}
const TMenuItem kSeparator{TMenuItem::Separator, TActionId::cmNew};
const TMenuItem kHistory{TMenuItem::FileHistory, TActionId::cmFileHist};
const TMenuItem kCodePages{TMenuItem::CodePages, TActionId::cmCodePage};

} // namespace

const std::vector<TActionInfo>& ActionTable() {
    static const std::vector<TActionInfo> table = {
        {A::cmNew, "&New", "New list", "Ctrl+N", 0},
        {A::cmOpen, "&Open", "Open list", "Ctrl+O", 1},
        {A::cmSave, "&Save", "Save list", "Ctrl+S", 2},
        {A::cmSaveAs, "Save &As", "Save list as", nullptr, 3},
        {A::cmClose, "Close", "Close list", "Alt+X", -1},
        {A::cmCloseAll, "Close all", "Close all lists", nullptr, -1},
        {A::cmExit, "E&xit", "Exit from program", nullptr, 4},
        {A::cmHelp, "Help", nullptr, "F1", 23},
        {A::cmAdd, "&Add", "Add bootleg to list", "Ctrl+A", 17},
        {A::cmClearSearch, "Clear &results", "Clear &results from comparing lists", "Ctrl+Q", -1},
        {A::cmCompare, "&List functions", "Compare lists", "F6", 21},
        {A::cmDelete, "&Delete", "Delete selected bootlegs from list", "Ctrl+D", 16},
        {A::cmExport, "E&xport", "Export list to file", "F8", 22},
        {A::cmFind, "&Find", "Find", "Ctrl+F", 11},
        {A::cmFindConcert, "Find concert", "Find concert in concert list", "Ctrl+I", 24},
        {A::cmFindNext, "Find ne&xt", "Find next", "F3", 12},
        {A::cmSortAZ, "Sort A-Z", "Sort list in A-Z order", nullptr, 19},
        {A::cmSortZA, "Sort Z-A", "Sort list in Z-A order", nullptr, 20},
        {A::cmConcerts, "&Concerts list", "Concerts list", "F5", 18},
        {A::cmAbout, "&About", "About", nullptr, -1},
        {A::cmClipboardCopy, "&Copy", "Copy to clipboard", "Ctrl+C", 8},
        {A::cmClipboardPaste, "&Paste", "Paste from clipboard", "Ctrl+V", 9},
        {A::cmClipboardCut, "Cut", "Cut to clipboard", "Ctrl+X", 10},
        {A::cmSelectAll, "Select All", "Select all", "Alt+A", -1},
        {A::cmUndo, "&Undo", "Undo the last change", "Ctrl+Z", 13},
        {A::cmRedo, "&Redo", "Redo the change undone last", "Ctrl+Y", 14, "Ctrl+Shift+Z"},
        {A::cmQuickFilter, "&Quick filter", "Type words to narrow the list", "Ctrl+E", -1},
        {A::cmCoverage, "C&overage\u2026", "How much of each tour the list holds", "F9", -1},
        {A::cmStatistics, "&Statistics\u2026", "Counts of the list by year, band, source, media and quality", nullptr,
         -1},
        {A::cmPrint, "&Print\u2026", "Print the list", "Ctrl+P", -1},
        {A::cmExportPdf, "Export to P&DF\u2026", "Export the list to a PDF file", nullptr, -1},
        {A::cmMarkedOnly, "Show &marked only", "Show only the bootlegs that compare marked", "Ctrl+M", -1, nullptr,
         true},
        {A::cmCopyMarked, "Cop&y marked to list\u2026", "Copy the marked bootlegs into another list", nullptr, -1},
        {A::cmImportList, "&Import trader's list\u2026", "Read a trader's list of CSV, text or a web page", nullptr,
         -1},
    };
    return table;
}

const TActionInfo& ActionInfo(TActionId id) {
    for (const TActionInfo& info : ActionTable())
        if (info.Id == id)
            return info;
    throw std::out_of_range("no such action");
}

const std::vector<TMenu>& MainMenus() {
    static const std::vector<TMenu> menus = {
        {"&File",
         {Cmd(A::cmNew), Cmd(A::cmOpen), Cmd(A::cmSave), Cmd(A::cmSaveAs), Cmd(A::cmClose), Cmd(A::cmCloseAll),
          kSeparator, Cmd(A::cmImportList), Cmd(A::cmPrint), Cmd(A::cmExportPdf), kSeparator, kHistory, kSeparator,
          Cmd(A::cmExit)}},
        {"&Edit",
         {Cmd(A::cmUndo), Cmd(A::cmRedo), kSeparator, Cmd(A::cmClipboardCopy), Cmd(A::cmClipboardPaste), kSeparator,
          Cmd(A::cmFind), Cmd(A::cmFindNext), Cmd(A::cmQuickFilter)}},
        {"&List",
         {Cmd(A::cmAdd), Cmd(A::cmDelete), Cmd(A::cmFindConcert), kSeparator, Cmd(A::cmSortAZ), Cmd(A::cmSortZA),
          kSeparator, Cmd(A::cmConcerts), Cmd(A::cmCompare), Cmd(A::cmClearSearch), Cmd(A::cmMarkedOnly),
          Cmd(A::cmCopyMarked), Cmd(A::cmExport), kSeparator, Cmd(A::cmCoverage), Cmd(A::cmStatistics)}},
        {"&Options", {kCodePages}},
        {"&Help", {Cmd(A::cmHelp), kSeparator, Cmd(A::cmAbout)}},
    };
    return menus;
}

const std::vector<TMenuItem>& GridPopupMenu() {
    static const std::vector<TMenuItem> items = {
        Cmd(A::cmAdd), Cmd(A::cmDelete),   kSeparator,        Cmd(A::cmSortAZ),      Cmd(A::cmSortZA),
        kSeparator,    Cmd(A::cmConcerts), Cmd(A::cmCompare), Cmd(A::cmClearSearch), Cmd(A::cmExport)};
    return items;
}

const std::vector<TMenuItem>& TabPopupMenu() {
    static const std::vector<TMenuItem> items = {Cmd(A::cmClose), Cmd(A::cmCloseAll)};
    return items;
}

const std::vector<TMenuItem>& ToolBarItems() {
    // clang-format off
    static const std::vector<TMenuItem> items = {
        Cmd(A::cmNew),     Cmd(A::cmOpen),          Cmd(A::cmSave),     Cmd(A::cmSaveAs),  Cmd(A::cmExit),
        kSeparator,        Cmd(A::cmUndo),          Cmd(A::cmRedo),     kSeparator,
        Cmd(A::cmClipboardCopy), Cmd(A::cmClipboardPaste),                                     kSeparator,
        Cmd(A::cmFind),    Cmd(A::cmFindNext),      kSeparator,         Cmd(A::cmAdd),     Cmd(A::cmDelete),
        Cmd(A::cmFindConcert), Cmd(A::cmConcerts),  kSeparator,         Cmd(A::cmSortAZ),  Cmd(A::cmSortZA),
        Cmd(A::cmCompare), Cmd(A::cmExport),        kSeparator,         Cmd(A::cmHelp),
    };
    // clang-format on
    return items;
}

const std::vector<std::string>& MainHelpLines() {
    static const std::vector<std::string> lines = {
        "|b Bands and tours|f  - select which bands and/or tours you want to see in your lists. If you select |b "
        "ALL|f  program will show all. If you select band name program will show all bootlegs from that band. You "
        "can select more bands and tours by holding down Ctrl or Shift key while selecting.",
        "",
        "|b Source|f , |b Media|f  - same as wth bands and tours. Program will show only those bootlegs in the list "
        "that comply with selected source and media. You can select more options by holding down Ctrl or Shift key "
        "while selecting.",
        "",
        "function |b Add|f  [Ctrl+A] - you will add empty line at the bottom of the list where you can add properties "
        "for new bootleg. Because bands field will be empty program will set |f Bands and tours|f  to ALL so you can "
        "see empty filed in the list.",
        "",
        "function |b Delete|f  [Ctrl+D] - you will delete all selected bootlegs in the table. If you delete the "
        "wrong ones, |b Undo|f  [Ctrl+Z] brings them back.",
        "",
        "|b Quick filter|f  [Ctrl+E] - type words in the box above the list and only the bootlegs that show all of "
        "them stay. \"two words\" is a phrase, -word hides the bootlegs that show it, and band:word (or date:, "
        "city:, country:, venue:, name:, source:, media:, quality:, num:, comment:) looks in one column. Esc "
        "clears it.",
        "",
        "|b Show marked only|f  [Ctrl+M] - only the bootlegs that the last compare marked stay, within the other "
        "filters; again shows them all. |b Copy marked to list|f  copies them into another list or a new one.",
        "",
        "function |b Find concert|f  [Ctrl+I] - for this function you need Band name and Date entered for selected "
        "bootlegs in the list. Program will search in concert lists for them. When prorgam finds concert with same "
        "date it will enter City, Country and Venue fileds for bootleg in the list. You can select more then one "
        "bootleg in the list before calling this function.",
    };
    return lines;
}

std::string MainHelpText(const std::string& programDir) {
    std::string text;
    for (const std::string& line : MainHelpLines())
        text += line + "\r\n";
    text += "\r\nYour lists, tour files and covers are kept in the folders |b Lists|f , |b Tours|f  and |b Covers|f  "
            "of |b " +
            MarkupLiteral(programDir) + "|f .\r\n";
    text += "\r\n|b Never losing an edit.|f  An open list is locked (a hidden file |b .NAME.lock|f  beside it): "
            "another Korvalen opening it is asked whether to open it read-only. A list changed on the disk by "
            "another program is read again when you have not edited it, and Save asks before overwriting it when "
            "you have. Every save keeps the previous file in the folder |b Backups|f  (the last 5 of each list; "
            "the setting BackupCount changes that, 0 turns it off). Unsaved changes are also written to a "
            "recovery journal; after a crash the next start offers to restore them.\r\n";
    return text;
}
