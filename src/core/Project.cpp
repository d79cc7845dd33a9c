#include "Project.h"

#include "FileIdentity.h"
#include "ListSnapshot.h"
#include "ListSort.h"
#include "ListView.h"
#include "MarkedRecords.h"
#include "platform/FileSystem.h"

void TProject::BuildView(const TFilterState& filter) {
    if (KeepsViewAhead(filter))
        return;
    const std::vector<int32_t>* passing = QuickFilter.Passing(Data, UndoSteps.Changes());
    if (!MarkedOnly) {
        View = BuildListView(Data, filter, passing, &ViewHits);
        return;
    }
    const std::vector<int32_t> marked = MarkedRecords(Data, passing);
    View = BuildListView(Data, filter, &marked, &ViewHits);
}

void TProject::BuildViewAhead(const TFilterState& filter) {
    BuildView(filter);
    m_viewAhead = StampView(Data, filter, QuickFilter.Text(), MarkedOnly);
}

bool TProject::KeepsViewAhead(const TFilterState& filter) {
    if (!m_viewAhead)
        return false;
    const bool same =
        UndoSteps.Changes().Empty() && *m_viewAhead == StampView(Data, filter, QuickFilter.Text(), MarkedOnly);
    m_viewAhead.reset();
    return same;
}

void RunHere(const std::function<void()>& work) {
    work();
}

// Only the records and the history change in `aside`: Saved and the view,
// which the window reads while it paints, change after it.
void TProject::Sort(int column, bool ascending, const TListAside& aside) {
    KeepUnsavedState();
    bool committed = false;
    aside([&] {
        UndoSteps.Reorder(Data, SortOrder(Data, TemplateColumnOfGridColumn(column, SearchColumn), ascending));
        committed = UndoSteps.Commit(Data, ascending ? "sort A-Z" : "sort Z-A");
    });
    if (committed)
        AfterStep(UndoSteps.UndoStepMovedRecords());
}

void TProject::KeepUnsavedState() {
    // Saved was cleared by something the history did not record (a list
    // made by a join, say): the state now is not the one on the disk.
    if (!Saved && UndoSteps.AtSavedPoint())
        UndoSteps.ForgetSavedPoint();
}

bool TProject::CommitChange(std::string name) {
    KeepUnsavedState();
    if (!UndoSteps.Commit(Data, std::move(name)))
        return false;
    // Rows of the view name records by index: after a delete or a sort they
    // are stale until the view is rebuilt. Edits and appends leave them valid.
    AfterStep(UndoSteps.UndoStepMovedRecords());
    return true;
}

void TProject::AfterStep(bool movedRecords) {
    Saved = UndoSteps.AtSavedPoint();
    if (movedRecords)
        View.clear();
}

TUndoResult TProject::UndoChange(const TListAside& aside) {
    return Step(false, aside);
}

TUndoResult TProject::RedoChange(const TListAside& aside) {
    return Step(true, aside);
}

TUndoResult TProject::Step(bool redo, const TListAside& aside) {
    KeepUnsavedState();
    TUndoResult result;
    aside([&] { result = redo ? UndoSteps.Redo(Data) : UndoSteps.Undo(Data); });
    AfterStep(result.Done);
    return result;
}

void TProject::ClearSearch() {
    for (TBootData& record : Data) {
        record.SearchHits = 0;
        record.SearchText.clear();
    }
    SearchColumn = false;
    // With nothing marked, a narrowed list would show nothing.
    MarkedOnly = false;
}

TListReadResult TProject::Load(TFileIdentity* readFrom) {
    std::string error;
    const TFileStamp stamp = StampOfFile(FileName);
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(FileName, error);
    if (!file)
        return {TListReadResult::TStatus::Failed, 0, AsSentence(error)};
    TIdentifyingSource source(*file, stamp);
    TListReadResult result = ReadListFile(source, Data);
    if (result.Ok()) {
        View.clear();
        UndoSteps.Clear();
        Saved = true;
        if (readFrom)
            *readFrom = source.Finish();
    }
    return result;
}

TSaveResult TProject::Save() {
    TListSnapshot snapshot;
    std::string error;
    if (!TakeListSnapshot(*this, snapshot, error))
        return {false, AsSentence(error)};
    TSaveResult result = WriteListSnapshot(snapshot);
    if (result.Ok)
        SavedAt(snapshot.State);
    return result;
}

void TProject::SavedAt(uint64_t state) {
    UndoSteps.MarkSavedAt(state);
    Saved = UndoSteps.AtSavedPoint();
}
