#include "InfoActions.h"

#include "program/ActionTable.h"

namespace {

using A = TInfoActionId;
constexpr int kSeparator = -1;
constexpr int New = 0, Open = 1, Save = 2, Ok = 3, Cancel = 4, Copy = 5, Paste = 6, Cut = 7;

} // namespace

const std::vector<TInfoActionInfo>& InfoActionTable() {
    // The commands the main window has too look as they look there.
    const auto shared = [](TInfoActionId id, TActionId main) {
        const TActionInfo& info = ActionInfo(main);
        return TInfoActionInfo{id, info.Caption, info.Hint, info.Shortcut, info.Image};
    };
    // clang-format off
    static const std::vector<TInfoActionInfo> table = {
        shared(A::cmNew, TActionId::cmNew),
        shared(A::cmOpen, TActionId::cmOpen),
        shared(A::cmSave, TActionId::cmSave),
        {A::cmOk,     "&Ok",    "Accept changes", "Ctrl+K", 5},
        {A::cmCancel, "Cancel", "Cancel changes", "Ctrl+Q", 6},
        shared(A::cmClipboardCopy, TActionId::cmClipboardCopy),
        shared(A::cmClipboardPaste, TActionId::cmClipboardPaste),
        shared(A::cmClipboardCut, TActionId::cmClipboardCut),
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
