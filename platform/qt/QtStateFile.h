#pragma once
// What the desktop program remembers beside the settings file and outside
// its format: where each window was and how large, and short lists such as
// the recent input files. An INI file, read and written through QSettings.

#include <string>
#include <vector>

class QWidget;

namespace zet {

/// One state file. Every call opens it afresh, so two of these on the same
/// path agree. A missing or unreadable file reads as empty; a write that
/// fails is dropped (the state is a convenience, never worth a message).
class QtStateFile {
 public:
  explicit QtStateFile(std::string path) : path_(std::move(path)) {}

  [[nodiscard]] const std::string& Path() const noexcept { return path_; }

  /// Remembers the place, size and maximised state of `window` under `name`.
  void SaveWindow(const std::string& name, const QWidget& window) const;
  /// Gives `window` the place remembered under `name`, kept on a screen;
  /// false when there is none.
  bool RestoreWindow(const std::string& name, QWidget& window) const;

  /// A list of texts (UTF-8) under `key`, in the order written.
  [[nodiscard]] std::vector<std::string> List(const std::string& key) const;
  void SetList(const std::string& key, const std::vector<std::string>& items) const;

 private:
  std::string path_;
};

}  // namespace zet
