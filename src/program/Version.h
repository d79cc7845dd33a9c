#pragma once

#include "KorvalenVersion.h"

// The program's name and version. The version comes from the build, the one
// number that also names the package, the metadata and the manual pages.
constexpr const char* kProgramName = "Korvalen";
constexpr const char* kProgramVersion = KORVALEN_VERSION;
// What the window's caption shows after "v": major and minor.
constexpr const char* kCaptionVersion = KORVALEN_CAPTION_VERSION;
