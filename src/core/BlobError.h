#pragma once

#include "core/InflateReader.h"

#include <string>

// The failure of a stored blob's compressed block, in words.
std::string BlobInflateErrorText(TInflateReader::TError error);
