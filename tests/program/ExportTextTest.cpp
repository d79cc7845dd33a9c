#include "program/ExportText.h"

#include "program/ExportFile.h"

#include "core/Codes.h"
#include "platform/ByteStream.h"
#include "platform/Utf8.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>

namespace {

// A list with its view and concert lists, exported into a string.
struct TExportCase {
    TArrayOfBootData Data;
    std::vector<int32_t> View;
    std::vector<TBand> Bands;
    TStrings2 Names = CodeNameStore();
    TExportChoices Choices;

    TBootData& Add(std::string band, std::string date) {
        TBootData& record = Data.emplace_back();
        record.Band = std::move(band);
        record.Date = std::move(date);
        View.push_back(static_cast<int32_t>(Data.size() - 1));
        return record;
    }
    TExportInput Input() const { return {Data, View, Bands, Names}; }
    std::string Export() const {
        TStringSink sink;
        std::string error;
        EXPECT_TRUE(WriteExportText(Input(), Choices, sink, error)) << error;
        return sink.Bytes;
    }
    // Exports only the given lines, in that order.
    void Columns(std::vector<int32_t> lines) {
        std::vector<int32_t> rest;
        for (int32_t line = 0; line < kExportLineCount; ++line)
            if (std::find(lines.begin(), lines.end(), line) == lines.end() && line != kExportSeparatorLine)
                rest.push_back(line);
        lines.push_back(kExportSeparatorLine);
        lines.insert(lines.end(), rest.begin(), rest.end());
        std::copy(lines.begin(), lines.end(), Choices.Order.begin());
    }
};

TTour Tour(std::string name, std::string first, std::string last) {
    TTour tour;
    tour.Name = std::move(name);
    tour.FirstDate = std::move(first);
    tour.LastDate = std::move(last);
    return tour;
}

// The layout rule transcribed step by step, with nested scans and no shortcuts.
std::string ReferenceText(const TBootData& r, int32_t line, const TStrings2& names) {
    auto item = [&](int64_t number) {
        return number >= 1 && number <= names.Count() ? names.Item(static_cast<int32_t>(number)) : std::string();
    };
    switch (line) {
    // clang-format off
    case 0: return r.Band;     case 1: return r.Date;    case 2: return r.City;
    case 3: return r.Country;  case 4: return r.Venue;   case 5: return r.Name;
    // A code names nothing outside its own range, so a media code never reaches a source name.
    case 6: return r.Source >= 0 && r.Source < 6 ? item(50 + static_cast<int64_t>(r.Source)) : std::string();
    case 7: return r.Media >= 0 && r.Media < 17 ? item(30 + static_cast<int64_t>(r.Media)) : std::string();
    case 8: return r.Quality;  case 9: return r.Num;
    case 10: return !r.Covers[0].empty() || !r.Covers[1].empty() ? " C " : "   ";
    case 11: return "";        case 12: return r.Comment;
    // clang-format on
    default:
        ADD_FAILURE() << "line " << line;
        return "";
    }
}

// Characters of valid UTF-8, bytes of anything else.
size_t ReferenceWidth(const std::string& text) {
    if (!IsValidUtf8(text))
        return text.size();
    size_t characters = 0;
    for (unsigned char byte : text)
        if (byte < 0x80 || byte >= 0xC0)
            ++characters;
    return characters;
}

std::string ReferenceExport(const TExportCase& c) {
    const TExportOrder& order = c.Choices.Order;
    std::vector<size_t> w;
    for (int k = 0; k < kExportLineCount && order[k] != kExportSeparatorLine; ++k) {
        size_t widest = 0;
        for (int32_t v : c.View)
            widest = std::max(widest, ReferenceWidth(ReferenceText(c.Data[v], order[k], c.Names)));
        w.push_back(widest);
    }
    // A band without a tour file is a group of its own name: band -2, tour -2.
    std::vector<std::pair<int, int>> groups(c.View.size(), {-1, -1});
    std::vector<std::string> looseNames(c.View.size());
    if (c.Choices.Options.DivideByTours)
        for (size_t v = 0; v < c.View.size(); ++v) {
            const TBootData& r = c.Data[c.View[v]];
            if (!c.Bands.empty())
                groups[v] = {-2, -2};
            looseNames[v] = r.Band;
            for (size_t b = 0; b < c.Bands.size(); ++b)
                if (c.Bands[b].Name == r.Band) {
                    groups[v] = {static_cast<int>(b), -1};
                    for (size_t t = 0; t < c.Bands[b].Tours.size(); ++t) {
                        const TTour& tour = c.Bands[b].Tours[t];
                        if (tour.FirstDate <= r.Date && r.Date <= tour.LastDate) {
                            groups[v].second = static_cast<int>(t);
                            break;
                        }
                    }
                }
        }
    std::string out;
    std::pair<int, int> prev{-1, -1};
    std::string prevLoose;
    for (size_t v = 0; v < c.View.size(); ++v) {
        const std::pair<int, int>& g = groups[v];
        if (g.first == -2) {
            if (prev.first != -2 || prevLoose != looseNames[v])
                out += "\r\n\r\n" + looseNames[v] + "\r\n\r\n";
            prev = g;
            prevLoose = looseNames[v];
        } else if (g != prev && g.first != -1) {
            out += "\r\n\r\n";
            if (c.Choices.Options.BandNameBeforeTour)
                out += c.Bands[g.first].Name;
            if (g.second != -1) {
                if (c.Choices.Options.BandNameBeforeTour)
                    out += " - ";
                out += c.Bands[g.first].Tours[g.second].Name;
            }
            out += "\r\n\r\n";
            prev = g;
        }
        for (size_t k = 0; k < w.size(); ++k) {
            std::string t = ReferenceText(c.Data[c.View[v]], order[k], c.Names);
            out += t + std::string(w[k] - ReferenceWidth(t) + 2, ' ');
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

TEST(ExportText, DefaultOrderWritesAllThirteenPropertiesPaddedToTheWidestPlusTwo) {
    TExportCase c;
    c.Choices.Options.DivideByTours = false;
    TBootData& full = c.Add("Yes", "1972.08.01");
    full.City = "Rome";
    full.Country = "Italy";
    full.Venue = "Palasport";
    full.Name = "Close";
    full.Source = 1;
    full.Media = 16;
    full.Quality = "A";
    full.Num = "1";
    full.Covers[0] = "front.jpg";
    full.Info = "tracks";
    full.Comment = "c";
    c.Add("U2", "");
    EXPECT_EQ(c.Export(), "Yes  1972.08.01  Rome  Italy  Palasport  Close  Soundboard  CD Audio*  A  1   C     c  \r\n"
                          "U2" +
                              std::string(85, ' ') + "\r\n");
}

TEST(ExportText, MatchesTheRuleOnRandomLists) {
    TRandomRecords random(2207);
    const std::string bandNames[] = {"a", "b", "ab", "B", ""};
    for (int round = 0; round < 300; ++round) {
        TExportCase c;
        for (const std::string& name : bandNames)
            if (random.Int(0, 2) > 0) {
                TBand& band = c.Bands.emplace_back();
                band.Name = name;
                for (int t = random.Int(0, 3); t > 0; --t)
                    band.Tours.push_back(Tour(random.Text(4), random.Text(3), random.Text(3)));
            }
        for (int n = random.Int(0, round % 50 == 0 ? 2000 : 30); n > 0; --n) {
            TBootData record = random.Record();
            if (random.Int(0, 3) > 0)
                record.Band = bandNames[random.Int(0, 4)];
            record.Source = random.Int(-3, 60);
            record.Media = random.Int(0, 9) == 0 ? INT32_MAX - random.Int(0, 40) : random.Int(-40, 40);
            if (random.Int(0, 2) == 0)
                record.Covers = {};
            if (random.Int(0, 3) == 0)
                record.City = random.Int(0, 1) ? "\xC5\x81\xC3\xB3\x64\xC5\xBA" : "J\xC3\xA4\xC3\xA4halli";
            c.Data.push_back(record);
            if (random.Int(0, 4) > 0)
                c.View.insert(c.View.begin() + random.Int(0, static_cast<int32_t>(c.View.size())),
                              static_cast<int32_t>(c.Data.size() - 1));
        }
        for (int k = kExportLineCount - 1; k > 0; --k)
            std::swap(c.Choices.Order[k], c.Choices.Order[random.Int(0, k)]);
        c.Choices.Options = {random.Int(0, 1) == 1, random.Int(0, 1) == 1};
        ASSERT_EQ(c.Export(), ReferenceExport(c)) << "round " << round;
    }
}

TEST(ExportText, TheFileHoldsTheWholeTextOrIsNotWritten) {
    TTempDir dir;
    const std::string path = dir.File("trade.txt");
    TExportCase c;
    c.Columns({0});
    for (int i = 0; i < 20000; ++i) // more than one piece reaches the sink
        c.Add("band " + std::to_string(i), "");
    std::string error;
    ASSERT_TRUE(ExportListFile(path, c.Input(), c.Choices, "", error)) << error;
    EXPECT_EQ(ReadBytes(path), c.Export());

    error.clear();
    EXPECT_FALSE(ExportListFile(dir.File("missing/trade.txt"), c.Input(), c.Choices, "", error));
    EXPECT_FALSE(error.empty());
}

TEST(ExportText, TheBuiltInNamesAreThoseOfTheCodes) {
    const TStrings2 names = CodeNameStore();
    for (TCodeKind kind : {TCodeKind::Source, TCodeKind::Media})
        for (int32_t code : {INT32_MIN, -1, 0, 1, CodeCount(kind) - 1, CodeCount(kind), 21, INT32_MAX})
            EXPECT_EQ(CodeName(names, kind, code), DefaultCodeName(kind, code)) << code;
}
