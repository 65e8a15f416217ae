#pragma once
// Temporary paths that no other test process uses at the same time (CTest
// runs every test case in its own process, in parallel).

#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zet::test {

/// A path in the temporary folder named after `stem` and this process.
inline std::string UniqueTempPath(std::string_view stem) {
  return ::testing::TempDir() + std::string(stem) + "_" + std::to_string(::getpid());
}

}  // namespace zet::test
