#include "program/TradeFields.h"

#include "core/TextMatch.h"
#include "core/TradeDate.h"

#include <algorithm>
#include <array>

namespace {

using F = TTradeField;

// Rows enough to tell a column by its content.
constexpr size_t kSampleRows = 500;
// The share of a column's texts that must be dates (or codes) to say so.
constexpr double kContentShare = 0.6;

struct THeaderName {
    const char* Name; // folded, letters and digits only
    TTradeField Field;
    bool Weak = false;
};

// clang-format off
const THeaderName kHeaderNames[] = {
    {"band", F::Band}, {"artist", F::Band}, {"artists", F::Band}, {"artiste", F::Band},
    {"k\xC3\xBCnstler", F::Band}, {"kuenstler", F::Band}, {"interpret", F::Band}, {"gruppe", F::Band},
    {"groupe", F::Band}, {"group", F::Band}, {"banda", F::Band}, {"artista", F::Band}, {"grupo", F::Band},
    {"gruppo", F::Band}, {"performer", F::Band}, {"bandname", F::Band}, {"artistband", F::Band},
    {"bandartist", F::Band}, {"zesp\xC3\xB3\xC5\x82", F::Band}, {"wykonawca", F::Band},
    {"date", F::Date}, {"datum", F::Date}, {"fecha", F::Date}, {"data", F::Date}, {"concertdate", F::Date},
    {"showdate", F::Date},
    {"city", F::City}, {"stadt", F::City}, {"ort", F::City}, {"ville", F::City}, {"ciudad", F::City},
    {"citt\xC3\xA0", F::City}, {"citta", F::City}, {"cidade", F::City}, {"town", F::City}, {"stad", F::City},
    {"miasto", F::City},
    {"country", F::Country}, {"land", F::Country}, {"pays", F::Country}, {"pa\xC3\xADs", F::Country},
    {"pais", F::Country}, {"paese", F::Country}, {"nation", F::Country}, {"kraj", F::Country},
    {"venue", F::Venue}, {"location", F::Venue}, {"lieu", F::Venue}, {"salle", F::Venue}, {"halle", F::Venue},
    {"local", F::Venue}, {"luogo", F::Venue}, {"place", F::Venue}, {"spielort", F::Venue},
    {"veranstaltungsort", F::Venue}, {"sala", F::Venue}, {"locatie", F::Venue}, {"miejsce", F::Venue},
    {"name", F::Name}, {"title", F::Name}, {"titel", F::Name}, {"titre", F::Name}, {"t\xC3\xADtulo", F::Name},
    {"titulo", F::Name}, {"titolo", F::Name}, {"bootleg", F::Name}, {"bootlegname", F::Name},
    {"boootlegname", F::Name}, {"release", F::Name}, {"album", F::Name}, {"nazwa", F::Name},
    {"tytu\xC5\x82", F::Name},
    {"source", F::Source}, {"src", F::Source}, {"quelle", F::Source}, {"fuente", F::Source}, {"fonte", F::Source},
    {"bron", F::Source}, {"\xC5\xBAr\xC3\xB3" "d\xC5\x82o", F::Source}, {"recording", F::Source},
    {"media", F::Media}, {"medium", F::Media}, {"format", F::Media}, {"formato", F::Media}, {"medien", F::Media},
    {"support", F::Media}, {"tr\xC3\xA4ger", F::Media}, {"no\xC5\x9Bnik", F::Media},
    {"quality", F::Quality}, {"qualit\xC3\xA4t", F::Quality}, {"qualitaet", F::Quality},
    {"qualit\xC3\xA9", F::Quality}, {"qualite", F::Quality}, {"calidad", F::Quality},
    {"qualit\xC3\xA0", F::Quality}, {"qualita", F::Quality}, {"qualidade", F::Quality}, {"kwaliteit", F::Quality},
    {"jako\xC5\x9B\xC4\x87", F::Quality}, {"grade", F::Quality}, {"rating", F::Quality}, {"sound", F::Quality},
    {"soundquality", F::Quality},
    {"num", F::Num}, {"no", F::Num}, {"nr", F::Num}, {"#", F::Num}, {"number", F::Num}, {"nummer", F::Num},
    {"num\xC3\xA9ro", F::Num}, {"n\xC3\xBAmero", F::Num}, {"numero", F::Num}, {"numer", F::Num},
    {"discs", F::Num}, {"disc", F::Num}, {"cds", F::Num}, {"id", F::Num},
    {"comment", F::Comment}, {"comments", F::Comment}, {"notes", F::Comment}, {"note", F::Comment},
    {"remarks", F::Comment}, {"remark", F::Comment}, {"kommentar", F::Comment}, {"bemerkung", F::Comment},
    {"bemerkungen", F::Comment}, {"anmerkung", F::Comment}, {"notizen", F::Comment},
    {"commentaire", F::Comment}, {"comentario", F::Comment}, {"commento", F::Comment},
    {"opmerking", F::Comment}, {"remarques", F::Comment}, {"uwagi", F::Comment}, {"info", F::Comment}, {"details", F::Comment},
    {"cover", F::Ignore}, {"covers", F::Ignore}, {"infotxt", F::Ignore}, {"search", F::Ignore},
    {"tourband", F::Band, true}, {"tour", F::Ignore, true},
};

constexpr std::array<TTradeField, kTradeFieldCount - 1> kPropertyOrder = {
    F::Band, F::Date, F::City, F::Country, F::Venue, F::Name, F::Source, F::Media, F::Quality, F::Num, F::Comment};
// clang-format on

constexpr std::array<const char*, kTradeFieldCount> kFieldNames = {"Ignore",  "Band",    "Date",          "City",
                                                                   "Country", "Venue",   "Boootleg name", "Source",
                                                                   "Media",   "Quality", "Num",           "Comment"};

// Folded, with only letters, digits, '#' and the bytes of other characters.
std::string HeaderKey(std::string_view name) {
    std::string key;
    for (char c : FoldedText(name)) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '#' || u >= 0x80)
            key += c;
    }
    return key;
}

const THeaderName* FindHeader(std::string_view name) {
    const std::string key = HeaderKey(name);
    for (const THeaderName& known : kHeaderNames)
        if (key == known.Name)
            return &known;
    return nullptr;
}

size_t OrderOf(TTradeField field) {
    return static_cast<size_t>(std::find(kPropertyOrder.begin(), kPropertyOrder.end(), field) - kPropertyOrder.begin());
}

// The export's mark of a bootleg with a cover, padded or not.
bool IsCoverMark(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos && text[first] == 'C' &&
           text.find_first_not_of(' ', first + 1) == std::string_view::npos;
}

// What a column's texts say it holds: Band for "nothing to tell", Ignore
// for a column with nothing in it (or only cover marks).
TTradeField FieldOfContent(const TTradeTable& table, size_t column, const TTradeCodeReader& codes) {
    size_t filled = 0, dates = 0, sources = 0, media = 0, coded = 0, marks = 0;
    const size_t rows = std::min(table.Rows.size(), kSampleRows);
    for (size_t r = 0; r < rows; ++r) {
        const TTradeRow& row = table.Rows[r];
        if (column >= row.size() || row[column].find_first_not_of(' ') == std::string::npos)
            continue;
        const std::string& text = row[column];
        ++filled;
        marks += IsCoverMark(text);
        if (!DottedDate(text).empty()) {
            ++dates;
            continue;
        }
        const TTradeCodes asSource = codes.Read(text, TCodeKind::Source);
        const TTradeCodes asMedia = codes.Read(text, TCodeKind::Media);
        const bool source = asSource.Rest.empty() && asSource.Source != 0;
        const bool medium = asMedia.Rest.empty() && asMedia.Media != 0;
        sources += source;
        media += medium;
        coded += source || medium;
    }
    if (filled == marks)
        return F::Ignore;
    const double share = kContentShare * static_cast<double>(filled);
    if (static_cast<double>(dates) >= share)
        return F::Date;
    if (static_cast<double>(coded) >= share)
        return sources >= media ? F::Source : F::Media;
    return F::Band;
}

class TFieldGuess {
public:
    explicit TFieldGuess(size_t columns) : Fields(columns, F::Ignore), m_known(columns, false) {}

    bool Known(size_t column) const { return m_known[column]; }
    bool Taken(TTradeField field) const { return m_taken[static_cast<size_t>(field)]; }

    void Set(size_t column, TTradeField field) {
        m_known[column] = true;
        if (field == F::Ignore || Taken(field))
            return;
        Fields[column] = field;
        m_taken[static_cast<size_t>(field)] = true;
    }

    // The first free field in property order after those known to the left
    // and before those known to the right.
    TTradeField Between(size_t column) const {
        size_t lower = 0, upper = kPropertyOrder.size();
        for (size_t k = 0; k < Fields.size(); ++k) {
            if (Fields[k] == F::Ignore)
                continue;
            if (k < column)
                lower = std::max(lower, OrderOf(Fields[k]) + 1);
            else if (k > column && m_known[k])
                upper = std::min(upper, OrderOf(Fields[k]));
        }
        for (size_t i = lower; i < upper; ++i)
            if (!Taken(kPropertyOrder[i]))
                return kPropertyOrder[i];
        return F::Ignore;
    }

    std::vector<TTradeField> Fields;

private:
    std::vector<bool> m_known;
    std::array<bool, kTradeFieldCount> m_taken{};
};

} // namespace

const char* TradeFieldName(TTradeField field) {
    return kFieldNames[static_cast<size_t>(field)];
}

bool LooksLikeHeaderRow(const TTradeRow& row) {
    bool named = false;
    for (const std::string& cell : row) {
        if (!DottedDate(cell).empty())
            return false;
        named = named || FindHeader(cell) != nullptr;
    }
    return named;
}

void TakeHeaderRow(TTradeTable& table) {
    if (table.Rows.empty() || !LooksLikeHeaderRow(table.Rows.front()))
        return;
    TTradeRow& first = table.Rows.front();
    if (table.Header.size() < first.size())
        table.Header.resize(first.size());
    for (size_t k = 0; k < first.size(); ++k)
        if (table.Header[k].empty())
            table.Header[k] = std::move(first[k]);
    table.Rows.erase(table.Rows.begin());
}

std::vector<TTradeField> GuessTradeFields(const TTradeTable& table, const TTradeCodeReader& codes) {
    const size_t columns = table.Columns();
    TFieldGuess guess(columns);
    std::vector<const THeaderName*> names(columns, nullptr);
    for (size_t k = 0; k < columns && k < table.Header.size(); ++k) {
        names[k] = FindHeader(table.Header[k]);
        if (names[k] && !names[k]->Weak)
            guess.Set(k, names[k]->Field);
    }
    for (size_t k = 0; k < columns; ++k) {
        if (guess.Known(k))
            continue;
        const TTradeField field = FieldOfContent(table, k, codes);
        if (field == F::Ignore || (field != F::Band && !guess.Taken(field)))
            guess.Set(k, field);
    }
    for (size_t k = 0; k < columns; ++k)
        if (!guess.Known(k) && !names[k])
            guess.Set(k, guess.Between(k));
    for (size_t k = 0; k < columns; ++k)
        if (!guess.Known(k))
            guess.Set(k, names[k]->Field);
    return std::move(guess.Fields);
}
