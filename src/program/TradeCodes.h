#pragma once

#include "core/Codes.h"
#include "core/Strings2.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Source and media as traders write them, turned into the program's codes.
// A cell is first taken whole against the names the user gave the codes
// (in any ASCII case: "tv/radio"), then word by word against those names
// and the abbreviations of trading lists (SBD, AUD, FM, PRE-FM, PRO-SHOT,
// DVD, CDR, FLAC, ...), where a count in front ("2CDR", "3xCD") is passed
// over. Lossless files (FLAC, SHN, WAV, APE) are what CD audio is traded as,
// so they read as CD Audio. Words that name no code are kept for Comment.
// A name of both kinds ("Other") is taken as the kind the column holds.

struct TTradeCodes {
    int32_t Source = 0; // 0 when the cell names none
    int32_t Media = 0;
    std::string Rest; // the words that named nothing, in their order
};

class TTradeCodeReader {
public:
    // `names`: the store of the source and media names (CodeName).
    explicit TTradeCodeReader(const TStrings2& names);

    TTradeCodes Read(std::string_view cell, TCodeKind column) const;

private:
    struct TName {
        std::string Folded;
        int32_t Source;
        int32_t Media;
    };
    const TName* Find(std::string_view folded, TCodeKind column) const;

    std::vector<TName> m_names;
};
