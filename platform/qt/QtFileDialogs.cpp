#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <filesystem>
#include <system_error>

#include "platform/qt/QtText.h"

namespace zet {

namespace {

// `description` without a trailing "(...)" group and the spaces before it.
QString WithoutPatternList(const QString& description) {
  QString text = description.trimmed();
  if (text.endsWith(QLatin1Char(')'))) {
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (open > 0) text = text.left(open).trimmed();
  }
  return text;
}

}  // namespace

QStringList ToNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const std::string& pattern : entry.patterns) {
      patterns << (pattern == "*.*" ? QStringLiteral("*") : ToQString(pattern));
    }
    QString description = WithoutPatternList(ToQString(entry.description));
    if (!description.isEmpty()) description += QLatin1Char(' ');
    filters << description + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters;
}

std::string FileDialogRefusal(const FileDialogRequest& request, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (request.flags.fileMustExist && !fs::is_regular_file(path, error)) {
    return "The file \"" + path + "\" does not exist.";
  }
  const fs::path folder = fs::path(path).parent_path();
  if (request.flags.pathMustExist && !folder.empty() && !fs::is_directory(folder, error)) {
    return "The folder \"" + folder.string() + "\" does not exist.";
  }
  return {};
}

void SetUpFileDialog(QFileDialog& dialog, FileDialogMode mode, const FileDialogRequest& request,
                     bool nativeDialogs) {
  dialog.setWindowTitle(ToQString(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialogs);
  dialog.setAcceptMode(mode == FileDialogMode::kSave ? QFileDialog::AcceptSave
                                                     : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.flags.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.flags.overwritePrompt);
  if (const QStringList filters = ToNameFilters(request.filter); !filters.isEmpty()) {
    dialog.setNameFilters(filters);
  }
  dialog.setDirectory(request.initialFolder.empty() ? QDir::currentPath()
                                                    : ToQString(request.initialFolder));
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
}

std::string QtFileDialogs::ShowOpen(const FileDialogRequest& request) {
  return Show(FileDialogMode::kOpen, request);
}

std::string QtFileDialogs::ShowSave(const FileDialogRequest& request) {
  return Show(FileDialogMode::kSave, request);
}

std::string QtFileDialogs::Show(FileDialogMode mode, const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  SetUpFileDialog(dialog, mode, request, nativeDialogs_);
  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    const std::string path = ToStdString(chosen.front());
    const std::string refusal = FileDialogRefusal(request, path);
    if (refusal.empty()) return path;
    QMessageBox::warning(&dialog, dialog.windowTitle(), ToQString(refusal));
  }
}

}  // namespace zet
