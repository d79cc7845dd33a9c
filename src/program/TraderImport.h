#pragma once

#include "core/BootData.h"
#include "core/TradeDate.h"
#include "core/TradeTable.h"
#include "program/TradeCodes.h"
#include "program/TradeFields.h"

#include <string>
#include <string_view>
#include <vector>

// A trader's list file made into bootlegs: the file's format told from its
// name and bytes, its tables read, the columns' fields guessed, and each
// row made into a record. Texts keep their bytes; dates that can be read
// are written in the chosen form and the others kept as they were; source
// and media words that name no code go to the comment.

enum class TTradeFormat { Csv, Text, Html };
constexpr int kTradeFormatCount = 3;

// "csv", "text", "html".
const char* TradeFormatName(TTradeFormat format);
bool ReadTradeFormat(std::string_view name, TTradeFormat& format);

// A web page by its name or its tags; CSV by its name (.csv, .tsv) or by
// records that a delimiter splits evenly; padded text otherwise.
TTradeFormat GuessTradeFormat(std::string_view bytes, std::string_view fileName);

struct TTradeFile {
    TTradeFormat Format = TTradeFormat::Csv;
    char Delimiter = ','; // of CSV
    // One, but for web pages: their tables, then for each header that
    // several tables share (a page divided into sections) their rows joined.
    std::vector<TTradeTable> Tables;
    size_t Table = 0; // the one to import: the largest
};

// Reads `bytes` as `format`; a header row is taken where the rows start
// with one.
TTradeFile ReadTradeFile(std::string_view bytes, TTradeFormat format);

struct TTradeImport {
    std::vector<TTradeField> Fields; // per column
    TDateForm DateForm = TDateForm::Dotted;
};

// The rows as bootlegs; rows with nothing in a mapped column
// give none. Several columns of one field are joined with a space (the
// comment's with "; ").
TArrayOfBootData ImportTradeRows(TTradeRows rows, const TTradeImport& import, const TTradeCodeReader& codes);

// The whole import with the guessed mapping, as the command-line tool does
// it; the rows of the table imported are moved into the records.
struct TTradeResult {
    TTradeFile File;
    std::vector<TTradeField> Fields;
    TArrayOfBootData Records;
};
TTradeResult ImportTradeFile(std::string_view bytes, TTradeFormat format, TDateForm form, const TStrings2& names);

// The guessed mapping as the command-line tool prints it: the format, then
// one line per column: `  1 "Artist" -> Band`.
std::string TradeMappingText(const TTradeFile& file, const std::vector<TTradeField>& fields);
