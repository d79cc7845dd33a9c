#include "ListCommandRunner.h"

#include "controls/grid/ExcelGrid2.h"
#include "program/ListCommands.h"
#include "program/Program.h"
#include "program/SortAndUndo.h"

#include <cassert>

TListCommandRunner::TListCommandRunner(TProgram& program, IProgramHost& host, TExcelGrid2& grid, const TColMap& colMap)
    : m_program(program), m_host(host), m_grid(grid), m_colMap(colMap) {}

void TListCommandRunner::Execute(int listIndex, const TAction& action) {
    // The program passes only the index of an open list; a release build
    // still refuses any other rather than reach beyond the lists.
    const bool open = listIndex >= 0 && listIndex < static_cast<int>(m_program.Lists.size());
    assert(open);
    if (!open)
        return;
    TProject& list = *m_program.Lists[static_cast<size_t>(listIndex)];
    switch (action.Id) {
    case TActionId::cmSave:
    case TActionId::cmSaveAs:
        // The file is written while the window goes on.
        m_program.StartSave(listIndex, action.Id == TActionId::cmSaveAs);
        break;
    case TActionId::cmExport:
    case TActionId::cmPrint:
    case TActionId::cmExportPdf:
    case TActionId::cmConcerts:
    case TActionId::cmCompare:
    case TActionId::cmCoverage:
    case TActionId::cmStatistics:
    case TActionId::cmCopyMarked:
        if (OpenListWindow)
            OpenListWindow(listIndex, action.Id);
        break;
    case TActionId::cmSortAZ:
    case TActionId::cmSortZA:
        Sort(list, action.Id == TActionId::cmSortAZ);
        break;
    case TActionId::cmAdd:
        Add(list);
        break;
    case TActionId::cmDelete:
        Delete(list);
        break;
    case TActionId::cmClearSearch:
        list.ClearSearch();
        RefreshView();
        break;
    case TActionId::cmMarkedOnly:
        list.MarkedOnly = !list.MarkedOnly;
        RefreshView();
        break;
    case TActionId::cmClipboardCopy:
        if (m_grid.Focused())
            m_grid.CopyToClipboard();
        break;
    case TActionId::cmClipboardPaste:
        if (m_grid.Focused())
            Paste(list);
        break;
    case TActionId::cmUndo:
    case TActionId::cmRedo:
        UndoOrRedo(list, action.Id == TActionId::cmRedo);
        break;
    case TActionId::cmFind:
        FindNext(true);
        break;
    case TActionId::cmFindNext:
        FindNext(m_program.SearchString.empty());
        break;
    case TActionId::cmFindConcert:
        FindConcert(list);
        break;
    default: // cmClipboardCut among them
        break;
    }
}

void TListCommandRunner::MoveToRow(int32_t row) {
    m_grid.Row = std::max(1, row);
    m_grid.ResetSelection();
    m_grid.ScrollInView();
    m_grid.Invalidate();
}

void TListCommandRunner::Add(TProject& list) {
    std::string error;
    if (!AddEmptyRecord(list, error)) {
        m_program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return;
    }
    // An empty band would be filtered out by any band selection.
    m_program.Filter.AllBands = true;
    RefreshView();
    // The new bootleg is filled in from its band on.
    m_grid.Col = m_colMap[static_cast<size_t>(tcBand)];
    MoveToRow(m_grid.CountRows());
}

void TListCommandRunner::Delete(TProject& list) {
    if (!DeleteSelectedRecords(list, m_grid))
        return;
    RefreshView();
    if (m_grid.Row > m_grid.CountRows())
        MoveToRow(m_grid.CountRows());
}

void TListCommandRunner::Sort(TProject& list, bool ascending) {
    SortList(m_host, list, m_grid.Col, ascending, m_program.Filter);
    ShowBuiltView();
}

void TListCommandRunner::FindNext(bool ask) {
    if (ask) {
        std::string text = m_program.SearchString;
        if (!AskSearchText || !AskSearchText(text))
            return;
        m_program.SearchString = text;
    }
    if (FindNextInGrid(m_grid, m_program.SearchString)) {
        m_grid.setFocus();
        m_grid.Invalidate();
    }
}

void TListCommandRunner::FindConcert(TProject& list) {
    if (list.View.empty())
        return;
    FindConcertsInGrid(m_grid, m_program.Filter.Bands, m_colMap);
    // Found places go straight into the records, so that a save keeps them.
    ReadListGrid(m_grid, list, m_colMap);
    list.CommitChange("find concert");
    RefreshView();
}

void TListCommandRunner::Paste(TProject& list) {
    // Rows that do not fit below the cursor become new bootlegs in the same
    // step as the paste, shown whatever band they were given.
    std::string error;
    const int32_t appended = AppendRowsForPaste(m_grid, list, m_colMap, m_grid.ClipboardText(), error);
    if (appended < 0) {
        m_program.ShowMsg(error, Msg::Error, Msg::Ok, Msg::Centre);
        return;
    }
    const bool added = appended > 0;
    m_grid.PasteFromClipboard();
    m_grid.Changed(); // the cells reach the records
    list.CommitChange("paste");
    if (added)
        m_program.Filter.AllBands = true;
    RefreshView();
}

void TListCommandRunner::UndoOrRedo(TProject& list, bool redo) {
    const TUndoResult result = UndoOrRedoList(m_host, list, m_program.Filter, redo);
    if (!result.Done)
        return;
    ShowBuiltView();
    ShowChangedRows(list, result);
}

void TListCommandRunner::ShowChangedRows(const TProject& list, const TUndoResult& result) {
    std::vector<int32_t> rows;
    for (int32_t index : result.Records)
        if (index >= 0 && static_cast<size_t>(index) < list.Data.size() &&
            list.Data[static_cast<size_t>(index)].ViewIndex >= 0)
            rows.push_back(list.Data[static_cast<size_t>(index)].ViewIndex + 1);
    if (rows.empty())
        return;
    const int32_t column = ColumnOfField(result.Field, m_colMap);
    if (column > 0)
        m_grid.Col = column;
    // The cursor on the first changed row, the selection down to the last.
    m_grid.Row = rows.front();
    m_grid.Selection = {m_grid.Col, rows.back(), m_grid.Col, rows.front()};
    m_grid.ScrollInView();
    m_grid.Invalidate();
}
