#include "program/Program.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListCaption.h"
#include "platform/FileSystem.h"
#include "program/ListJournals.h"

#include <cassert>
#include <set>

// What a start brings back: the lists of the last run, and the unsaved
// changes a crash left in their journals.

void TProgram::OpenAtStart(const std::vector<std::string>& startLists, bool reopenRecent) {
    const std::string recent = History.Entry(1); // a copy: each open moves the history
    if (reopenRecent && !recent.empty() && FileSystem().IsFile(recent))
        OpenList(recent);
    for (const std::string& path : startLists)
        if (path != recent || !reopenRecent)
            OpenList(path);
    // What a run that did not end cleanly had open comes back, its edits after it.
    if (reopenRecent)
        for (const std::string& path : ListsOpenLastTime)
            if (FileSystem().IsFile(path))
                OpenList(path);
}

void TProgram::OfferRecovery() {
    // The lists opened before the offer keep journals of this very run.
    std::set<std::string> own;
    for (const auto& [list, guard] : m_guards)
        if (guard.Journal)
            own.insert(guard.Journal->Path());
    for (const TLeftJournal& left : LeftJournals(RecoveryDir)) {
        if (own.count(left.Path))
            continue;
        const TJournal& journal = left.Journal;
        std::string error;
        if (!left.Problem.empty()) {
            // Kept aside for a closer look, and not offered again.
            FileSystem().Rename(left.Path, left.Path + ".refused", error);
            ShowMsg("A recovery journal could not be used:||" + MarkupLiteral(left.Path) + "||" +
                        MarkupLiteral(left.Problem),
                    Msg::Warning, Msg::Ok, Msg::Centre);
            continue;
        }
        if (!JournalHoldsChanges(journal)) {
            FileSystem().Remove(left.Path);
            continue;
        }
        const std::string name = journal.Header.ListPath.empty() ? "Untitled" : ListCaption(journal.Header.ListPath);
        const int answer = ShowMsg("Korvalen did not end cleanly last time.||Restore the unsaved changes of " +
                                       MarkupLiteral(JournalSummary(journal, name)) + "?||No discards them.",
                                   Msg::Confirmation, Msg::Yes | Msg::No, Msg::Centre);
        if (answer == Msg::ResultYes)
            RestoreLeftJournal(left, name);
        else if (answer == Msg::ResultNo)
            FileSystem().Remove(left.Path);
    }
}

void TProgram::RestoreLeftJournal(const TLeftJournal& left, const std::string& name) {
    const TJournal& journal = left.Journal;
    // The base is a whole list and the changes may sort it again and again:
    // at a million bootlegs each takes longer than a paint.
    const std::string restoring = "Restoring " + name;
    TArrayOfBootData base;
    std::string error;
    bool haveBase = false;
    m_host.RunAndWait(restoring, [&] { haveBase = JournalBase(journal, base, error); });
    if (!haveBase) {
        ShowMsg("The unsaved changes could not be restored:||" + MarkupLiteral(AsSentence(error)), Msg::Error, Msg::Ok,
                Msg::Centre);
        return;
    }
    const std::string& path = journal.Header.ListPath;
    const TFileIdentity now = path.empty() ? TFileIdentity() : IdentifyFile(path);
    // Changes made to a file that changed since go onto a copy of what they were made to.
    const bool onFile = now.Known && now.Checksum == journal.Header.BaseChecksum &&
                        now.Stamp.Size == journal.Header.BaseBytes.size() && OpenList(path);
    if (!onFile && !OpenList(""))
        return;
    const int index = onFile ? OpenIndexOf(path) : static_cast<int>(Lists.size()) - 1;
    assert(index >= 0);
    TProject& list = *Lists[static_cast<size_t>(index)];
    if (!onFile) {
        list.Data = std::move(base);
        list.Saved = false;
        RecordsReplaced(list, FoldedStep(journal));
    }
    size_t skipped = 0;
    m_host.RunAndWait(restoring, [&] {
        skipped = ReplayJournal(journal, list);
        list.BuildViewAhead(Filter);
    });
    ShowTab(m_host, index);
    FileSystem().Remove(left.Path);
    if (skipped > 0 || !journal.Rest.empty())
        ShowMsg("Not everything could be restored: " +
                    (skipped > 0 ? std::to_string(skipped) + " changes did not fit the list" : std::string()) +
                    (skipped > 0 && !journal.Rest.empty() ? "; " : "") + MarkupLiteral(journal.Rest) + ".",
                Msg::Warning, Msg::Ok, Msg::Centre);
}
