// Feeds arbitrary bytes to the CSV reader: the records it gives, written
// back as RFC 4180 fields, must read back the same.

#include "core/CsvReader.h"
#include "program/CsvField.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadCsvRecords(bytes, GuessCsvDelimiter(bytes));
    const TTradeRows rows = ReadCsvRecords(bytes, ',');
    if (!rows.empty() && rows[0][0].rfind("\xEF\xBB\xBF", 0) == 0)
        return 0; // a mark of its own at the start is dropped on the way back
    std::string written;
    for (const TTradeRow& row : rows) {
        for (size_t k = 0; k < row.size(); ++k) {
            if (k > 0)
                written += ',';
            AppendCsvField(written, row[k]);
        }
        written += kCsvRecordEnd;
    }
    if (ReadCsvRecords(written, ',') != rows)
        __builtin_trap();
    return 0;
}
