#pragma once

#include "core/UndoHistory.h"
#include "program/Actions.h"
#include "program/ListGrid.h"

#include <functional>
#include <string>

class IProgramHost;
class TExcelGrid2;
class TProgram;
class TProject;

// The commands that act on the current list and the main grid: save, add,
// delete, sort, find, find concert, clear results, the clipboard, undo and
// redo.
class TListCommandRunner {
public:
    TListCommandRunner(TProgram& program, IProgramHost& host, TExcelGrid2& grid, const TColMap& colMap);

    // Refreshes the main window's view (filter lists, grid, title bar).
    std::function<void()> RefreshView;
    // The same, with the current list's view just built for the filter.
    std::function<void()> ShowBuiltView;
    // Asks for the search text, starting from `text`; false on Cancel.
    std::function<bool(std::string& text)> AskSearchText;
    // The list functions, export and concerts windows, when there are any.
    std::function<void(int listIndex, TActionId window)> OpenListWindow;

    void Execute(int listIndex, const TAction& action);

private:
    void Add(TProject& list);
    void Delete(TProject& list);
    void Sort(TProject& list, bool ascending);
    void FindNext(bool ask);
    void FindConcert(TProject& list);
    void MoveToRow(int32_t row);
    void Paste(TProject& list);
    void UndoOrRedo(TProject& list, bool redo);
    void ShowChangedRows(const TProject& list, const TUndoResult& result);

    TProgram& m_program;
    IProgramHost& m_host;
    TExcelGrid2& m_grid;
    const TColMap& m_colMap;
};
