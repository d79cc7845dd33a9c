#include "program/SortAndUndo.h"

#include "core/Project.h"
#include "program/ListCommands.h"
#include "program/ListNames.h"
#include "program/ProgramHost.h"

#include <string>

namespace {

TListAside Aside(IProgramHost& host, const std::string& what) {
    return [&host, what](const std::function<void()>& work) { host.RunAndWait(what, work); };
}

std::string Doing(const char* verb, const std::string& step) {
    return step.empty() ? verb : verb + (" " + step);
}

} // namespace

void SortList(IProgramHost& host, TProject& list, int column, bool ascending, const TFilterState& filter) {
    const std::string what = "Sorting " + ListName(list);
    list.Sort(column, ascending, Aside(host, what));
    // Saved and the cleared view changed in between, on the window's side.
    host.RunAndWait(what, [&] { list.BuildView(filter); });
}

TUndoResult UndoOrRedoList(IProgramHost& host, TProject& list, TFilterState& filter, bool redo) {
    const TUndoHistory& history = list.UndoSteps;
    const std::string what = redo ? Doing("Redoing", history.RedoName()) : Doing("Undoing", history.UndoName());
    // A step of edits costs little and goes back at once, without letting
    // the window's waiting events in halfway through the command.
    const bool moves = history.NextStepMovesRecords(redo);
    const TListAside aside = moves ? Aside(host, what) : RunHere;
    TUndoResult result = redo ? list.RedoChange(aside) : list.UndoChange(aside);
    if (!result.Done)
        return result;
    aside([&] { RevealRecords(filter, list, result.Records); });
    return result;
}
