// The File menu's commands over the window's design state, its File host
// (window_hosts.h), the settings store, the recent-file entries and the
// project as last saved; the opener of the theory manual and the links.

#include "mainwindow/tamrel_window.h"

namespace tamrel {

FileCommands TamrelWindow::Files() {
  return FileCommands{ds_, fileHost_, settings_, recentMenu_, saved_};
}

DocumentOpener& TamrelWindow::Opener() {
  return opener_ != nullptr ? *opener_ : qtOpener_;
}

}  // namespace tamrel
