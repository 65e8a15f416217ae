#pragma once
// The open and save dialogs as QFileDialog.

#include <QFileDialog>
#include <QStringList>

#include <string>

#include "platform/FileDialogs.h"

namespace zet {

/// Which dialog to show.
enum class FileDialogMode { kOpen, kSave };

/// Shows each request as a modal QFileDialog: the system's own dialog
/// where there is one, unless `nativeDialogs` is false (tests drive Qt's
/// widget dialog).
///
/// The flags are kept by the dialog where it can (an existing file only;
/// the overwrite question on saving) and checked again when it returns, so
/// that a name the flags forbid is never handed back: the user is told why
/// and the dialog opens again.
class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(bool nativeDialogs = true) : nativeDialogs_(nativeDialogs) {}

  std::string ShowOpen(const FileDialogRequest& request) override;
  std::string ShowSave(const FileDialogRequest& request) override;

 private:
  std::string Show(FileDialogMode mode, const FileDialogRequest& request);

  bool nativeDialogs_;
};

/// Sets up `dialog` for `request`: title, mode, flags, filters, folder and
/// file name.
void SetUpFileDialog(QFileDialog& dialog, FileDialogMode mode, const FileDialogRequest& request,
                     bool nativeDialogs);

/// The Qt name filters of a filter text ("desc | *.x"): each description,
/// without a pattern list in parentheses of its own, followed by its
/// patterns in parentheses, as Qt reads them. "*.*" (every file, where the
/// filters come from) becomes "*", since on this system a name need not
/// have a period. Empty filter: no name filters.
[[nodiscard]] QStringList ToNameFilters(std::string_view filter);

/// Why `path` may not be returned for `request` (a missing file where one
/// must exist, a missing folder); empty when it may.
[[nodiscard]] std::string FileDialogRefusal(const FileDialogRequest& request,
                                            const std::string& path);

}  // namespace zet
