// Focus behaviour that needs a real X server: a modal message box shown
// from a leave handler takes the focus away and gives it back. And the
// real message box lays its text out as written.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "box_window.h"
#include "gui_support.h"
#include "platform/message_service.h"

namespace tamrel {

class FocusXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void modalMessageBoxFromALeaveIsNoLeave() {
    BoxWindow w;
    QVERIFY(w.Show());
    int shown = 0;
    w.onLeave = [&](QLineEdit* e) {
      if (e != &w.a) return;
      testing::CloseNextModalWhenActive();
      QtMessageService().ShowExclamation(&w.window, " l >= 50 ");
      ++shown;
      e->setFocus();
    };
    w.a.setFocus();
    w.log.clear();
    w.b.setFocus();
    QCOMPARE(shown, 1);
    QTRY_VERIFY(w.window.isActiveWindow());
    QTRY_VERIFY(w.a.hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(w.log, QStringList({"leave a", "enter a"}));
  }

  // A message stands on one line, as it is written, where that takes at
  // most half the screen; a longer one wraps, never inside a formula.
  void messagesReadAsWritten() {
    struct Case {
      QString text;
      bool oneLine;
      const char* screenshot;
    };
    const Case cases[] = {
        {" For ALS condition, Allowable Usage Factor is recommended to be UF = 1.15 ", true,
         "message_als.png"},
        {" lt<=pi*Sqr(r*h), ref ch B.5.9 ", true, nullptr},
        {QString(" 50 <= fyp <= 2000 ").repeated(12), false, nullptr},
    };
    for (const Case& c : cases) {
      QStringList lines;
      int labelHeight = -1;
      int lineSpacing = 0;
      QImage image;
      QTimer timer;
      QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isActiveWindow()) return;
        timer.stop();
        for (QLabel* label : box->findChildren<QLabel*>()) {
          if (label->text() != box->text()) continue;
          lines =
              testing::WrappedLines(label->text(), label->font(), label->contentsRect().width());
          labelHeight = label->height();
          lineSpacing = label->fontMetrics().lineSpacing();
        }
        image = box->grab().toImage();
        QTest::keyClick(box, Qt::Key_Return);
      });
      timer.start(20);
      QtMessageService().ShowExclamation(nullptr, c.text);
      QVERIFY(labelHeight > 0);
      QVERIFY2(testing::LineBrokenInAFormula(lines).isEmpty(), qPrintable(lines.join('|')));
      if (c.oneLine) {
        QVERIFY2(lines.size() == 1 && labelHeight < 2 * lineSpacing, qPrintable(lines.join('|')));
      } else {
        QVERIFY(lines.size() > 1);
      }
      if (c.screenshot != nullptr) {
        QVERIFY(image.save(QDir(TAMREL_SCREENSHOT_DIR).filePath(c.screenshot)));
      }
    }
  }
};

TAMREL_GUI_TEST(FocusXvfbTest);

}  // namespace tamrel

#include "focus_xvfb_test.moc"
