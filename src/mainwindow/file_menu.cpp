// The File menu's commands through the main window: the file dialogs, the
// project-name boxes, the refill, the section dialogs and the recent-file
// entries as the File commands need them.

#include <QAction>
#include <QLineEdit>

#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"

namespace tamrel {

FileCommands TamrelWindow::Files() {
  return FileCommands{ds_, fileHost_, settings_, recentMenu_, saved_};
}

DocumentOpener& TamrelWindow::Opener() {
  return opener_ != nullptr ? *opener_ : qtOpener_;
}

}  // namespace tamrel
