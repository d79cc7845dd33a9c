#include "BlobError.h"

std::string BlobInflateErrorText(TInflateReader::TError error) {
    switch (error) {
    case TInflateReader::TError::None:
        return {};
    case TInflateReader::TError::Read:
    case TInflateReader::TError::Empty:
    case TInflateReader::TError::CompressedEndsEarly:
        return "The stored data ends in the middle of its compressed block.";
    case TInflateReader::TError::NotCompressed:
    case TInflateReader::TError::Corrupt:
        return "The stored data is damaged: its compressed block is corrupt.";
    case TInflateReader::TError::ContentEndsEarly:
        return "The stored data is damaged: its block ends before its content is complete.";
    }
    return {};
}
