#include "controls/markup/MarkupLiteral.h"

std::string MarkupLiteral(const std::string& text) {
    std::string literal;
    literal.reserve(text.size());
    for (char c : text) {
        // The symbol code takes the character after its own as a separator
        // and draws nothing of it: without the space it would eat a letter.
        if (c == '|')
            literal += "|s| ";
        else
            literal += c;
    }
    return literal;
}
