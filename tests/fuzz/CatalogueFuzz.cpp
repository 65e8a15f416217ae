// Fuzz target: arbitrary bytes read as the program-text catalogue.
//
// A catalogue that loads holds exactly the texts its lines give, each
// under its number; one that fails is empty and has a message for the user.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "engine/Catalogue.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzText.h"

namespace zet::fuzz {
namespace {

std::string_view Blank(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The number of a line's "n=" part, or 0.
int TextNumber(std::string_view digits) {
  if (digits.empty()) return 0;
  long n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
    if (n > Catalogue::kMaxNumber) return 0;
  }
  return static_cast<int>(n);
}

// The texts a file that loads must give: every line but blank and comment
// lines is "n=text".
std::map<int, std::string_view> ExpectedTexts(std::string_view bytes) {
  std::map<int, std::string_view> texts;
  bool first = true;
  for (const SplitLine& split : ReferenceLines(bytes)) {
    std::string_view line = split.first;
    if (first && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    first = false;
    const std::string_view trimmed = Blank(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) Fail("a line without \"=\" loaded");
    const int number = TextNumber(Blank(line.substr(0, equals)));
    if (number == 0) Fail("a line without a text number loaded");
    if (!texts.emplace(number, line.substr(equals + 1)).second) Fail("a duplicate number loaded");
  }
  return texts;
}

void Run(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Catalogue catalogue;
  const Outcome<std::size_t> loaded = catalogue.LoadText(bytes);
  Require(catalogue.Get(0).empty() && catalogue.Get(-1).empty() &&
              catalogue.Get(Catalogue::kMaxNumber + 1).empty(),
          "a number out of range has a text");
  if (!loaded) {
    Require(catalogue.Size() == 0, "a failed load kept texts");
    Require(!loaded.problem().message.empty(), "a failed load has no message");
    return;
  }
  const std::map<int, std::string_view> expected = ExpectedTexts(bytes);
  Require(catalogue.Size() == loaded.value() && expected.size() == catalogue.Size(),
          "the number of texts is wrong");
  for (const auto& [number, text] : expected) {
    const std::string got = catalogue.Get(number);
    if (got != text) Fail("text " + std::to_string(number) + " is \"" + Printable(got) + "\"");
    Require(!got.empty(), "a text is empty");
    Require(static_cast<std::size_t>(std::count_if(
                got.begin(), got.end(),
                [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; })) <=
                Catalogue::kMaxTextLength,
            "a text is longer than allowed");
  }
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zet::fuzz::Run(data, size);
  return 0;
}
