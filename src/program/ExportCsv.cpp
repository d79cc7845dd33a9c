#include "program/ExportCsv.h"

#include "platform/CodePage.h"
#include "program/CsvField.h"
#include "program/ExportGroups.h"
#include "program/ExportPieces.h"

namespace {

// One field of shown text; `scratch` keeps its memory from field to field.
void AddField(std::string& out, std::string& scratch, std::string_view bytes, bool first) {
    if (!first)
        out += ',';
    scratch.clear();
    AppendShownUtf8(scratch, bytes);
    AppendCsvField(out, scratch);
}

} // namespace

bool WriteExportCsv(const TExportInput& input, const TExportChoices& choices, TByteSink& sink, std::string& error) {
    const std::vector<int32_t> lines = ExportedLines(choices.Order);
    const TExportOptions& options = choices.Options;
    const bool bandColumn = options.DivideByTours && options.BandNameBeforeTour;
    const TExportGroupFinder finder(input.Bands, options.DivideByTours);
    TExportPieces out(sink);
    std::string scratch;

    bool first = true;
    auto field = [&](std::string_view text) {
        AddField(out.Buffer(), scratch, text, first);
        first = false;
    };
    if (bandColumn)
        field("Band");
    if (options.DivideByTours)
        field("Tour");
    for (int32_t line : lines)
        field(ExportLineCaption(line));
    out.Add(kCsvRecordEnd);

    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        first = true;
        if (options.DivideByTours) {
            const TExportGroup group = finder.Find(record);
            if (bandColumn)
                field(finder.BandName(group));
            field(finder.TourName(group));
        }
        for (int32_t line : lines)
            field(ExportCellText(record, line, input.Names));
        out.Add(kCsvRecordEnd);
        if (!out.EndRecord(error))
            return false;
    }
    return out.Flush(error);
}
