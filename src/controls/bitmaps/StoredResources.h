#pragma once

#include "core/BitmapContainer.h"
#include "core/Strings2.h"

#include <string>

class TGridModel;

// The main window's stored blobs, embedded at build time, read through their
// own readers. Each returns false with the reason when a blob is missing or damaged.

bool LoadStoredGridStr(TStrings2& gridStr, std::string& error);
// The template grid's columns, read by the grid itself.
bool LoadStoredTemplateGrid(TGridModel& grid, std::string& error);
bool LoadStoredBitmaps(TBitmapContainer& container, std::string& error);
