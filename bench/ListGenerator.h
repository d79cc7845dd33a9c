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
