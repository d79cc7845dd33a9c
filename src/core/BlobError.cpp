#include "BlobError.h"

const char* const kBlobContentEndsEarly = "The stored data is damaged: its block ends before its content is complete.";

std::string BlobInflateErrorText(TInflateError error) {
    switch (error) {
    case TInflateError::None:
        return {};
    case TInflateError::Empty:
    case TInflateError::EndsEarly:
        return "The stored data ends in the middle of its compressed block.";
    case TInflateError::NotCompressed:
    case TInflateError::Corrupt:
        return "The stored data is damaged: its compressed block is corrupt.";
    case TInflateError::TooLarge:
        return "The stored data is damaged: its block is longer than announced.";
    case TInflateError::NoMemory:
        return "There is not enough memory to read the stored data.";
    }
    return {};
}
