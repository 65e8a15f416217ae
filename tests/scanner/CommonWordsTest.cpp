#include "scanner/CommonWords.h"

#include <gtest/gtest.h>

#include <set>

namespace zet {
namespace {

std::set<std::string> Sorted(const CommonWordList& list) {
  return {list.words.begin(), list.words.end()};
}

WordRules DefaultRules() {
  WordRules r;
  r.allow.blnAllowHyphens = true;
  return r;
}

TEST(ReadCommonWordsTest, CutLikeCountedWordsWithCommentsSkipped) {
  MemoryByteSource source("Cats /* not these */ dogs\r\n\r\n  Caf\xC3\xA9 cafe e-mail\n// gone\n");
  CommonWordList list;
  ScanObserver quiet;
  ASSERT_TRUE(ReadCommonWords(source, DefaultRules(), list, quiet));
  EXPECT_EQ(Sorted(list), (std::set<std::string>{"caf\xE9", "cat", "dog", "e-mail"}));
  EXPECT_EQ(list.rules, DefaultRules());
}

TEST(ReadCommonWordsTest, RulesOfTheReadDecideTheCut) {
  WordRules rules = DefaultRules();
  rules.allow.blnAllowHyphens = false;
  MemoryByteSource source("e-mail");
  CommonWordList list;
  ScanObserver quiet;
  ASSERT_TRUE(ReadCommonWords(source, rules, list, quiet));
  EXPECT_EQ(Sorted(list), (std::set<std::string>{"e", "mail"}));
}

TEST(ReadCommonWordsTest, NoLimitOnTheNumberOfWords) {
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "w" + std::to_string(i) + "x ";
  WordRules rules = DefaultRules();
  rules.allow.blnAllowNumerals = true;
  MemoryByteSource source(text);
  CommonWordList list;
  ScanObserver quiet;
  ASSERT_TRUE(ReadCommonWords(source, rules, list, quiet));
  EXPECT_EQ(list.words.size(), 40000u);
}

class BrokenSource final : public ByteSource {
 public:
  std::ptrdiff_t Read(char*, std::size_t) override { return -1; }
};

TEST(ReadCommonWordsTest, ReadErrorKeepsThePreviousList) {
  CommonWordList list;
  list.words = {"kept"};
  BrokenSource source;
  ScanObserver quiet;
  EXPECT_FALSE(ReadCommonWords(source, DefaultRules(), list, quiet));
  EXPECT_EQ(Sorted(list), (std::set<std::string>{"kept"}));
}

TEST(ParseWordsToIgnoreTest, Rows) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"The, and  of", "the,and,of", "the,and,of,"},
      {",,,", "", ","},
      {"", "", ","},
      {"x;y", "x;y", "x;y,"},
      {"  a ,, b  ", "a,b", "a,b,"},
      {"\xC9T\xC9", "\xE9t\xE9", "\xE9t\xE9,"}};
  for (const auto& [typed, box, list] : rows) {
    const WordsToIgnore w = ParseWordsToIgnore(typed);
    EXPECT_EQ(w.boxText, box) << typed;
    EXPECT_EQ(w.list, list) << typed;
  }
}

}  // namespace
}  // namespace zet
