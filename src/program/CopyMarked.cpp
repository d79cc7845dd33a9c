#include "program/CopyMarked.h"

#include "core/MarkedRecords.h"
#include "program/ListCommands.h"
#include "program/ListNames.h"
#include "program/Program.h"

#include <cassert>

const char* const kNewListChoice = "New list";
const char* const kNothingMarked = "Nothing is marked in this list. Compare lists first.";

namespace {

// The open list behind `choice`, or nullptr for a new one.
TProject* TargetOf(TProgram& program, int from, size_t choice) {
    size_t seen = 0;
    for (size_t i = 0; i < program.Lists.size(); ++i) {
        if (static_cast<int>(i) == from)
            continue;
        if (seen++ == choice)
            return program.Lists[i].get();
    }
    return nullptr;
}

} // namespace

std::vector<std::string> CopyMarkedTargets(const TProgram& program, int from) {
    std::vector<std::string> names;
    for (size_t i = 0; i < program.Lists.size(); ++i)
        if (static_cast<int>(i) != from)
            names.push_back(ListName(*program.Lists[i]));
    names.push_back(kNewListChoice);
    return names;
}

bool HasMarkedRecords(const TProject& list) {
    for (const TBootData& record : list.Data)
        if (record.SearchHits > 0)
            return true;
    return false;
}

bool CopyMarkedToList(TProgram& program, int from, size_t choice, std::string& error) {
    assert(from >= 0 && static_cast<size_t>(from) < program.Lists.size());
    const std::vector<int32_t> marked = MarkedRecords(program.Lists[static_cast<size_t>(from)]->Data);
    if (marked.empty()) {
        error = kNothingMarked;
        return false;
    }
    TProject* target = TargetOf(program, from, choice);
    if (!RoomForRecords(target ? target->Data.size() : 0, marked.size(), error))
        return false;
    if (!target) {
        if (!program.OpenList("")) {
            error.clear(); // it has told why
            return false;
        }
        target = program.Lists.back().get();
    }
    // Opening a list may have moved the others; the source is looked up anew.
    const TProject& source = *program.Lists[static_cast<size_t>(from)];
    for (int32_t index : marked) {
        TBootData copy = source.Data[static_cast<size_t>(index)];
        copy.SearchHits = 0;
        copy.SearchText.clear();
        copy.ViewIndex = -1;
        target->UndoSteps.Append(target->Data, std::move(copy));
    }
    target->CommitChange(StepCaption(target->UndoSteps.OpenSummary(target->Data)));
    return true;
}
