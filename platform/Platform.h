#pragma once
// Everything the window logic needs from the window system, in one place.

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/EventPump.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace zet {

/// The services a window system provides, handed to the window logic at
/// construction. The services are not owned and must outlive the logic.
///
/// Forms and controls are not services: the logic owns them as models
/// (Form, Button, TextBox, ...) and the platform attaches views to them.
/// The program-text catalogue is not one either: it is plain file reading
/// (app/Catalogue.h).
struct Platform {
  MessageBoxes& messageBoxes;
  FileDialogs& fileDialogs;
  Clipboard& clipboard;
  Shell& shell;
  EventPump& eventPump;
  Application& application;
};

}  // namespace zet
