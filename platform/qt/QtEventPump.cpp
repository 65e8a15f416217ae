#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>

namespace zet {

void QtEventPump::Pump() {
  if (throttle_.Due()) Process();
}

void QtEventPump::ForcePump() {
  Process();
  throttle_.Restart();
}

void QtEventPump::Process() {
  ++processed_;
  // Posted events first, so that pending repaints are part of this round.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace zet
