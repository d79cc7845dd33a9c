#pragma once

#include <array>
#include <functional>
#include <string>

// The ten list files opened most recently, entry 1 the most recent. Entries
// may have gaps.
class THistory {
public:
    static constexpr int kSize = 10;
    static constexpr size_t kMaxLength = 255;

    // Entry 1..10; "" outside.
    const std::string& Entry(int number) const;
    void SetEntry(int number, std::string path);
    void Clear();

    // Puts `path` first; the entries before its old place (or before the
    // first gap, or all of them) move one place down.
    void Add(const std::string& path);

private:
    int NumberOf(const std::string& path) const; // 0 when absent

    std::array<std::string, kSize> m_entries;
};

// How the File menu shows one entry.
struct THistoryAction {
    bool Visible = false;
    bool Enabled = false;
    std::string Caption;
};

using THistoryMenu = std::array<THistoryAction, THistory::kSize>;

// The menu lines of the entries, numbered 1..10 as actions cmFileHist1 ..
// cmFileHist9, cmFileHist0. Entries whose file no longer exists are cleared.
// Without any entry the first line is the disabled "Files list".
THistoryMenu UpdateHistoryMenu(THistory& history, const std::function<bool(const std::string&)>& exists);
