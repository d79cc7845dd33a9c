#include "Project.h"

#include "ListSort.h"
#include "ListView.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

void TProject::BuildView(const TFilterState& filter) {
    View = BuildListView(Data, filter);
}

void TProject::Sort(int column, bool ascending) {
    SortRecords(Data, TemplateColumnOfGridColumn(column, SearchColumn), ascending);
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
        Saved = true;
    }
    return result;
}

TSaveResult TProject::Save() {
    TAtomicFile file(FileName);
    std::string error;
    if (!file.Open() || !WriteListFile(Data, file, error) || !file.Commit())
        return {false, AsSentence(error.empty() ? file.Error() : error)};
    Saved = true;
    return {true, {}};
}
