#include "scanner/CommentMarkers.h"

#include "scanner/Cp1252.h"
#include "scanner/TextCodec.h"
#include "scanner/WordChars.h"

namespace zet {

CommentMarkers SetCommentMarkers(std::string_view strType, const CommentMarkers& userMarkers) {
  if (strType == "HTML") return {{"<", "&"}, {">", ";"}};
  if (strType == "C") return {{"/*", "//"}, {"*/", ""}};
  if (strType.empty()) return {};
  return userMarkers;
}

MarkerChoice ChooseMarkersForExtension(std::string_view extension, bool allowCommentMarkers) {
  const std::string ext = cp1252::Lower(extension);
  if (ext.find("htm") != std::string::npos || ext == "php" || ext == "xml")
    return MarkerChoice::Html;
  if (ext == "cpp" || ext == "c") return MarkerChoice::C;
  return allowCommentMarkers ? MarkerChoice::User : MarkerChoice::None;
}

MarkerValidation ValidateCommentMarkers(const CommentMarkers& m, bool numerals,
                                        std::string_view extra) {
  for (int k = 0; k < 2; ++k) {
    if (m.strStartComment[static_cast<std::size_t>(k)].empty())
      return {MarkerCheck::StartEmpty, k,
              "If comment markers are allowed then at least one\r\n"
              "start-comment marker must be non-empty.\r\n\r\n"
              "Check the comment markers in the 'Set parameters' panel\r\n"
              "and perhaps disallow comment markers."};
  }
  for (int k = 0; k < 2; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (m.strStartComment[i] == m.strEndComment[i])
      return {MarkerCheck::StartEqualsEnd, k,
              "Start-comment and end-comment markers must be different.\r\n\r\n"
              "Check the comment markers in the 'Set parameters' panel."};
  }
  // Every "--" of a line becomes a space before markers are looked for: a
  // start holding one would skip nothing, an end would skip all that follows.
  for (int k = 0; k < 2; ++k) {
    const auto i = static_cast<std::size_t>(k);
    for (const std::string* marker : {&m.strStartComment[i], &m.strEndComment[i]}) {
      if (marker->find("--") != std::string::npos)
        return {MarkerCheck::HoldsDoubleHyphen, k,
                "The comment marker \"" + EncodeUtf8(*marker) +
                    "\" would never be found:\r\n"
                    "two hyphens in a row are read as a space.\r\n\r\n"
                    "Check the comment markers in the 'Set parameters' panel."};
    }
  }
  for (int k = 0; k < 2; ++k) {
    const std::string& start = m.strStartComment[static_cast<std::size_t>(k)];
    if (WordLength(start, 0, numerals, extra) == start.size())
      return {MarkerCheck::StartIsWord, k,
              "The way the parameters are set the start-comment marker\r\n\"" + EncodeUtf8(start) +
                  "\" could be part of a word.\r\n\r\n"
                  "Check the start-comment markers in the 'Set parameters' panel and\r\n"
                  "perhaps disallow comment markers or restrict allowable words."};
  }
  return {};
}

}  // namespace zet
