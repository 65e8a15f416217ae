#pragma once
// The open and save file dialogs.

#include <string>
#include <string_view>
#include <vector>

namespace zet {

/// What the dialog enforces before it accepts a name.
struct FileDialogFlags {
  bool fileMustExist = false;    // only an existing file can be chosen
  bool pathMustExist = false;    // the folder part must exist
  bool overwritePrompt = false;  // (save) ask before choosing an existing file
  bool hideReadOnly = false;     // no "open read-only" option
};

/// One request for a file name.
struct FileDialogRequest {
  std::string title;
  /// Pairs of a description and its patterns, all separated by "|", e.g.
  /// "Any file containing only text (*.*) | *.*" or
  /// "Parameter files (*.zet)|*.zet|All files (*.*)|*.*". Patterns within a
  /// pair are separated by ";". Empty: every file. See ParseFileFilter.
  std::string filter;
  FileDialogFlags flags;
  /// The name the dialog starts with (may be empty or a full path).
  std::string fileName;
  /// The folder the dialog opens in; empty for the current folder.
  std::string initialFolder;
};

/// Shows modal file dialogs. Paths are UTF-8 with "/" separators.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  /// Asks for a file to read; returns the chosen path, or empty when the
  /// user cancelled.
  virtual std::string ShowOpen(const FileDialogRequest& request) = 0;
  /// Asks for a file to write; returns the chosen path, or empty when the
  /// user cancelled.
  virtual std::string ShowSave(const FileDialogRequest& request) = 0;
};

/// One entry of a file filter.
struct FileFilterEntry {
  std::string description;            // "Any file containing only text (*.*)"
  std::vector<std::string> patterns;  // {"*.*"}

  friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

/// Splits a filter text (see FileDialogRequest::filter) into its entries,
/// trimming spaces around each part. An empty filter gives no entries; a
/// description without patterns gets "*".
[[nodiscard]] std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

}  // namespace zet
