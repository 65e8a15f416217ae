#pragma once
// Files dropped on the main window: one file becomes the input file, as if
// its name had been typed into the input box and the box left; several
// files, or a folder, are a corpus.

#include <functional>
#include <string>
#include <vector>

namespace zet {

class frmMain;

/// What was dropped, by what it asks of the program.
enum class DropKind { Nothing, InputFile, Corpus };

/// The kind of a drop of `paths` (UTF-8); `isFolder` tells a folder from a
/// file.
[[nodiscard]] DropKind KindOfDrop(const std::vector<std::string>& paths,
                                  const std::function<bool(const std::string&)>& isFolder);

/// Several files or folders dropped together, to be counted as one text.
struct CorpusDrop {
  std::vector<std::string> paths;  // as dropped: files and folders
};

/// Takes the drops of one main window.
class MainDrops {
 public:
  explicit MainDrops(frmMain& main);

  /// Whether a drop would be taken now: not while a run holds the controls.
  [[nodiscard]] bool Accepting() const;
  /// Acts on a drop of `paths`; false when it was not taken.
  bool Drop(const std::vector<std::string>& paths);
  /// Makes `path` the input file as a drop of it does (a recent file).
  bool OpenInputFile(const std::string& path);

  /// What a corpus drop does: by default, the main window counts it
  /// (frmMain::CountCorpus).
  std::function<void(const CorpusDrop&)> onCorpus;

 private:
  void UseInputFile(const std::string& path);

  frmMain& main_;
};

}  // namespace zet
