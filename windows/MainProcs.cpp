#include "windows/MainProcs.h"

#include "engine/Catalogue.h"

namespace zet {

bool IsPlainText(std::string_view text, std::size_t n) noexcept {
  const std::size_t examined = text.size() < n ? text.size() : n;
  for (std::size_t i = 0; i < examined; ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    if (code < 32 && code != 9 && code != 10 && code != 13) return false;
  }
  return true;
}

int ProgressPosition(std::uint64_t bytesRead, std::uint64_t fileLength) noexcept {
  if (fileLength == 0) return 0;
  if (bytesRead >= fileLength) return kProgressWidth;
  const std::uint64_t scaled = bytesRead * kProgressWidth;
  std::uint64_t position = scaled / fileLength;
  const std::uint64_t twiceRest = 2 * (scaled % fileLength);
  if (twiceRest > fileLength || (twiceRest == fileLength && position % 2 == 1)) ++position;
  return static_cast<int>(position);
}

std::string ProgressBarCaption(int position) {
  if (position < 0) position = 0;
  if (position > kProgressWidth) position = kProgressWidth;
  if (position == 0) return "[>" + std::string(kProgressWidth, ' ') + "]";
  return "[" + std::string(static_cast<std::size_t>(position - 1), '-') + ">" +
         std::string(static_cast<std::size_t>(kProgressWidth - position), ' ') + "]";
}

std::string EmptyProgressBar() {
  return "[" + std::string(static_cast<std::size_t>(kProgressWidth), ' ') + "]";
}

std::string_view TwirlerCharacter(std::size_t index) noexcept {
  // Lower, left, upper and right half blocks: a block that turns.
  static constexpr std::string_view kBlocks[] = {"\u2584", "\u258C", "\u2580", "\u2590"};
  return kBlocks[index % 4];
}

std::string PathInFolder(std::string_view folder, std::string_view fileName) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += fileName;
  return path;
}

namespace {

bool KeptInAddress(unsigned char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

std::string PercentEncode(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(path.size());
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if (KeptInAddress(c)) {
      encoded += ch;
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0xF];
    }
  }
  return encoded;
}

}  // namespace

std::string ExpandDocDir(std::string_view text, std::string_view docFolder) {
  const std::string_view kToken = kDocDirToken;
  const std::string folder = PercentEncode(docFolder);
  std::string expanded;
  std::size_t from = 0;
  for (std::size_t at = text.find(kToken); at != std::string_view::npos;
       at = text.find(kToken, from)) {
    expanded.append(text.substr(from, at - from));
    expanded += folder;
    from = at + kToken.size();
  }
  expanded.append(text.substr(from));
  return expanded;
}

}  // namespace zet
