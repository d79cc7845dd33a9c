// Feeds arbitrary bytes to the recovery journal and list lock readers: a
// journal that is read must replay without reaching past its list, and a
// refusal always says why.

#include "core/ListJournal.h"
#include "core/ListLock.h"
#include "core/Project.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TLockHolder holder;
    std::string error;
    if (!ParseLockFile(bytes, holder, error) && error.empty())
        __builtin_trap();
    // Entries on their own, replayed onto a small list.
    TProject list;
    list.Data.resize(4);
    if (!ReplayJournalEntry(bytes, list, error) && list.UndoSteps.CanUndo())
        __builtin_trap(); // a refused entry changes nothing
    // And as a whole journal.
    TJournal journal;
    error.clear();
    if (!ReadJournal(bytes, journal, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    for (const std::string& entry : journal.Entries)
        if (!ReplayJournalEntry(entry, list, error))
            break;
    return 0;
}
