#pragma once

#include "core/BootData.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>

// Builds the uncompressed content of a list file by hand, little-endian.
class TContent {
public:
    TContent& Int(int32_t value) {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        for (int i = 0; i < 4; ++i)
            m_bytes += char(bits >> (8 * i) & 0xFF);
        return *this;
    }
    TContent& Ints(std::initializer_list<int32_t> values) {
        for (int32_t value : values)
            Int(value);
        return *this;
    }
    TContent& Str(const std::string& text) {
        Int(static_cast<int32_t>(text.size()));
        m_bytes += text;
        return *this;
    }
    TContent& Strs(std::initializer_list<std::string> texts) {
        for (const std::string& text : texts)
            Str(text);
        return *this;
    }
    TContent& Raw(const std::string& bytes) {
        m_bytes += bytes;
        return *this;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// A bootleg with every stored field set, each to a text of its own.
inline TBootData SampleRecord() {
    TBootData r;
    r.Band = "Band";
    r.Date = "1999.05.01";
    r.City = "Lisbon";
    r.Venue = "Pavilhao";
    r.Country = "Portugal";
    r.Name = "Night";
    r.Info = "info";
    r.Num = "007";
    r.Comment = "note";
    r.Source = 4;
    r.Media = 13;
    r.Quality = "EX";
    r.Covers = {"front.jpg", "back.jpg"};
    return r;
}

// A bootleg for the list functions: band, date and source decide whether it
// matches another (media is always 1); the comment tells matching ones apart.
inline TBootData MatchRecord(const std::string& band, const std::string& date, int32_t source = 1,
                             const std::string& comment = "") {
    TBootData r;
    r.Band = band;
    r.Date = date;
    r.Source = source;
    r.Media = 1;
    r.Comment = comment;
    return r;
}

inline bool SameStoredFields(const TBootData& a, const TBootData& b) {
    return a.Band == b.Band && a.Date == b.Date && a.City == b.City && a.Venue == b.Venue && a.Country == b.Country &&
           a.Name == b.Name && a.Info == b.Info && a.Num == b.Num && a.Comment == b.Comment && a.Source == b.Source &&
           a.Media == b.Media && a.Quality == b.Quality && a.Covers == b.Covers;
}

// Random texts over a small alphabet, so that equal keys and shared
// prefixes are common; bytes above 127 are among them.
class TRandomRecords {
public:
    explicit TRandomRecords(uint32_t seed) : m_rng(seed) {}

    std::string Text(size_t maxLength) {
        static const char kAlphabet[] = {'a', 'b', 'B', ' ', '1', '.', '\xE9', '\xFF', '\0'};
        size_t length = std::uniform_int_distribution<size_t>(0, maxLength)(m_rng);
        std::string text;
        for (size_t i = 0; i < length; ++i)
            text += kAlphabet[std::uniform_int_distribution<size_t>(0, sizeof kAlphabet - 1)(m_rng)];
        return text;
    }
    int32_t Int(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(m_rng); }

    TBootData Record() {
        TBootData r;
        for (std::string* field : {&r.Band, &r.Date, &r.City, &r.Venue, &r.Country, &r.Name, &r.Info, &r.Num,
                                   &r.Comment, &r.Quality, &r.Covers[0], &r.Covers[1], &r.SearchText})
            *field = Text(12);
        r.Source = Int(0, 5);
        r.Media = Int(0, 16);
        return r;
    }

private:
    std::mt19937 m_rng;
};
