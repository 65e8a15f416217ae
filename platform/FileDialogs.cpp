#include "platform/FileDialogs.h"

#include <utility>

namespace zet {

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Splits at every `separator`, trimming each part.
std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = s.find(separator);
    parts.push_back(Trim(s.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilterEntry> entries;
  if (Trim(filter).empty()) return entries;
  const auto parts = Split(filter, '|');
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    FileFilterEntry entry{std::string(parts[i]), {}};
    if (i + 1 < parts.size()) {
      for (std::string_view pattern : Split(parts[i + 1], ';')) {
        if (!pattern.empty()) entry.patterns.emplace_back(pattern);
      }
    }
    if (entry.patterns.empty()) entry.patterns.emplace_back("*");
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace zet
