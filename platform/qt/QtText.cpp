#include "platform/qt/QtText.h"

namespace zet {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte,
// which the models count as a character of its own).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0U) return 4;
  if (lead >= 0xE0U) return 3;
  if (lead >= 0xC0U) return 2;
  return 1;
}

}  // namespace

QString WithLineFeeds(std::string_view text) {
  std::string converted;
  converted.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      converted += text[i];
    } else {
      converted += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return ToQString(converted);
}

std::string WithCrLf(std::string_view text) {
  std::string converted;
  converted.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) converted += '\r';
    converted += text[i];
  }
  return converted;
}

QString LiteralCaption(std::string_view caption) {
  return ToQString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString AcceleratedCaption(std::string_view caption, char letter) {
  QString text = LiteralCaption(caption);
  if (letter == 0) return text;
  const QChar wanted = QChar::fromLatin1(letter).toLower();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      ++i;  // an escaped ampersand
      continue;
    }
    if (text[i].toLower() == wanted) {
      text.insert(i, QLatin1Char('&'));
      break;
    }
  }
  return text;
}

int WidgetPosition(std::string_view text, std::size_t characters) {
  int units = 0;
  std::size_t i = 0;
  for (std::size_t counted = 0; counted < characters && i < text.size(); ++counted) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      // The widget shows CR LF as one break: a caret between the two
      // stands before it.
      if (counted + 2 > characters) break;
      ++counted;
      i += 2;
      ++units;
      continue;
    }
    std::size_t length = SequenceLength(lead);
    if (i + length > text.size()) length = 1;
    units += length == 4 ? 2 : 1;  // beyond the BMP: a surrogate pair
    i += length;
  }
  return units;
}

}  // namespace zet
