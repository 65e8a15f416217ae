#include "params/RunTimeError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace zet {
namespace {

TEST(RunTimeErrorTest, SystemErrorsGetTheProgramsNumbersAndTheSystemsText) {
  const std::pair<int, int> rows[] = {{ENOENT, 53}, {ENOTDIR, 76}, {EACCES, 70}, {EROFS, 75},
                                      {ENOSPC, 61}, {EFBIG, 61},   {ENOMEM, 7},  {EIO, 57},
                                      {EISDIR, 75}, {EMFILE, 67},  {EBUSY, 57}};
  for (const auto& [errnum, number] : rows) {
    const RunTimeError e = RunTimeErrorFromErrno(errnum);
    EXPECT_EQ(e.number, number) << errnum;
    EXPECT_EQ(e.description, std::strerror(errnum));
  }
  EXPECT_EQ(RunTimeErrorFromErrno(ENOENT), (RunTimeError{53, "No such file or directory"}));
  EXPECT_EQ(OutOfMemoryError().number, 7);
}

}  // namespace
}  // namespace zet
