#pragma once

#include "core/BootData.h"

#include <string>

class TProgram;

// Opens a new unsaved list that holds `records` whole, as a join or an
// import makes it: no step to undo, its journal starting from them, its
// view built under the program's filter for the refresh to come. False when
// no list could be opened.
bool OpenMadeList(TProgram& program, TArrayOfBootData records, const std::string& step);
