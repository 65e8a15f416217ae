#include "cli/ProgressBar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zet {
namespace {

// The frames drawn, one per redraw.
std::vector<std::string> Frames(const std::string& drawn) {
  std::vector<std::string> frames;
  std::stringstream in(drawn);
  std::string frame;
  while (std::getline(in, frame, '\r'))
    if (!frame.empty()) frames.push_back(frame);
  return frames;
}

// A file that grows while it is read reports more bytes than it had: the
// bar stops at its end instead of running past it.
TEST(ProgressBarTest, StopsAtTheEndWhenMoreIsReadThanThereWas) {
  std::ostringstream terminal;
  {
    ProgressBar bar(terminal, 1000, true);
    for (const std::uint64_t done : {0, 500, 1000, 1500, 1000000}) bar.Update(done);
    const std::vector<std::string> frames = Frames(terminal.str());
    ASSERT_EQ(frames.size(), 3U);  // 0, half, whole: the rest moves nothing
    EXPECT_EQ(frames.front(), ProgressBar::Text(1));
    EXPECT_EQ(frames.back(), ProgressBar::Text(ProgressBar::kWidth));
    // Was: the first frame was one wider than the rest and than the blanks
    // that clear the line, leaving a stray "]" on the terminal.
    for (const std::string& frame : frames) EXPECT_EQ(frame.size(), ProgressBar::kWidth + 2U);
  }
  EXPECT_TRUE(terminal.str().ends_with("\r" + std::string(ProgressBar::kWidth + 2, ' ') + "\r"));
}

}  // namespace
}  // namespace zet
