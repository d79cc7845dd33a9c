#pragma once

// compare, join and wants: the list functions window's work on list files.

#include "cli/CliSupport.h"

extern const char* const kCompareUsage;
extern const char* const kJoinUsage;
extern const char* const kWantsUsage;

void RunCompare(const TArgs& args, std::ostream& out, std::ostream& err);
void RunJoin(const TArgs& args, std::ostream& out, std::ostream& err);
void RunWants(const TArgs& args, std::ostream& out, std::ostream& err);
