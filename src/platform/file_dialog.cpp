#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tamrel {

std::optional<QString> QtFileDialogService::OpenFile(QWidget* owner,
                                                     const FileDialogRequest& request) {
  return Run(owner, request, false);
}

std::optional<QString> QtFileDialogService::SaveFile(QWidget* owner,
                                                     const FileDialogRequest& request) {
  return Run(owner, request, true);
}

std::optional<QString> QtFileDialogService::Run(QWidget* owner, const FileDialogRequest& request,
                                                bool save) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  const QString folder = request.directory.isEmpty() ? lastFolder_ : request.directory;
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  // A proposed name that is a pattern ("*.tmr") is what the name filter
  // already does; a proposed full path opens its own folder with its name
  // selected. A bare name ("New File") is proposed in the folder offered,
  // as a full path: a desktop's own file dialog takes a file only by its
  // full path and would leave the name field empty.
  const bool pattern =
      request.fileName.contains(QLatin1Char('*')) || request.fileName.contains(QLatin1Char('?'));
  if (!request.fileName.isEmpty() && !pattern) {
    QFileInfo proposed(request.fileName);
    if (!proposed.isAbsolute() && !folder.isEmpty()) {
      proposed = QFileInfo(QDir(folder), request.fileName);
    }
    if (proposed.isAbsolute()) {
      dialog.setDirectory(proposed.absolutePath());
      dialog.selectFile(proposed.absoluteFilePath());
    } else {
      dialog.selectFile(request.fileName);
    }
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  const QString path = QDir::toNativeSeparators(chosen.front());
  lastFolder_ = QFileInfo(chosen.front()).absolutePath();
  return path;
}

}  // namespace tamrel
