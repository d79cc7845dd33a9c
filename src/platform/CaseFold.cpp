#include "platform/CaseFold.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

// Characters first .. first + (count - 1) * stride fold to themselves plus delta.
struct TFoldRun {
    char32_t First;
    uint16_t Count;
    uint8_t Stride;
    int32_t Delta;
};

constexpr TFoldRun kFoldRuns[] = {
#include "platform/CaseFoldTable.inc"
};

// Most text is Latin: its folding is looked up directly.
constexpr char32_t kDirect = 0x250;

char32_t FoldByRuns(char32_t c) {
    const TFoldRun* run = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), c,
                                           [](char32_t code, const TFoldRun& r) { return code < r.First; });
    if (run == std::begin(kFoldRuns))
        return c;
    --run;
    const char32_t offset = c - run->First;
    if (offset % run->Stride != 0 || offset / run->Stride >= run->Count)
        return c;
    return static_cast<char32_t>(static_cast<int32_t>(c) + run->Delta);
}

const std::array<char16_t, kDirect>& DirectFolds() {
    static const std::array<char16_t, kDirect> folds = [] {
        std::array<char16_t, kDirect> table{};
        for (char32_t c = 0; c < kDirect; ++c)
            table[c] = static_cast<char16_t>(FoldByRuns(c));
        return table;
    }();
    return folds;
}

char32_t DecodeUtf8(std::string_view text, size_t pos, size_t length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    char32_t code = length == 2 ? byte(0) & 0x1F : (length == 3 ? byte(0) & 0x0F : byte(0) & 0x07);
    for (size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return code;
}

constexpr uint64_t kEvery = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// How many bytes from the start are ASCII, in whole words of eight.
size_t AsciiRun(std::string_view text) {
    size_t n = 0;
    for (uint64_t word; n + 8 <= text.size(); n += 8) {
        std::memcpy(&word, text.data() + n, 8);
        if ((word & kHighBits) != 0)
            break;
    }
    return n;
}

// ASCII bytes, eight at a time, with A..Z made a..z.
void AppendAsciiFolded(std::string_view ascii, std::string& out) {
    const size_t at = out.size();
    out.resize(at + ascii.size());
    for (size_t n = 0; n < ascii.size(); n += 8) {
        uint64_t word;
        std::memcpy(&word, ascii.data() + n, 8);
        // The high bit of each byte: at least 'A', and above 'Z'.
        const uint64_t fromA = word + (0x80 - 'A') * kEvery;
        const uint64_t pastZ = word + (0x7F - 'Z') * kEvery;
        word |= ((fromA ^ pastZ) & kHighBits) >> 2;
        std::memcpy(out.data() + at + n, &word, 8);
    }
}

} // namespace

char32_t FoldCase(char32_t c) {
    if (c < kDirect)
        return DirectFolds()[c];
    return FoldByRuns(c);
}

bool AppendFoldedUtf8(std::string_view text, std::string& out) {
    const size_t start = out.size();
    const std::array<char16_t, kDirect>& direct = DirectFolds();
    for (size_t pos = 0; pos < text.size();) {
        // Most text is ASCII: eight bytes at a time while it lasts.
        const size_t ascii = AsciiRun(text.substr(pos));
        if (ascii > 0) {
            AppendAsciiFolded(text.substr(pos, ascii), out);
            pos += ascii;
            continue;
        }
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            out += static_cast<char>(direct[b]);
            ++pos;
            continue;
        }
        const size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            out.resize(start);
            return false;
        }
        const char32_t code = DecodeUtf8(text, pos, length);
        const char32_t folded = FoldCase(code);
        if (folded == code)
            out.append(text.data() + pos, length);
        else
            out += EncodeUtf8(folded);
        pos += length;
    }
    return true;
}
