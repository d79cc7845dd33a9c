#include "PictureLimits.h"

bool PictureTooLarge(uint64_t width, uint64_t height, std::string& error, uint64_t limit) {
    // Both sides come from 32-bit header fields, so the product cannot overflow.
    if (width * height <= limit)
        return false;
    error = "The picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
            " pixels; at most " + std::to_string(limit / 1000000) + " megapixels are shown).";
    return true;
}
