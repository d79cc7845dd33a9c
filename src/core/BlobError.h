#pragma once

#include "core/Inflate.h"

#include <string>

// The failure of a stored blob's compressed block, in words.
std::string BlobInflateErrorText(TInflateError error);

// A block that inflates but ends before the content it announces.
extern const char* const kBlobContentEndsEarly;
