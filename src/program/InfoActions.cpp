#include "InfoActions.h"

namespace {

using A = TInfoActionId;
constexpr int kSeparator = -1;
constexpr int New = 0, Open = 1, Save = 2, Ok = 3, Cancel = 4, Copy = 5, Paste = 6, Cut = 7;

} // namespace

const std::vector<TInfoActionInfo>& InfoActionTable() {
    // clang-format off
    static const std::vector<TInfoActionInfo> table = {
        {A::cmNew,            "&New",   "New list",             "Ctrl+N", 0},
        {A::cmOpen,           "&Open",  "Open list",            "Ctrl+O", 1},
        {A::cmSave,           "&Save",  "Save list",            "Ctrl+S", 2},
        {A::cmOk,             "&Ok",    "Accept changes",       "Ctrl+K", 5},
        {A::cmCancel,         "Cancel", "Cancel changes",       "Ctrl+Q", 6},
        {A::cmClipboardCopy,  "&Copy",  "Copy to clipboard",    "Ctrl+C", 8},
        {A::cmClipboardPaste, "&Paste", "Paste from clipboard", "Ctrl+V", 9},
        {A::cmClipboardCut,   "Cut",    nullptr,                "Ctrl+X", 10},
    };
    // clang-format on
    return table;
}

const std::vector<TInfoMenu>& InfoMenus() {
    static const std::vector<TInfoMenu> menus = {
        {"&File", {New, Open, Save, kSeparator, Ok, Cancel}},
        {"&Edit", {Copy, Paste, Cut}},
    };
    return menus;
}

const std::vector<int>& InfoToolBarItems() {
    static const std::vector<int> items = {Ok, Cancel, kSeparator, New, Open, Save, kSeparator, Copy, Paste, Cut};
    return items;
}
