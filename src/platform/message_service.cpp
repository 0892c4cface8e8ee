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

// The program's message box: the exclamation icon, titled with the
// program's name, the text laid out as written; modal over its owner, which
// gets its activation back at once when the box closes, also where no
// window manager gives it back (the focus returns to the box that had it);
// not a window closed meanwhile.
QMessageBox::StandardButton ShowBox(QWidget* owner, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton first) {
  const QPointer<QWidget> window = owner ? owner->window() : nullptr;
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), QString(), buttons,
                  owner);
  box.setDefaultButton(first);
  LayOutAsWritten(box, text, owner);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  if (window && window->isVisible()) window->activateWindow();
  return answer;
}

}  // namespace

void QtMessageService::ShowExclamation(QWidget* owner, const QString& text) {
  ShowBox(owner, text, QMessageBox::Ok, QMessageBox::Ok);
}

MessageService::Answer QtMessageService::AskYesNoCancel(QWidget* owner, const QString& text) {
  // Cancel is the box's escape button: Escape and the close box answer it.
  switch (ShowBox(owner, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace tamrel
