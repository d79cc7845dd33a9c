#pragma once

#include "core/BootData.h"

#include <string>

class TProgram;

// Opens a new unsaved list that holds `records` whole, as a join or an
// import makes it: no step to undo, its journal starting from them. False
// when no list could be opened.
bool OpenMadeList(TProgram& program, TArrayOfBootData records, const std::string& step);
