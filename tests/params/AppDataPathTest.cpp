#include "params/AppDataPath.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>

#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

// Sets environment variables for one test and puts them back afterwards.
class AppDataPathTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }
  void Set(const std::string& name, const char* value) {
    if (!saved_.contains(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value)
      ::setenv(name.c_str(), value, 1);
    else
      ::unsetenv(name.c_str());
  }
  std::map<std::string, std::optional<std::string>> saved_;
  TempDir dir_;
};

TEST_F(AppDataPathTest, UsesTheConfigFolderAndCreatesMissingFolders) {
  const std::string config = dir_.File("a/b/config");
  Set("XDG_CONFIG_HOME", (config + "//").c_str());
  EXPECT_EQ(GetSpecialFolderPath(), config);
  EXPECT_EQ(GetAppDataFilePath("zet.usr", "zet"), config + "/zet/zet.usr");
  EXPECT_TRUE(FolderExists(config + "/zet"));
  // Asking again finds the folder already there.
  EXPECT_EQ(GetAppDataFilePath("zet.usr", "zet"), config + "/zet/zet.usr");
}

TEST_F(AppDataPathTest, RelativeOrEmptyConfigFolderFallsBackToHome) {
  Set("HOME", dir_.Path().c_str());
  for (const char* config : {"relative/config", "", static_cast<const char*>(nullptr)}) {
    Set("XDG_CONFIG_HOME", config);
    EXPECT_EQ(GetAppDataFilePath("zet.usr", "zet"), dir_.Path() + "/.config/zet/zet.usr");
  }
  EXPECT_TRUE(FolderExists(dir_.Path() + "/.config/zet"));
  EXPECT_EQ(GetFirstFixedDrive(), dir_.Path());
}

TEST_F(AppDataPathTest, WithoutHomeTheUserDatabaseAnswers) {
  Set("XDG_CONFIG_HOME", nullptr);
  Set("HOME", nullptr);
  const passwd* entry = ::getpwuid(::getuid());
  if (entry == nullptr) GTEST_SKIP() << "this user has no entry in the user database";
  const std::string home = entry->pw_dir;
  EXPECT_EQ(GetFirstFixedDrive(), home == "/" ? "/" : home);
  EXPECT_EQ(GetSpecialFolderPath(), (home == "/" ? "" : home) + "/.config");
}

TEST_F(AppDataPathTest, FolderThatCannotBeCreatedStillGivesThePath) {
  const std::string file = dir_.Write("file", "");
  Set("XDG_CONFIG_HOME", file.c_str());
  EXPECT_EQ(GetAppDataFilePath("zet.usr", "zet"), file + "/zet/zet.usr");
  EXPECT_FALSE(FolderExists(file + "/zet"));
}

TEST_F(AppDataPathTest, FolderExistsOnlyForFolders) {
  const std::string file = dir_.Write("file", "");
  const std::string link = dir_.File("link");
  ASSERT_EQ(::symlink(dir_.Path().c_str(), link.c_str()), 0);
  EXPECT_TRUE(FolderExists(dir_.Path()));
  EXPECT_TRUE(FolderExists(dir_.Path() + "/"));
  EXPECT_TRUE(FolderExists(link));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_FALSE(FolderExists(dir_.File("missing")));
  EXPECT_FALSE(FolderExists(""));
}

}  // namespace
}  // namespace zet
