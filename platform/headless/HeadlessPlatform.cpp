#include "platform/headless/HeadlessPlatform.h"

#include <string>
#include <utility>

namespace zet {

std::vector<std::string> HeadlessPlatform::Leftovers() const {
  std::vector<std::string> notes;
  if (const auto n = messageBoxes.PendingAnswers(); n > 0) {
    notes.push_back(std::to_string(n) + " scripted message box answer(s) never used");
  }
  if (const auto n = fileDialogs.PendingAnswers(); n > 0) {
    notes.push_back(std::to_string(n) + " scripted file dialog answer(s) never used");
  }
  for (std::string& note : eventPump.NotRun()) notes.push_back(std::move(note));
  return notes;
}

}  // namespace zet
