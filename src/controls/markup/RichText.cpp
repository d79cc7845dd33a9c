#include "RichText.h"

TRichText::TRichText(QWidget* parent) : TRichControl(parent) {
    SetColor(palette().color(QPalette::Button));
}

std::string TRichText::JoinedText() const {
    std::string text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += m_lines[i];
    }
    return text;
}

std::string TRichText::MarkupText() const {
    std::string text;
    for (const std::string& line : m_lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        size_t end = lf > start && text[lf - 1] == '\r' ? lf - 1 : lf;
        lines.push_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}
