#pragma once

#include <string>
#include <vector>

class TProgram;
class TProject;

// Copies the bootlegs that the last compare or duplicate search marked in
// one list into another open list or into a new one: what a trader has and
// I lack becomes a wants list. The target gets them, in list order and
// without their results, as one step of its history.

// The choices offered for list `from`: every other open list by its tab
// name, in tab order, then kNewListChoice.
std::vector<std::string> CopyMarkedTargets(const TProgram& program, int from);
extern const char* const kNewListChoice;
extern const char* const kNothingMarked;

// True when anything is marked in `list`.
bool HasMarkedRecords(const TProject& list);

// Copies the marked bootlegs of list `from` into the list of choice `choice`
// (an index into CopyMarkedTargets; its last one opens a new list, which
// becomes the current tab). False with the reason, and no list changed or
// opened, when nothing is marked or the target would grow past the most a
// list holds; an empty reason when the new list could not be opened (the
// program has told why).
bool CopyMarkedToList(TProgram& program, int from, size_t choice, std::string& error);
