#pragma once

#include "core/BootData.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

// A collection as collectors keep it: a few dozen bands, dates in one form,
// covers for about half of the bootlegs, information texts (track lists)
// for a third of them and a comment for a fifth.
inline TArrayOfBootData GenerateCollection(size_t count, uint32_t seed = 42) {
    static const char* const kBands[] = {"Pink Floyd",
                                         "Led Zeppelin",
                                         "The Rolling Stones",
                                         "Genesis",
                                         "Yes",
                                         "King Crimson",
                                         "Deep Purple",
                                         "Black Sabbath",
                                         "Jethro Tull",
                                         "Rush",
                                         "Marillion",
                                         "Queen",
                                         "Dream Theater",
                                         "Porcupine Tree",
                                         "Camel",
                                         "Van der Graaf Generator",
                                         "Pearl Jam",
                                         "Bruce Springsteen & The E Street Band",
                                         "U2",
                                         "R.E.M.",
                                         "Radiohead",
                                         "Metallica"};
    static const char* const kCities[] = {"London",  "Paris",   "New York", "Tokyo",  "Berlin",    "Amsterdam",
                                          "Chicago", "Toronto", "Milano",   "Lisbon", "Stockholm", "Los Angeles"};
    static const char* const kCountries[] = {"England", "France", "USA",   "Japan",    "Germany",
                                             "Holland", "Canada", "Italy", "Portugal", "Sweden"};
    static const char* const kVenues[] = {"Wembley Stadium", "Madison Square Garden", "Budokan", "Olympia",
                                          "Paradiso",        "Royal Albert Hall",     "Forum",   "Palasport"};
    static const char* const kQualities[] = {"A", "A-", "B+", "EX", "VG", "G"};
    static const char* const kSongs[] = {"Intro",  "Shine On",         "Time",
                                         "Money",  "Us And Them",      "Dogs",
                                         "Echoes", "Comfortably Numb", "Encore: Run Like Hell"};
    std::mt19937 rng(seed);
    auto pick = [&](auto& table) {
        return std::string(table[std::uniform_int_distribution<size_t>(0, std::size(table) - 1)(rng)]);
    };
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };

    TArrayOfBootData data(count);
    char buffer[64];
    for (size_t i = 0; i < count; ++i) {
        TBootData& r = data[i];
        r.Band = pick(kBands);
        std::snprintf(buffer, sizeof buffer, "%04d.%02d.%02d", number(1965, 2025), number(1, 12), number(1, 28));
        r.Date = buffer;
        r.City = pick(kCities);
        r.Country = pick(kCountries);
        r.Venue = pick(kVenues);
        r.Name = r.City + " " + r.Date.substr(0, 4) + (chance(30) ? " (remastered)" : "");
        r.Source = number(0, 5);
        r.Media = number(0, 16);
        r.Quality = pick(kQualities);
        std::snprintf(buffer, sizeof buffer, "%05zu", i + 1);
        r.Num = buffer;
        if (chance(50)) {
            r.Covers[0] = r.Band + "/" + r.Date + " front.jpg";
            r.Covers[1] = r.Band + "/" + r.Date + " back.jpg";
        }
        if (chance(33)) {
            int tracks = number(5, 20);
            for (int t = 1; t <= tracks; ++t) {
                std::snprintf(buffer, sizeof buffer, "%02d. ", t);
                r.Info += buffer + pick(kSongs) + "\r\n";
            }
        }
        if (chance(20))
            r.Comment = "traded " + std::to_string(number(1995, 2025)) + ", lineage unknown";
    }
    return data;
}

// The same collection with long texts, as some collectors keep them: the
// whole lineage in the comment, track lists with timings in the information,
// long titles; fields of a few hundred bytes.
inline TArrayOfBootData GenerateLongTextCollection(size_t count, uint32_t seed = 43) {
    static const char* const kLineage[] = {
        "master cassette", "DAT", "CD-R", "FLAC",    "EAC secure mode",     "Nakamichi Dragon",
        "SoundForge",      "TLH", "xACT", "torrent", "trade from a friend", "unknown generation"};
    TArrayOfBootData data = GenerateCollection(count, seed);
    std::mt19937 rng(seed);
    auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto lineage = [&](int steps) {
        std::string text;
        for (int s = 0; s < steps; ++s)
            text += std::string(s ? " > " : "") + kLineage[number(0, static_cast<int>(std::size(kLineage)) - 1)] +
                    " (" + std::to_string(number(1, 999)) + ")";
        return text;
    };
    char timing[16];
    for (TBootData& r : data) {
        r.Name += " - " + lineage(number(3, 8));
        r.Comment = lineage(number(10, 30));
        r.Venue += ", " + lineage(number(2, 6));
        r.Info.clear();
        for (int t = number(10, 25); t > 0; --t) {
            std::snprintf(timing, sizeof timing, "%d:%02d ", number(2, 25), number(0, 59));
            r.Info += timing + lineage(1) + "\r\n";
        }
    }
    return data;
}
