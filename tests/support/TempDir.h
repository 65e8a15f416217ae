#pragma once
// A private temporary folder for one test, removed with everything in it.

#include <string>
#include <string_view>

namespace zet::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The folder, without a trailing "/".
  [[nodiscard]] const std::string& Path() const { return path_; }
  /// The path of `name` inside the folder.
  [[nodiscard]] std::string File(std::string_view name) const;
  /// Writes `bytes` to `name` in the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  /// The bytes of a file (any path); empty when it cannot be read.
  [[nodiscard]] static std::string Read(const std::string& path);

 private:
  std::string path_;
};

}  // namespace zet::test
