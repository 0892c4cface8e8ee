#include "platform/message_service.h"

#include <QMessageBox>
#include <QWidget>

namespace tamrel {

void QtMessageService::ShowExclamation(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok,
                  owner);
  box.exec();
  // Give the owner its activation back at once, also where no window
  // manager does (the focus returns to the box that had it).
  if (owner) owner->window()->activateWindow();
}

}  // namespace tamrel
