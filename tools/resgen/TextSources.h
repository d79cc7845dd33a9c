#pragma once

#include "controls/grid/GridTypes.h"
#include "core/Strings2.h"

#include <string>
#include <vector>

// Readable sources of the text blobs. Lines starting with '#' and empty lines
// are skipped; fields are separated by TABs. Each parser returns false with
// the reason (and the line number) on a malformed line.

// "count N", then "NUMBER<TAB>TEXT" lines; TEXT may use \\ and \xHH. Items
// not listed are empty.
bool ParseStringsSource(const std::string& source, TStrings2& strings, std::string& error);

// One column per line: heading, kind (text, list, external), width, item
// count, alignment (left, right, centre) and an optional number format.
bool ParseColumnsSource(const std::string& source, std::vector<TGridColumn>& columns, std::string& error);
