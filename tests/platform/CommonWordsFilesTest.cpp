// The common-words files shipped with the program, as the copy beside the
// programs is read.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "scanner/CommonWords.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

class CommonWordsFileTest : public ::testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(Languages, CommonWordsFileTest,
                         ::testing::Values("en", "de", "fr", "it", "es", "pt"));

CommonWordList Read(const std::string& language) {
  std::ifstream in(std::string(ZET_RUNTIME_DIR) + "/cwds_" + language + ".txt", std::ios::binary);
  EXPECT_TRUE(in.good()) << "cwds_" << language << ".txt is not beside the programs";
  StreamByteSource source(in);
  CommonWordList list;
  ScanObserver quiet;
  EXPECT_TRUE(ReadCommonWords(source, WordRules{}, list, quiet));
  return list;
}

// A comment left open would swallow the rest of the file; a header comment
// read as words would ignore "comment" and "words" in every count.
TEST_P(CommonWordsFileTest, HoldsHundredsOfWordsAndNoneOfItsComments) {
  const CommonWordList list = Read(GetParam());
  EXPECT_GE(list.words.size(), 200U);
  for (const char* fromComment : {"zet", "function", "meaning", "slash", "star"}) {
    EXPECT_EQ(list.words.count(fromComment), 0U) << fromComment;
  }
}

TEST(CommonWordsFilesTest, AccentedWordsAreReadAsTheirLetters) {
  EXPECT_EQ(Read("de").words.count(DecodeToCp1252("für")), 1U);
  EXPECT_EQ(Read("fr").words.count(DecodeToCp1252("être")), 1U);
  EXPECT_EQ(Read("pt").words.count(DecodeToCp1252("não")), 1U);
  EXPECT_EQ(Read("en").words.count("the"), 1U);
}

}  // namespace
}  // namespace zet
