#pragma once
// What a count under the Unicode word model is told before it starts.

#include <cstdint>
#include <string>

#include "scanner/ScanSettings.h"

namespace zet {

/// How an alphabetical list is ordered under the Unicode model.
enum class UnicodeOrder : std::uint8_t {
  Collation,  ///< the locale's collation order
  CodePoint,  ///< the order of the words' code points (byte order of UTF-8)
};

/// Everything a Unicode count depends on. `scan` keeps the meaning it has
/// for the default model (allow-flags, case, final "s", comment markers,
/// display), except that its markers are UTF-8 text.
struct UnicodeSettings {
  ScanSettings scan;
  /// An ICU locale name ("sv", "tr_TR", "de@collation=phonebook"); empty
  /// for the root collation. It decides which spellings are one word, the
  /// alphabetical order, lower-casing and where words without spaces are cut.
  std::string locale;
  UnicodeOrder order = UnicodeOrder::Collation;

  friend bool operator==(const UnicodeSettings&, const UnicodeSettings&) = default;
};

}  // namespace zet
