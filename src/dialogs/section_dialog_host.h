#pragma once
// What the section dialogs need of the main window. The main window
// implements it; tests use a fake.

#include <QRect>
#include <string>

#include "dialogs/dialog_catalogue.h"

class QWidget;

namespace tamrel {

class FocusBinder;
class MessageService;

class SectionDialogHost {
 public:
  virtual ~SectionDialogHost() = default;

  // The main window: parent of every dialog window (modeless, kept above it).
  virtual QWidget* DialogOwner() = 0;
  // The main window's outer rectangle on the screen, frame included, in
  // pixels (QWidget::frameGeometry()). Dialogs are placed against it.
  virtual QRect OwnerFrameGeometry() = 0;

  // cbostiff (stiffener) or cboring (ring frame): show the combo's own list
  // entry at index code as its text, choosing nothing and running no handler.
  virtual void ShowProfileTypeEntry(Member member, int code) = 0;
  // The caption of the label ringprof.
  virtual void SetRingProfileCaption(const std::string& caption) = 0;

  // Recalculate the whole project: tamrel::Recalculate on the design state,
  // nothing more and nothing less.
  virtual void RecalculateProject() = 0;

  // The program's message service (exclamation boxes) and its focus/leave
  // binder, shared with the main window.
  virtual MessageService& Messages() = 0;
  virtual FocusBinder& Binder() = 0;
};

}  // namespace tamrel
