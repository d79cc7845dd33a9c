#pragma once

#include "core/BootData.h"
#include "core/Codes.h"
#include "core/FilterIndex.h"
#include "core/FilterQuery.h"
#include "core/RecordChanges.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TStrings2;

// The names the source and media codes show, which the filter looks in.
struct TCodeNames {
    std::array<std::string, kSourceCount> Sources;
    std::array<std::string, kMediaCount> Media;
    bool operator==(const TCodeNames& other) const { return Sources == other.Sources && Media == other.Media; }
};
TCodeNames ShownCodeNames(const TStrings2& names);
// The built-in names, as the filter lists show them.
TCodeNames DefaultCodeNames();

// The quick filter of one list: the text typed above its grid, and which of
// its records pass it (every word of the query, core/FilterQuery). Each
// keystroke that only adds to the query looks only at the records that
// passed the last one. Records added to the list, and records that undo
// brings back, stay shown until the text changes.
class TQuickFilter {
public:
    // A text other than the one set forgets the records kept shown.
    void SetText(const std::string& text, const TCodeNames& names);
    const std::string& Text() const { return m_text; }
    bool Active() const { return !m_terms.empty(); }

    // Follows the changes of the records; when active, the records that pass
    // or are kept shown, ascending; nullptr when every record passes.
    const std::vector<int32_t>* Passing(const TArrayOfBootData& data, TRecordChanges& changes);
    // Makes the index ahead of the first keystroke (the box got the focus),
    // so that the keystroke itself costs only the search.
    void Prepare(const TArrayOfBootData& data, TRecordChanges& changes);
    // Records shown whatever the text says, until it changes.
    void KeepShown(const std::vector<int32_t>& records);

    // The last Passing looked only at the records that passed the one before.
    bool Narrowed() const { return m_narrowed; }
    size_t IndexBytes() const;

private:
    struct TTerm {
        TIndexSearch Search;
        bool Exclude = false;
    };
    void Evaluate();
    bool Covers(const std::vector<TTerm>& before) const;

    std::string m_text;
    TCodeNames m_names;
    std::vector<TTerm> m_terms;
    TFilterIndex m_index;
    // The records that passed the query of m_matchedTerms, while valid.
    std::vector<TTerm> m_matchedTerms;
    std::string m_matchedText;
    std::vector<int32_t> m_matched;
    bool m_matchedValid = false;
    bool m_narrowed = false;
    std::vector<int32_t> m_passing;
    // Kept between keystrokes, so that a big list's keystroke allocates nothing.
    std::vector<int32_t> m_found, m_rest;
};
