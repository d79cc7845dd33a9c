#pragma once

#include "core/BootData.h"

#include <string>
#include <string_view>

// How the texts of a trader's list meet ours when the loose match is on:
// two texts are the same when they differ only in the case of their letters
// (core/TextMatch folds them), in spaces at either end and in how many
// spaces stand between two words. Two dates are the same when they name the
// same day however each is written (core/TradeDate); a date that names no
// day is compared as a text.

// `text` trimmed, each run of spaces made one space, folded.
std::string LooseText(std::string_view text);
// The dotted form of the day `text` names, or else LooseText.
std::string LooseDate(std::string_view text);

// Appends the key that band and date of `record` meet on: the two loose
// texts, the first preceded by its length, so that no two pairs give one key.
void AppendLooseKey(const TBootData& record, std::string& key);
