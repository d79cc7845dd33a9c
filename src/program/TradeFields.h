#pragma once

#include "core/TradeTable.h"
#include "program/TradeCodes.h"

#include <string_view>
#include <vector>

// What each column of a trader's table holds, guessed the way a collector
// would read it. A column's header name decides first (in English, German,
// French, Spanish, Italian, Portuguese, Dutch or Polish, any case); columns
// without a known name are told by their content (dates, source or media
// names); what is still open is filled in the order of a bootleg's
// properties between the columns already known, so a list laid out like
// our own export needs no header at all. No field goes to two columns: the
// first column that claims it keeps it. Names of Korvalen's tour headings
// ("Tour band", "Tour") give way to any column that holds the same.

enum class TTradeField { Ignore, Band, Date, City, Country, Venue, Name, Source, Media, Quality, Num, Comment };
constexpr int kTradeFieldCount = 12;

// "Ignore", "Band", ... "Comment": the texts the import window offers.
const char* TradeFieldName(TTradeField field);

// A first row of names and no dates is a header row.
bool LooksLikeHeaderRow(const TTradeRow& row);
// Moves such a first row into the header (where the header has no name).
void TakeHeaderRow(TTradeTable& table);

std::vector<TTradeField> GuessTradeFields(const TTradeTable& table, const TTradeCodeReader& codes);
