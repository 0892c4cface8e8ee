#include "platform/message_service.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace tamrel {

void QtMessageService::ShowExclamation(QWidget* owner, const QString& text) {
  const QPointer<QWidget> window = owner ? owner->window() : nullptr;
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok,
                  owner);
  box.exec();
  // Give the owner its activation back at once, also where no window
  // manager does (the focus returns to the box that had it); not to a
  // window closed meanwhile.
  if (window && window->isVisible()) window->activateWindow();
}

}  // namespace tamrel
