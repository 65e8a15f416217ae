#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/HelpText.h"

namespace zet {
namespace {

std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> paragraphs;
  std::size_t from = 0;
  for (std::size_t end = text.find("\r\n\r\n"); end != std::string::npos;
       end = text.find("\r\n\r\n", from)) {
    paragraphs.push_back(text.substr(from, end - from));
    from = end + 4;
  }
  EXPECT_EQ(from, text.size()) << "the text ends with an empty line";
  return paragraphs;
}

TEST(HelpTextTest, FourteenParagraphsEachFollowedByAnEmptyLine) {
  const std::vector<std::string> paragraphs = Paragraphs(HelpText());
  ASSERT_EQ(paragraphs.size(), static_cast<std::size_t>(kHelpParagraphCount));
  for (const std::string& paragraph : paragraphs) {
    EXPECT_FALSE(paragraph.empty());
    EXPECT_EQ(paragraph.find('\n'), std::string::npos) << paragraph;
  }
  EXPECT_THAT(paragraphs[3], ::testing::HasSubstr("16,000,000 characters"));
  EXPECT_THAT(paragraphs[9], ::testing::HasSubstr("come with the program"));
}

}  // namespace
}  // namespace zet
