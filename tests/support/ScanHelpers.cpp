#include "tests/support/ScanHelpers.h"

#include "scanner/LineReader.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"

namespace zet::test {

Counted Entries(const WordTable& table) {
  Counted out;
  for (std::size_t i = 0; i < table.size(); ++i)
    out.emplace_back(std::string(table[i].strWord()), table[i].lngCount);
  return out;
}

Counted CountLines(std::string_view text, const ScanSettings& settings) {
  WordTable table;
  ScanObserver quiet;
  Scanner scanner(settings, table, quiet);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    scanner.ScanSourceLine(text.substr(start, end - start));
    start = end + 1;
  }
  return Entries(table);
}

ScanSettings DefaultSettings() {
  ScanSettings s;
  s.allow.blnAllowHyphens = true;
  s.blnDropFinalS = true;
  return s;
}

Counted Words(std::initializer_list<std::pair<std::string, std::int64_t>> words) {
  return Counted(words.begin(), words.end());
}

}  // namespace zet::test
