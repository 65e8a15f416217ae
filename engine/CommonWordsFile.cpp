#include "engine/CommonWordsFile.h"

#include <unistd.h>

#include <cerrno>

#include "engine/FdCloser.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "scanner/CommonWords.h"
#include "scanner/Encoding.h"
#include "scanner/StrProc.h"

namespace zet {

std::string CommonWordsPath(std::string_view name) { return std::string(TrimSpaces(name)); }

Outcome<TextCheck> CheckCommonWordsFile(const std::string& path) {
  if (path.empty())
    return Problem{ProblemKind::CommonWordsNotNamed,
                   std::string(texts::kCommonWordsNotNamed),
                   std::string(texts::kTitleCommonWords),
                   path,
                   {}};
  if (!FileExists(path))
    return Problem{ProblemKind::CommonWordsMissing,
                   std::string(texts::kCommonWordsNotFound),
                   std::string(texts::kTitleFileNotFound),
                   path,
                   {}};
  // Checked as text in the encoding it is read in, like any input. A file
  // that cannot be read is reported by the read, with its own wording.
  Outcome<InputText> text = CheckInputText(path);
  if (!text)
    return text.problem().kind == ProblemKind::CannotRead ? Outcome<TextCheck>(TextCheck::Text)
                                                          : Outcome<TextCheck>(text.problem());
  return text.value().check;
}

Outcome<std::shared_ptr<const WordSet>> ReadCommonWordsFile(const std::string& path,
                                                            const WordRules& rules,
                                                            ScanObserver& observer) {
  const int fd = OpenRegularFile(path);
  int failure = fd < 0 ? errno : 0;
  CommonWordList list;
  if (fd >= 0) {
    const FdCloser closer(fd);
    // Read in one encoding, decided on the whole file, like any input.
    const EncodingDecision decision = DecideFileEncoding(fd);
    FdByteSource source(fd);
    if (decision.failed)
      failure = decision.errorNumber != 0 ? decision.errorNumber : EIO;
    else if (!ReadCommonWords(source, rules, list, observer, decision.encoding))
      failure = source.ErrorNumber() != 0 ? source.ErrorNumber() : EIO;
  }
  if (failure != 0) {
    const RunTimeError error = RunTimeErrorFromErrno(failure);
    return Problem{ProblemKind::CannotRead, ErrorText(error), std::string(texts::kTitleCommonWords),
                   path, error};
  }
  return std::make_shared<const WordSet>(list.words.begin(), list.words.end());
}

}  // namespace zet
