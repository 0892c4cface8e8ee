// The File menu's commands through the main window: the file dialogs, the
// project-name boxes, the refill, the section dialogs and the recent-file
// entries as the File commands need them.

#include <QAction>
#include <QLineEdit>

#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"

namespace tamrel {

FileCommands TamrelWindow::Files() {
  return FileCommands{ds_, *this, settings_, recentMenu_, saved_};
}

FileCommandHost::SaveAnswer TamrelWindow::AskSaveChanges(const std::string& question) {
  switch (messages_.AskYesNoCancel(this, QString::fromStdString(question))) {
    case MessageService::Answer::Yes: return SaveAnswer::Yes;
    case MessageService::Answer::No: return SaveAnswer::No;
    case MessageService::Answer::Cancel: return SaveAnswer::Cancel;
  }
  return SaveAnswer::Cancel;
}

FileDialogService& TamrelWindow::FileDialogs() {
  return fileDialogs_ != nullptr ? *fileDialogs_ : qtFileDialogs_;
}

DocumentOpener& TamrelWindow::Opener() {
  return opener_ != nullptr ? *opener_ : qtOpener_;
}

std::optional<std::string> TamrelWindow::ShowOpenDialog(const std::string& initDir) {
  FileDialogRequest request;
  request.directory = QString::fromStdString(initDir);
  request.fileName = QStringLiteral("*.tmr");
  const std::optional<QString> chosen = FileDialogs().OpenFile(this, request);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::optional<std::string> TamrelWindow::ShowSaveDialog(const std::string& initDir,
                                                        const std::string& proposed) {
  FileDialogRequest request;
  request.directory = QString::fromStdString(initDir);
  request.fileName = QString::fromStdString(proposed);
  const std::optional<QString> chosen = FileDialogs().SaveFile(this, request);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::string TamrelWindow::ProjectNameText() {
  return field("iproj")->text().toStdString();
}

std::string TamrelWindow::IdentificationText() {
  return field("iident")->text().toStdString();
}

void TamrelWindow::UnloadSectionDialogs() {
  sectionDialogs_->UnloadSectionDialogs();
}

void TamrelWindow::RecentFilesChanged() {
  ApplyRecentFileMenu();
}

}  // namespace tamrel
