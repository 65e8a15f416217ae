#include "app/RunTimeError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace zet {
namespace {

TEST(RunTimeErrorTest, SystemErrorsGetTheProgramsNumbersAndTheSystemsText) {
  const std::pair<int, int> rows[] = {{ENOENT, 53}, {ENOTDIR, 76}, {EACCES, 70}, {EROFS, 70},
                                      {ENOSPC, 61}, {EFBIG, 61},   {ENOMEM, 7},  {EIO, 57},
                                      {EISDIR, 75}, {EBUSY, 75}};
  for (const auto& [errnum, number] : rows) {
    const RunTimeError e = RunTimeErrorFromErrno(errnum);
    EXPECT_EQ(e.number, number) << errnum;
    EXPECT_EQ(e.description, std::strerror(errnum));
  }
  EXPECT_EQ(OutOfMemoryError().number, 7);
}

}  // namespace
}  // namespace zet
