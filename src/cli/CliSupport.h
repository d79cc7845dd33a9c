#pragma once

// What every korvalen-cli command shares: its arguments, the error that ends
// it, and lists and Tours folders read and written with the errors worded
// for standard error.

#include "core/Project.h"
#include "program/ConcertLists.h"

#include <iosfwd>
#include <string>
#include <vector>

using TArgs = std::vector<std::string>;

// An error that ends the command: its text (if any) goes to standard error as it is.
struct TCliError {
    std::string Text;
};

// --force was given: a list that Korvalen holds open is written over.
bool& ForceWrite();

// The list at `path`, its file version in `version` when asked.
TProject LoadList(const std::string& path, int32_t* version = nullptr);
// Refuses to write over a list held open in Korvalen unless ForceWrite().
void SaveList(TProject& list, const std::string& path);
std::string ReadFileOrThrow(const std::string& path);
void PrintLines(const std::vector<std::string>& lines, std::ostream& out);
// A property number 1 (Band) .. 13 (Comment); `what` names the argument in the error.
int ParseColumn(const std::string& text, const std::string& what);
// The concert lists of a Tours folder; unreadable tour files are named on
// standard error and left out, as the program does.
TConcertLists LoadTours(const std::string& folder, std::ostream& err);
