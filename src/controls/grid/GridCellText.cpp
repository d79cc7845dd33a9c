#include "GridCellText.h"

#include "controls/markup/MarkupSupport.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace {

// Byte positions after each of the first `limit` characters of a valid UTF-8 text.
std::vector<size_t> CharEnds(const std::string& text, size_t limit) {
    std::vector<size_t> ends;
    for (size_t pos = 0; pos < text.size() && ends.size() < limit;) {
        pos += std::max<size_t>(1, Utf8CharLength(text, pos));
        ends.push_back(std::min(pos, text.size()));
    }
    return ends;
}

std::string CutToChars(const std::string& line, size_t maxChars) {
    std::vector<size_t> ends = CharEnds(line, maxChars + 1);
    return ends.size() > maxChars ? line.substr(0, maxChars == 0 ? 0 : ends[maxChars - 1]) : line;
}

} // namespace

std::string CellShownText(const std::string& text, bool literal) {
    std::string shown = ShownUtf8(text);
    if (!literal)
        std::replace(shown.begin(), shown.end(), '|', '/');
    return shown;
}

TShownLines ShownLines(const std::string& utf8, int32_t maxLines, size_t maxChars, bool splitLines) {
    TShownLines shown;
    const size_t wanted = static_cast<size_t>(std::max(maxLines, 1));
    size_t pos = 0;
    while (true) {
        size_t end = splitLines ? utf8.find('\n', pos) : std::string::npos;
        std::string line = utf8.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        shown.Lines.push_back(CutToChars(line, maxChars));
        if (end == std::string::npos)
            break;
        pos = end + 1;
        if (shown.Lines.size() == wanted) {
            shown.Dropped = true;
            break;
        }
    }
    return shown;
}

std::string ElideLine(const std::string& line, int32_t width, const std::function<int32_t(const std::string&)>& measure,
                      bool marked) {
    if (!marked && measure(line) <= width)
        return line;
    // The most characters that still fit with the ellipsis after them.
    const std::vector<size_t> ends = CharEnds(line, line.size());
    size_t low = 0;
    size_t high = ends.size();
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (measure(line.substr(0, ends[mid - 1]) + kEllipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return line.substr(0, low == 0 ? 0 : ends[low - 1]) + kEllipsis;
}

std::string FitCellText(const TShownLines& shown, int32_t width,
                        const std::function<int32_t(const std::string&)>& measure) {
    std::string text;
    for (size_t i = 0; i < shown.Lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        const bool last = i + 1 == shown.Lines.size();
        text += ElideLine(shown.Lines[i], width, measure, last && shown.Dropped);
    }
    return text;
}
