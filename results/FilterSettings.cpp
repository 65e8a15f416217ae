#include "results/FilterSettings.h"

#include "scanner/Cp1252.h"

namespace zet {
WordSet MakeWordsToIgnoreSet(std::string_view strWordsToIgnore) {
  WordSet words;
  std::size_t start = 0;
  while (start < strWordsToIgnore.size()) {
    std::size_t end = strWordsToIgnore.find_first_of(", ", start);
    if (end == std::string_view::npos) end = strWordsToIgnore.size();
    if (end > start) words.insert(cp1252::Lower(strWordsToIgnore.substr(start, end - start)));
    start = end + 1;
  }
  return words;
}

}  // namespace zet
