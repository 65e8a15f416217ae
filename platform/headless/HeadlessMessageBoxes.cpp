#include "platform/headless/HeadlessMessageBoxes.h"

#include <sstream>

#include "platform/headless/Printers.h"

namespace zet {

std::ostream& operator<<(std::ostream& os, const ShownMessage& m) {
  return os << "{title \"" << m.title << "\", text \"" << m.text << "\", icon " << m.icon
            << ", buttons " << m.buttons << ", answer " << m.answer
            << (m.scripted ? "" : ", unscripted") << "}";
}

MessageAnswer HeadlessMessageBoxes::Show(std::string_view text, std::string_view title,
                                         MessageIcon icon, MessageButtons buttons) {
  ShownMessage message{std::string(text), std::string(title),    icon,
                       buttons,           EscapeAnswer(buttons), false};
  std::string problem;
  if (answers_.empty()) {
    problem = "message box shown with no scripted answer: ";
  } else if (!IsAnswerOf(answers_.front(), buttons)) {
    std::ostringstream os;
    os << "scripted answer " << answers_.front() << " is not a button of message box: ";
    problem = os.str();
  } else {
    message.answer = answers_.front();
    message.scripted = true;
    answers_.pop_front();
  }
  shown_.push_back(message);
  if (!problem.empty()) {
    std::ostringstream os;
    os << problem << message;
    failures_.Report(os.str());
  }
  if (auto handler = onShow) handler(message);
  return message.answer;
}

}  // namespace zet
