#pragma once
// Helpers that run the scanner over short texts and report what it counted.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scanner/ScanSettings.h"
#include "scanner/WordTable.h"

namespace zet::test {

/// (word as first found, count) in key order.
using Counted = std::vector<std::pair<std::string, std::int64_t>>;

/// The table's entries in key order.
Counted Entries(const WordTable& table);

/// Scans `text` (Windows-1252; lines split at LF) the way a file pass does.
Counted CountLines(std::string_view text, const ScanSettings& settings);

/// Settings with the defaults of a fresh parameter set: hyphens allowed,
/// final "s" dropped, no comment markers.
ScanSettings DefaultSettings();

/// "a b a" -> {{"a",2},{"b",1}} in key order, for readable expectations.
Counted Words(std::initializer_list<std::pair<std::string, std::int64_t>> words);

}  // namespace zet::test
