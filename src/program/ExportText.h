#pragma once

#include "core/BootData.h"
#include "core/Strings2.h"
#include "program/ExportOrder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TByteSink;

// The trade list as text: one line per bootleg in space-padded columns, CR LF
// line ends, optionally divided into sections by tour. The layout is exact,
// so every caller given the same records, view and choices writes the same
// bytes; texts go out byte for byte as stored. A column is as wide as its
// widest text in characters where the text is valid UTF-8, so "Łódź" takes
// four places as it does on the screen; legacy 8-bit text counts bytes.
// The choices and the input serve the other formats too (ExportFile.h).

// The names of the codes at the items where the main window's store holds
// them, for callers without that store (the command-line tool).
TStrings2 CodeNameStore();

struct TExportOptions {
    bool DivideByTours = true;
    bool BandNameBeforeTour = true;
};

// The value of each is what the settings store.
enum class TExportFormat : int32_t { Text = 0, Csv = 1, Html = 2 };
constexpr int32_t kExportFormatCount = 3;

struct TExportChoices {
    TExportOrder Order = DefaultExportOrder();
    TExportOptions Options;
    TExportFormat Format = TExportFormat::Text;
};

// What is exported: the records of `View` (indices into `Data`, in display
// order), the bands whose tours divide them, and the store of the source and
// media names.
struct TExportInput {
    const TArrayOfBootData& Data;
    const std::vector<int32_t>& View;
    const std::vector<TBand>& Bands;
    const TStrings2& Names;
};

// The text of property line `line` (0 Band .. 12 Comment) of a record.
std::string_view ExportPropertyText(const TBootData& record, int32_t line, const TStrings2& names);

// The same for a table cell of the other formats, where the cover mark
// needs no padding: "C" or nothing.
std::string_view ExportCellText(const TBootData& record, int32_t line, const TStrings2& names);

// Writes the whole export as text to `sink` (the format of `choices` is not
// looked at); false with the sink's reason when a write failed.
bool WriteExportText(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error);
