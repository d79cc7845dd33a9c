#pragma once

#include "controls/grid/GridTypes.h"

// The two decimal separators number cells meet: a point with comma groups,
// and a comma with point groups.
inline const TNumberLocale kPoint{'.', ','};
inline const TNumberLocale kComma{',', '.'};
