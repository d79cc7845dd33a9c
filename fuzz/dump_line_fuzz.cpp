// Feeds arbitrary lines to korvalen-cli's dump line reader: what it reads
// must come back unchanged through a written line.

#include "cli/DumpFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool SameRecord(const TBootData& a, const TBootData& b) {
    return a.Band == b.Band && a.Date == b.Date && a.City == b.City && a.Country == b.Country && a.Venue == b.Venue &&
           a.Name == b.Name && a.Source == b.Source && a.Media == b.Media && a.Quality == b.Quality && a.Num == b.Num &&
           a.Covers == b.Covers && a.Info == b.Info && a.Comment == b.Comment;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    TBootData record;
    std::string error;
    if (ParseDumpLine(line, record, error)) {
        const std::string written = FormatDumpLine(record);
        TBootData again;
        if (!ParseDumpLine(written, again, error) || !SameRecord(record, again))
            __builtin_trap();
    } else if (error.empty() || error.size() > 200) {
        __builtin_trap(); // a refusal says why, briefly
    }

    // A field without raw TAB, CR or LF is written back as it was read.
    std::string text;
    if (line.find_first_of("\t\r\n") == std::string::npos && UnescapeDumpField(line, text) &&
        EscapeDumpField(text) != line)
        __builtin_trap();
    return 0;
}
