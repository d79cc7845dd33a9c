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
// bytes; texts go out byte for byte as stored.

// The names of the codes at the items where the main window's store holds
// them, for callers without that store (the command-line tool).
TStrings2 CodeNameStore();

struct TExportOptions {
    bool DivideByTours = true;
    bool BandNameBeforeTour = true;
};

struct TExportChoices {
    TExportOrder Order = DefaultExportOrder();
    TExportOptions Options;
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

// Writes the whole export to `sink`; false with the sink's reason when a write failed.
bool WriteExportText(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error);

// The export as a new content of the file `path`: written beside it and
// renamed over it, so that a failure leaves the old file as it was. False
// with the reason, worded as a sentence.
bool ExportTextFile(const std::string& path, const TExportInput& input, const TExportChoices& choices,
                    std::string& error);
