#include "program/ExportFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "program/ExportCsv.h"
#include "program/ExportHtml.h"

namespace {

// clang-format off
const TExportFormatInfo kFormats[kExportFormatCount] = {
    {TExportFormat::Text, "Text",     "text", "txt",  "Text file (*.txt)|*.txt"},
    {TExportFormat::Csv,  "CSV",      "csv",  "csv",  "CSV file (*.csv)|*.csv"},
    {TExportFormat::Html, "Web page", "html", "html", "Web page (*.html)|*.html"},
};
// clang-format on

} // namespace

bool WriteExport(const TExportInput& input, const TExportChoices& choices, std::string_view title, TByteSink& sink,
                 std::string& error) {
    switch (choices.Format) {
    case TExportFormat::Csv:
        return WriteExportCsv(input, choices, sink, error);
    case TExportFormat::Html:
        return WriteExportHtml(input, choices, title, sink, error);
    case TExportFormat::Text:
        break;
    }
    return WriteExportText(input, choices, sink, error);
}

bool ExportListFile(const std::string& path, const TExportInput& input, const TExportChoices& choices,
                    std::string_view title, std::string& error) {
    TAtomicFile file(path);
    if (!file.Open() || !WriteExport(input, choices, title, file, error) || !file.Commit()) {
        error = AsSentence(file.Error().empty() ? error : file.Error());
        return false;
    }
    return true;
}

const TExportFormatInfo (&ExportFormats())[kExportFormatCount] {
    return kFormats;
}

const TExportFormatInfo& ExportFormatInfo(TExportFormat format) {
    for (const TExportFormatInfo& info : kFormats)
        if (info.Format == format)
            return info;
    return kFormats[0];
}

bool ExportFormatOfNumber(int32_t number, TExportFormat& format) {
    if (number < 0 || number >= kExportFormatCount)
        return false;
    format = static_cast<TExportFormat>(number);
    return true;
}

bool ExportFormatOfName(std::string_view name, TExportFormat& format) {
    for (const TExportFormatInfo& info : kFormats)
        if (name == info.Name) {
            format = info.Format;
            return true;
        }
    return false;
}

std::string ExportFileNameFor(const std::string& path, TExportFormat format) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path;
    const std::string extension = path.substr(dot + 1);
    for (const TExportFormatInfo& info : kFormats)
        if (extension == info.Extension)
            return path.substr(0, dot + 1) + ExportFormatInfo(format).Extension;
    return path;
}
