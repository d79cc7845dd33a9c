#include "History.h"

#include "platform/PathName.h"
const std::string& THistory::Entry(int number) const {
    static const std::string kNone;
    return number >= 1 && number <= kSize ? m_entries[number - 1] : kNone;
}

void THistory::SetEntry(int number, std::string path) {
    if (number < 1 || number > kSize)
        return;
    if (path.size() > kMaxLength)
        path.resize(kMaxLength);
    m_entries[number - 1] = std::move(path);
}

void THistory::Clear() {
    for (std::string& entry : m_entries)
        entry.clear();
}

int THistory::NumberOf(const std::string& path) const {
    for (int i = 1; i <= kSize; ++i)
        if (m_entries[i - 1] == path)
            return i;
    return 0;
}

void THistory::Add(const std::string& path) {
    std::string entry = path.substr(0, kMaxLength);
    // The place given up: the path's own, else the first gap, else the last.
    int freed = NumberOf(entry);
    if (freed == 0)
        freed = NumberOf("");
    if (freed == 0)
        freed = kSize;
    for (int i = freed; i >= 2; --i)
        m_entries[i - 1] = std::move(m_entries[i - 2]);
    m_entries[0] = std::move(entry);
}

THistoryMenu UpdateHistoryMenu(THistory& history, const std::function<bool(const std::string&)>& exists) {
    THistoryMenu menu;
    bool any = false;
    for (int i = 1; i <= THistory::kSize; ++i) {
        THistoryAction& action = menu[i - 1];
        const std::string& path = history.Entry(i);
        bool present = !path.empty() && exists(path);
        action.Visible = action.Enabled = present;
        std::string prefix = i < 10 ? "&" + std::to_string(i) : "1&0";
        action.Caption = prefix + " " + FileNamePart(path);
        if (!present)
            history.SetEntry(i, "");
        any = any || present;
    }
    if (!any) {
        menu[0].Visible = true;
        menu[0].Enabled = false;
        menu[0].Caption = "Files list";
    }
    return menu;
}
