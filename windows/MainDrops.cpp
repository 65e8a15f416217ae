#include "windows/MainDrops.h"

#include "params/AppDataPath.h"
#include "windows/frmMain.h"

namespace zet {

DropKind KindOfDrop(const std::vector<std::string>& paths,
                    const std::function<bool(const std::string&)>& isFolder) {
  if (paths.empty()) return DropKind::Nothing;
  if (paths.size() == 1 && !isFolder(paths.front())) return DropKind::InputFile;
  return DropKind::Corpus;
}

MainDrops::MainDrops(frmMain& main) : main_(main) {
  onCorpus = [this](const CorpusDrop& drop) { main_.CountCorpus(drop.paths); };
}

bool MainDrops::Accepting() const {
  return main_.StartUpCompleted() && !main_.Running() && main_.form.Enabled() &&
         main_.txbFile0.Usable();
}

bool MainDrops::Drop(const std::vector<std::string>& paths) {
  if (!Accepting()) return false;
  switch (KindOfDrop(paths, FolderExists)) {
    case DropKind::Nothing:
      return false;
    case DropKind::InputFile:
      UseInputFile(paths.front());
      return true;
    case DropKind::Corpus:
      if (onCorpus) onCorpus(CorpusDrop{paths});
      return true;
  }
  return false;
}

bool MainDrops::OpenInputFile(const std::string& path) {
  if (!Accepting()) return false;
  UseInputFile(path);
  return true;
}

void MainDrops::UseInputFile(const std::string& path) {
  // Put into the box, then the box left: its own checks run (the file
  // size, or a message saying what is wrong with the file), and the focus
  // goes where leaving the box sends it.
  (void)main_.txbFile0.SetFocus();
  main_.txbFile0.SetText(path);
  (void)main_.cmdFile0.SetFocus();
  // The user dropped a file to count it: the file is the source now, unless
  // the checks refused it.
  if (main_.txbFile0.Text() == path && !main_.lblFilesize.Caption().empty() &&
      !main_.optInFile.Value())
    main_.optInFile.UserClick();
}

}  // namespace zet
