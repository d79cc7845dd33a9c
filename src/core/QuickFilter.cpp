#include "core/QuickFilter.h"

#include "core/Strings2.h"

#include <algorithm>
#include <iterator>

namespace {

template <size_t N>
void MatchNames(const TTextPattern& pattern, const std::array<std::string, N>& names, std::array<bool, N>& matches) {
    for (size_t i = 0; i < N; ++i)
        matches[i] = pattern.Matches(names[i]);
}

TCodeMatches CodeMatchesOf(const TTextPattern& pattern, TQueryColumn column, const TCodeNames& names) {
    TCodeMatches codes;
    if (column == TQueryColumn::Any || column == TQueryColumn::Source)
        MatchNames(pattern, names.Sources, codes.Sources);
    if (column == TQueryColumn::Any || column == TQueryColumn::Media)
        MatchNames(pattern, names.Media, codes.Media);
    return codes;
}

// A column that holds every match of `narrow` is `wide` itself or Any.
bool Within(TQueryColumn narrow, TQueryColumn wide) {
    return wide == TQueryColumn::Any || wide == narrow;
}

} // namespace

TCodeNames ShownCodeNames(const TStrings2& names) {
    TCodeNames shown;
    for (int32_t code = 0; code < kSourceCount; ++code)
        shown.Sources[static_cast<size_t>(code)] = CodeName(names, TCodeKind::Source, code);
    for (int32_t code = 0; code < kMediaCount; ++code)
        shown.Media[static_cast<size_t>(code)] = CodeName(names, TCodeKind::Media, code);
    return shown;
}

TCodeNames DefaultCodeNames() {
    TCodeNames names;
    for (int32_t code = 0; code < kSourceCount; ++code)
        names.Sources[static_cast<size_t>(code)] = DefaultCodeName(TCodeKind::Source, code);
    for (int32_t code = 0; code < kMediaCount; ++code)
        names.Media[static_cast<size_t>(code)] = DefaultCodeName(TCodeKind::Media, code);
    return names;
}

void TQuickFilter::SetText(const std::string& text, const TCodeNames& names) {
    if (text == m_text && names == m_names)
        return;
    if (text != m_text)
        m_index.ForgetKept();
    if (!(names == m_names))
        m_matchedValid = false;
    m_text = text;
    m_names = names;
    m_terms.clear();
    for (TQueryTerm& term : ParseFilterQuery(text)) {
        TTerm& added = m_terms.emplace_back();
        added.Search.Pattern = TTextPattern(term.Text);
        added.Search.Column = term.Column;
        added.Search.Codes = CodeMatchesOf(added.Search.Pattern, term.Column, m_names);
        added.Exclude = term.Exclude;
    }
    // Long words first: they are found fastest and leave the fewest records.
    std::stable_sort(m_terms.begin(), m_terms.end(), [](const TTerm& a, const TTerm& b) {
        if (a.Exclude != b.Exclude)
            return !a.Exclude;
        return a.Search.Pattern.Folded(TTextKind::Utf8).size() > b.Search.Pattern.Folded(TTextKind::Utf8).size();
    });
}

bool TQuickFilter::Covers(const std::vector<TTerm>& before) const {
    // Each word of before is asked again, as strictly or more so.
    return std::all_of(before.begin(), before.end(), [&](const TTerm& old) {
        return std::any_of(m_terms.begin(), m_terms.end(), [&](const TTerm& now) {
            if (now.Exclude != old.Exclude)
                return false;
            if (!now.Exclude)
                return Within(now.Search.Column, old.Search.Column) && now.Search.Pattern.Implies(old.Search.Pattern);
            return Within(old.Search.Column, now.Search.Column) && old.Search.Pattern.Implies(now.Search.Pattern);
        });
    });
}

void TQuickFilter::Evaluate() {
    if (m_matchedValid && m_matchedText == m_text)
        return; // nothing changed since
    m_narrowed = m_matchedValid && Covers(m_matchedTerms);
    // The records still in the running are m_matched, or every one at first.
    bool all = !m_narrowed;
    for (const TTerm& term : m_terms) {
        m_index.Find(all ? nullptr : &m_matched, term.Search, m_found);
        if (term.Exclude) {
            m_rest.clear();
            if (all) {
                for (size_t i = 0, j = 0; i < m_index.Size(); ++i) {
                    if (j < m_found.size() && static_cast<size_t>(m_found[j]) == i)
                        ++j;
                    else
                        m_rest.push_back(static_cast<int32_t>(i));
                }
            } else {
                std::set_difference(m_matched.begin(), m_matched.end(), m_found.begin(), m_found.end(),
                                    std::back_inserter(m_rest));
            }
            m_found.swap(m_rest);
        }
        m_matched.swap(m_found);
        all = false;
    }
    m_matchedTerms = m_terms;
    m_matchedText = m_text;
    m_matchedValid = true;
}

const std::vector<int32_t>* TQuickFilter::Passing(const TArrayOfBootData& data, TRecordChanges& changes) {
    if (m_index.Follow(changes.Take()))
        m_matchedValid = false;
    if (!Active())
        return nullptr;
    if (m_index.Refresh(data))
        m_matchedValid = false;
    Evaluate();
    const std::vector<int32_t> kept = m_index.Kept();
    if (kept.empty())
        return &m_matched;
    m_passing.clear();
    std::set_union(m_matched.begin(), m_matched.end(), kept.begin(), kept.end(), std::back_inserter(m_passing));
    return &m_passing;
}

void TQuickFilter::Prepare(const TArrayOfBootData& data, TRecordChanges& changes) {
    if (m_index.Follow(changes.Take()))
        m_matchedValid = false;
    if (m_index.Refresh(data))
        m_matchedValid = false;
}

size_t TQuickFilter::IndexBytes() const {
    return m_index.Bytes() +
           (m_matched.capacity() + m_passing.capacity() + m_found.capacity() + m_rest.capacity()) * sizeof(int32_t);
}

void TQuickFilter::KeepShown(const std::vector<int32_t>& records) {
    for (int32_t record : records)
        m_index.Keep(record);
}
