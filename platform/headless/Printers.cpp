#include "platform/headless/Printers.h"

namespace zet {

std::string_view ToString(MessageIcon icon) noexcept {
  switch (icon) {
    case MessageIcon::kNone:
      return "None";
    case MessageIcon::kInformation:
      return "Information";
    case MessageIcon::kExclamation:
      return "Exclamation";
    case MessageIcon::kCritical:
      return "Critical";
    case MessageIcon::kQuestion:
      return "Question";
  }
  return "?";
}

std::string_view ToString(MessageButtons buttons) noexcept {
  switch (buttons) {
    case MessageButtons::kOk:
      return "OK";
    case MessageButtons::kOkCancel:
      return "OKCancel";
    case MessageButtons::kYesNo:
      return "YesNo";
    case MessageButtons::kYesNoCancel:
      return "YesNoCancel";
  }
  return "?";
}

std::string_view ToString(MessageAnswer answer) noexcept {
  switch (answer) {
    case MessageAnswer::kOk:
      return "OK";
    case MessageAnswer::kCancel:
      return "Cancel";
    case MessageAnswer::kYes:
      return "Yes";
    case MessageAnswer::kNo:
      return "No";
  }
  return "?";
}

}  // namespace zet
