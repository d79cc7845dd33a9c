#include "Project.h"

#include "ListSnapshot.h"
#include "ListSort.h"
#include "ListView.h"
#include "platform/FileSystem.h"

void TProject::BuildView(const TFilterState& filter) {
    View = BuildListView(Data, filter, QuickFilter.Passing(Data, UndoSteps.Changes()));
}

void TProject::Sort(int column, bool ascending) {
    UndoSteps.Reorder(Data, SortOrder(Data, TemplateColumnOfGridColumn(column, SearchColumn), ascending));
    CommitChange(ascending ? "sort A-Z" : "sort Z-A");
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
    Saved = UndoSteps.AtSavedPoint();
    // Rows of the view name records by index: after a delete or a sort they
    // are stale until the view is rebuilt. Edits and appends leave them valid.
    if (UndoSteps.UndoStepMovedRecords())
        View.clear();
    return true;
}

TUndoResult TProject::UndoChange() {
    return Step(false);
}

TUndoResult TProject::RedoChange() {
    return Step(true);
}

TUndoResult TProject::Step(bool redo) {
    KeepUnsavedState();
    TUndoResult result = redo ? UndoSteps.Redo(Data) : UndoSteps.Undo(Data);
    Saved = UndoSteps.AtSavedPoint();
    View.clear();
    return result;
}

void TProject::ClearSearch() {
    for (TBootData& record : Data) {
        record.SearchHits = 0;
        record.SearchText.clear();
    }
    SearchColumn = false;
}

TListReadResult TProject::Load() {
    std::string error;
    std::unique_ptr<TFile> file = FileSystem().OpenForReading(FileName, error);
    if (!file)
        return {TListReadResult::TStatus::Failed, 0, AsSentence(error)};
    TListReadResult result = ReadListFile(*file, Data);
    if (result.Ok()) {
        View.clear();
        UndoSteps.Clear();
        Saved = true;
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
