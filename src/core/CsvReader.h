#pragma once

#include "core/TradeTable.h"

#include <string_view>

// Comma-separated values as spreadsheets and traders write them, read the
// way RFC 4180 writes them and forgiving where hand-made files stray: a
// field that starts with a quote runs to the quote that closes it (doubled
// quotes inside stand for one, line breaks inside belong to the field, and
// what follows the closing quote up to the delimiter is kept as it is); a
// quote inside an unquoted field is an ordinary byte; a quote never closed
// takes the rest of the file. Records end at CR LF, LF or a lone CR; lines
// with nothing on them are skipped, and a UTF-8 byte-order mark before the
// first record is dropped. Bytes are kept as read: nothing is converted or
// trimmed. Rows keep the number of fields each has (ragged rows stay so).

// The delimiter of the first records of `bytes` among comma, semicolon, tab
// and bar: the one that splits the most records into the same number (two
// or more) of fields; a comma when none does.
char GuessCsvDelimiter(std::string_view bytes);

TTradeRows ReadCsvRecords(std::string_view bytes, char delimiter);
