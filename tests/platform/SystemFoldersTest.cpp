#include "platform/SystemFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>

#include "tests/platform/TempPath.h"

namespace zet {
namespace {

struct EnvRow {
  const char* name;
  std::map<std::string, std::string> env;
  std::string folder;
  friend void PrintTo(const EnvRow& row, std::ostream* os) { *os << row.name; }
};

class ApplicationDataFolderTest : public ::testing::TestWithParam<EnvRow> {};

TEST_P(ApplicationDataFolderTest, FollowsXdgRules) {
  const auto& env = GetParam().env;
  const GetEnv getEnv = [&env](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  EXPECT_EQ(ApplicationDataFolderFrom(getEnv), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ApplicationDataFolderTest,
    ::testing::Values(
        EnvRow{"xdg_set", {{"XDG_CONFIG_HOME", "/x/conf/"}, {"HOME", "/home/u"}}, "/x/conf"},
        EnvRow{"xdg_relative_ignored",
               {{"XDG_CONFIG_HOME", "conf"}, {"HOME", "/home/u"}},
               "/home/u/.config"},
        EnvRow{"xdg_empty_ignored",
               {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u/"}},
               "/home/u/.config"},
        EnvRow{"home_is_root", {{"HOME", "/"}}, "/.config"},
        EnvRow{"nothing_usable", {{"HOME", "relative"}}, ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SystemFoldersTest, CandidatesAreBesideTheProgramThenUnderThePrefix) {
  EXPECT_EQ(DataFolderCandidates("/opt/zet/bin"),
            (std::vector<std::string>{"/opt/zet/bin", "/opt/zet/share/zet"}));
  EXPECT_EQ(DocumentationFolderCandidates("/usr/bin/"),
            (std::vector<std::string>{"/usr/bin/", "/usr/share/doc/zet"}));
}

TEST(SystemFoldersTest, FirstFolderHoldingTheFileElseTheFirst) {
  namespace fs = std::filesystem;
  const fs::path root = test::UniqueTempPath("zet_system_folders");
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share/zet");
  std::ofstream(root / "share/zet/zet_text.dat") << "1=ZET\n";
  const auto candidates = DataFolderCandidates((root / "bin").string());
  EXPECT_EQ(FirstFolderHolding("zet_text.dat", candidates), (root / "share/zet").string());
  EXPECT_EQ(FirstFolderHolding("cwds_en.txt", candidates), (root / "bin").string());
  EXPECT_EQ(FirstFolderHolding("x", {}), "");
  fs::remove_all(root);
}

TEST(SystemFoldersTest, ExecutableFolderHoldsThisTest) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / "zet_platform_tests"));
}

}  // namespace
}  // namespace zet
