#pragma once

#include <string>
#include <string_view>

// The one rule by which find and the quick filter decide that a text holds
// what the user typed: they compare what the two show, not their bytes. A
// text that is valid UTF-8 has every letter folded, so "łódź" finds "Łódź";
// any other text is read in the legacy code page (platform/CodePage) with
// only a..z folded, as such texts always were. The folded forms are UTF-8,
// so texts of both kinds are compared as the same characters.

enum class TTextKind : unsigned char { Utf8, Legacy };

// Appends the folded characters `bytes` show to `out`; returns their kind.
TTextKind AppendFoldedText(std::string_view bytes, std::string& out);
std::string FoldedText(std::string_view bytes);

// A text the user typed, folded once for texts of either kind.
class TTextPattern {
public:
    TTextPattern() = default;
    explicit TTextPattern(std::string_view typed);

    // An empty pattern matches nothing.
    bool Empty() const { return m_utf8.empty(); }
    bool Matches(std::string_view text) const;
    // The folded pattern that texts of `kind` are searched for.
    const std::string& Folded(TTextKind kind) const { return kind == TTextKind::Utf8 ? m_utf8 : m_legacy; }
    // Both kinds search for the same bytes (no letter beyond a..z changes case).
    bool SameForBoth() const { return m_utf8 == m_legacy; }
    // Every text this one matches is matched by `wider` too.
    bool Implies(const TTextPattern& wider) const;

private:
    std::string m_utf8;
    std::string m_legacy;
};
