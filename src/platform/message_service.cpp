#include "platform/message_service.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/formula_text.h"

namespace tamrel {

namespace {

// A message stands on one line, as it is written, where that line takes no
// more than half the screen's width (and 800 pixels); Qt's box would wrap it
// from 500 pixels on. A longer message wraps, never inside a formula.
void LayOutAsWritten(QMessageBox& box, const QString& text, const QWidget* owner) {
  box.setTextFormat(Qt::PlainText);
  box.setText(KeepFormulasTogether(text));
  QLabel* label = nullptr;
  for (QLabel* l : box.findChildren<QLabel*>()) {
    if (l->text() == box.text()) label = l;
  }
  if (label == nullptr || text.contains(u'\n')) return;
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QMargins m = label->contentsMargins();
  const int line = label->fontMetrics().horizontalAdvance(box.text()) + m.left() + m.right() +
                   2 * label->margin() + 4;
  if (line <= std::min(screen->availableGeometry().width() / 2, 800)) label->setMinimumWidth(line);
}

}  // namespace

void QtMessageService::ShowExclamation(QWidget* owner, const QString& text) {
  const QPointer<QWidget> window = owner ? owner->window() : nullptr;
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), QString(),
                  QMessageBox::Ok, owner);
  LayOutAsWritten(box, text, owner);
  box.exec();
  // Give the owner its activation back at once, also where no window
  // manager does (the focus returns to the box that had it); not to a
  // window closed meanwhile.
  if (window && window->isVisible()) window->activateWindow();
}

}  // namespace tamrel
