#include "platform/qt/QtDesktop.h"

#include <algorithm>
#include <utility>

#include "platform/Form.h"
#include "platform/qt/QtApplication.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtWindow.h"

namespace zet {

struct QtDesktop::Services {
  explicit Services(const QtDesktopOptions& options)
      : fileDialogs(options.nativeFileDialogs), application(options.executableFolder) {}

  QtMessageBoxes messageBoxes;
  QtFileDialogs fileDialogs;
  QtClipboard clipboard;
  QtShell shell;
  QtEventPump eventPump;
  QtApplication application;
  Platform platform{messageBoxes, fileDialogs, clipboard, shell, eventPump, application};
};

QtDesktop::QtDesktop(QtDesktopOptions options) : services_(std::make_unique<Services>(options)) {}

QtDesktop::~QtDesktop() { DetachAll(); }

Platform& QtDesktop::GetPlatform() noexcept { return services_->platform; }

QtWindow& QtDesktop::AttachWindow(Form& form) {
  for (const auto& window : windows_) {
    if (&window->Model() == &form) return *window;
  }
  windows_.push_back(std::make_unique<QtWindow>(form, FindWindowLayout(form.Name())));
  return *windows_.back();
}

void QtDesktop::DetachWindow(const Form& form) {
  std::erase_if(windows_, [&form](const auto& window) { return &window->Model() == &form; });
}

void QtDesktop::DetachAll() {
  // Newest first: a window made later may belong to one made earlier.
  while (!windows_.empty()) windows_.pop_back();
}

QtWindow* QtDesktop::FindWindow(std::string_view formName) const {
  const auto it = std::find_if(windows_.begin(), windows_.end(), [formName](const auto& window) {
    return window->Model().Name() == formName;
  });
  return it == windows_.end() ? nullptr : it->get();
}

bool QtDesktop::QuitRequested() const noexcept { return services_->application.QuitRequested(); }

int QtDesktop::ExitCode() const noexcept { return services_->application.ExitCode(); }

}  // namespace zet
