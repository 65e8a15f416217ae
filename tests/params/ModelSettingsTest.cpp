// The side file beside the 37-line settings and parameter files.

#include <gtest/gtest.h>

#include <string>

#include "params/ModelSettings.h"

namespace zet {
namespace {

TEST(ModelSettingsTest, TheSideFileSitsBesideItsFileUnderAnotherExtension) {
  const std::pair<const char*, const char*> rows[] = {
      {"/home/ann/.config/zet/zet.usr", "/home/ann/.config/zet/zet.zetx"},
      {"words.zet", "words.zetx"},
      {"plain", "plain.zetx"},
      {"/a.b/plain", "/a.b/plain.zetx"},  // a dot in a folder is no extension
      {"/a/.hidden", "/a/.hidden.zetx"},  // nor a leading dot
      {"twice.tar.zet", "twice.tar.zetx"},
      {"mine.zetx", "mine.zetx.zetx"},  // never the file itself
  };
  for (const auto& [file, side] : rows) EXPECT_EQ(ModelSettingsPath(file), side) << file;
}

TEST(ModelSettingsTest, ReadingKeepsDefaultsForWhatItDoesNotUnderstand) {
  const std::pair<const char*, bool> rows[] = {
      {"", false},
      {"unicode=1\n", true},
      {"unicode=0\n", false},
      {"# comment\r\n  unicode = 1 \r\n", true},
      {"unicode=1\nunicode=0\n", false},               // the last one counts
      {"unicode=yes\n", false},                        // not a value this version writes
      {"locale=sv\nunicode=1\nnonsense\n=1\n", true},  // a newer version's keys
      {"unicode=1", true},                             // no final line break
  };
  for (const auto& [text, unicode] : rows)
    EXPECT_EQ(ParseModelSettings(text).unicode, unicode) << text;
  for (const bool unicode : {false, true}) {
    EXPECT_EQ(ParseModelSettings(FormatModelSettings({unicode})).unicode, unicode);
  }
}

}  // namespace
}  // namespace zet
