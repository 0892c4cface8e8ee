#pragma once
// The file dialog as a service, so that tests never block on a modal window:
// the program shows the desktop's open and save dialogs, tests answer at once.
//
// The program keeps one instance for the whole run: like one common dialog
// control, it remembers the folder its last use ended in, which a request
// without a start folder starts from.

#include <QString>
#include <optional>

class QWidget;

namespace tamrel {

// What the File commands give the dialog.
struct FileDialogRequest {
  QString directory;  // start folder; empty: where the last use left the dialog
  QString fileName;   // the name proposed ("*.tmr", the current path, "New File")
  QString filter = QStringLiteral("*.tmr");
  QString defaultSuffix = QStringLiteral("tmr");
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen file's full path, or nothing when the dialog was cancelled.
  virtual std::optional<QString> OpenFile(QWidget* owner, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(QWidget* owner, const FileDialogRequest& request) = 0;
};

// The desktop's file dialogs. A name typed without an extension gets the
// default one. The save dialog asks before it replaces an existing file.
class QtFileDialogService : public FileDialogService {
 public:
  std::optional<QString> OpenFile(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(QWidget* owner, const FileDialogRequest& request) override;
  // Where a dialog asked for no folder starts before any dialog was used:
  // the program directory.
  void SetFirstFolder(const QString& folder) {
    if (lastFolder_.isEmpty()) lastFolder_ = folder;
  }

 private:
  std::optional<QString> Run(QWidget* owner, const FileDialogRequest& request, bool save);
  QString lastFolder_;
};

}  // namespace tamrel
