// Fuzz target: arbitrary bytes read as a partial count, and each of their
// lines as a line of the map and reduce steps.
//
// Whatever the bytes, nothing crashes; a file the reader accepts writes back
// to the very same bytes, merges with itself into a count that reads back,
// and fills a word table with one entry per line; a line accepted as a map
// line writes back to the same line.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/PartialCount.h"
#include "scanner/WordTable.h"
#include "tests/fuzz/FuzzCheck.h"

namespace zet::fuzz {
namespace {

void CheckLines(std::string_view bytes) {
  PartialEntry entry;
  std::string digest;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::string_view line = bytes.substr(0, lf);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    if (!ParseMapLine(line, entry, digest)) continue;
    std::string again;
    AppendMapLine(entry, digest, again);
    Require(again == std::string(line) + "\n", "a map line writes back to other bytes");
  }
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zet;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::CheckLines(bytes);
  const Outcome<PartialCount> read = ReadPartial(bytes, "fuzz.part");
  if (!read) {
    fuzz::Require(read.problem().message.starts_with("fuzz.part: "),
                  "a message not naming the file");
    return 0;
  }
  const PartialCount& count = read.value();
  fuzz::Require(FormatPartial(count) == bytes, "a partial count writes back to other bytes");
  const PartialCount twice = MergePartials({count, count});
  const Outcome<PartialCount> again = ReadPartial(FormatPartial(twice), "twice.part");
  fuzz::Require(again.ok() && again.value() == twice, "a merge does not read back");
  fuzz::Require(twice.entries.size() == count.entries.size(),
                "a merge with itself changed the words");
  WordTable table;
  FillTable(count, table);
  fuzz::Require(table.size() == count.entries.size(), "the table lost or gained words");
  for (std::size_t i = 0; i < table.size(); ++i)
    fuzz::Require(
        table[i].strKey() == count.entries[i].key && table[i].lngCount == count.entries[i].count,
        "the table holds other words or counts");
  return 0;
}
