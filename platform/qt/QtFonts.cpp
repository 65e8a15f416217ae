#include "platform/qt/QtFonts.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/qt/QtText.h"

namespace zet {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

constexpr std::array<std::string_view, 3> kFixedFamilies = {"Courier New", "Courier", "Terminal"};
constexpr std::array<std::string_view, 2> kSansFamilies = {"MS Sans Serif", "MS Shell Dlg"};

}  // namespace

bool IsFixedPitchFamily(std::string_view family) noexcept {
  return std::any_of(kFixedFamilies.begin(), kFixedFamilies.end(),
                     [family](std::string_view f) { return EqualNoCase(f, family); });
}

QFont ToQFont(const Font& font, bool forceFixedPitch) {
  const bool sans = std::any_of(kSansFamilies.begin(), kSansFamilies.end(),
                                [&font](std::string_view f) { return EqualNoCase(f, font.name); });
  QFont result;
  if (forceFixedPitch || IsFixedPitchFamily(font.name)) {
    result = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    result.setStyleHint(QFont::Monospace);
    result.setFixedPitch(true);
  } else if (sans || font.name.empty()) {
    result = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  } else {
    result = QFont(ToQString(font.name));
  }
  if (font.size > 0) result.setPointSizeF(font.size);
  result.setBold(font.bold);
  result.setUnderline(font.underline);
  return result;
}

}  // namespace zet
