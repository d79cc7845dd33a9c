#pragma once

#include "program/ExportText.h"

#include <string>
#include <string_view>

// The export in the format the choices name: text (ExportText.h), CSV
// (ExportCsv.h) or a web page (ExportHtml.h). `title` heads the web page.

bool WriteExport(const TExportInput& input, const TExportChoices& choices, std::string_view title, TByteSink& sink,
                 std::string& error);

// The export as a new content of the file `path`: written beside it and
// renamed over it, so that a failure leaves the old file as it was. False
// with the reason, worded as a sentence.
bool ExportListFile(const std::string& path, const TExportInput& input, const TExportChoices& choices,
                    std::string_view title, std::string& error);

struct TExportFormatInfo {
    TExportFormat Format;
    const char* Caption;   // "Text", as the window offers it
    const char* Name;      // "text", as the command line takes it
    const char* Extension; // "txt", without the dot
    const char* Filter;    // the save dialog's filter
};

// Every format, in the order the window offers them.
const TExportFormatInfo (&ExportFormats())[kExportFormatCount];
const TExportFormatInfo& ExportFormatInfo(TExportFormat format);
bool ExportFormatOfNumber(int32_t number, TExportFormat& format);
bool ExportFormatOfName(std::string_view name, TExportFormat& format);

// A remembered file name made fit for `format`: the extension of another
// format is replaced by this one's, so a switch to CSV does not offer to
// overwrite the text file; any other name is kept as it is.
std::string ExportFileNameFor(const std::string& path, TExportFormat format);
