#pragma once

#include "core/FileIdentity.h"
#include "core/ListJournal.h"

#include <cstdint>
#include <string>
#include <vector>

class TProject;

// The recovery journal of one open list: started by the first change after
// the list was opened or saved, removed by a save and by a clean close. A
// journal that cannot be written costs only the recovery, never the edit.
class TListJournal {
public:
    // Follows the changes of `list` into the file `path`.
    TListJournal(std::string path, TProject& list);
    ~TListJournal();
    TListJournal(const TListJournal&) = delete;
    TListJournal& operator=(const TListJournal&) = delete;

    // The list now equals its file, which is `base` (opened, saved or read
    // again): the journal starts anew from it.
    void Restart(const TFileIdentity& base);
    // The list's records were replaced outside its history (a join): they
    // are the journal's base, written at once, and `step` ("" for none) is
    // the step that made them.
    void RestartFromRecords(const std::string& step);
    // Removes the file; the list was closed cleanly.
    void Remove();
    const std::string& Path() const { return m_path; }

private:
    void Write(const std::string& entry);
    TJournalHeader NewHeader() const;
    bool WriteHeader(std::string base, std::string& error);
    bool CopyBaseFromFile(std::string& error);
    bool Start(bool& changeInBase, std::string& error);

    std::string m_path;
    TProject& m_list;
    TJournalRecorder m_recorder;
    // The file as the list was read from it or written to it.
    TFileIdentity m_base;
    bool m_started = false;
    bool m_broken = false;
};

// A journal left by a run that did not end cleanly.
struct TLeftJournal {
    std::string Path;
    TJournal Journal;
    std::string Problem; // why it cannot be used, or ""
};

// Whether `journal` holds anything to restore: changes, or a base that is
// not its list's file as it is now (a join result, or a list whose file
// changed before its first change).
bool JournalHoldsChanges(const TJournal& journal);

// The journals in `folder` that no running Korvalen writes any more.
std::vector<TLeftJournal> LeftJournals(const std::string& folder);
// A fresh journal file name in `folder` for this process.
std::string NewJournalPath(const std::string& folder);
// The records the journal's changes start from; false with the reason.
bool JournalBase(const TJournal& journal, TArrayOfBootData& records, std::string& error);
// Makes the journal's changes to `list` again, each one step that stays
// unsaved and can be undone. Returns how many did not fit (the first that
// does not fit ends the replay).
size_t ReplayJournal(const TJournal& journal, TProject& list);
// The name of the step whose changes the journal's base already holds, or "".
std::string FoldedStep(const TJournal& journal);
// "NAME (N changes, last at TIME)" for the question at start.
std::string JournalSummary(const TJournal& journal, const std::string& name);
