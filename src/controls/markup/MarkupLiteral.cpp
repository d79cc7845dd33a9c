#include "controls/markup/MarkupLiteral.h"

std::string MarkupLiteral(const std::string& text) {
    std::string literal;
    literal.reserve(text.size());
    for (char c : text) {
        if (c == '|')
            literal += "|s|";
        else
            literal += c;
    }
    return literal;
}
