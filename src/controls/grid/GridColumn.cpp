// The setters of TGridColumn (GridTypes.h).

#include "controls/grid/GridTypes.h"

#include "platform/Utf8.h"

namespace {

// At most `size` bytes; a valid UTF-8 text loses no part of a character.
std::string CutTo(const std::string& text, size_t size) {
    if (text.size() <= size)
        return text;
    size_t end = size;
    if (IsValidUtf8(text))
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    return text.substr(0, end);
}

} // namespace

void TGridColumn::SetHeading(const std::string& heading) {
    m_heading = CutTo(heading, kMaxHeadingLength);
}

void TGridColumn::SetFormat(const std::string& format) {
    m_format = CutTo(format, kMaxFormatLength);
}
