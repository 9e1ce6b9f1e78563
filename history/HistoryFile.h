// The history file durak-history.jsonl: every finished deal, one line of JSON each
// (DealRecord.h), oldest first, at most kHistoryMaxDeals lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "DealRecord.h"

namespace durak {

// The most deals the history keeps; beyond it the oldest lines are dropped.
constexpr size_t kHistoryMaxDeals = 2000;
// The most bytes of the file that are read; a larger file is left as it is.
constexpr size_t kHistoryMaxBytes = 64u << 20;

// Appends one line under the file's lock, on the lines as they are in the file at that
// moment (another copy of the game may have added its own), dropping the oldest lines
// beyond maxDeals, and writes the whole through a temporary file renamed over the old one.
// Lines of other versions or that cannot be read are kept as they are (they count towards
// the bound). False, with *error, when the line could not be added.
bool AppendToHistory(const std::string& path, const std::string& line,
                     size_t maxDeals = kHistoryMaxDeals, std::string* error = nullptr);

// Every line of the file that reads as a deal record, oldest first; damaged lines, lines of
// another version and a missing or unreadable file are passed over.
std::vector<TDealRecord> ReadHistory(const std::string& path);

}  // namespace durak
