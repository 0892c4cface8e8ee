// Focus behaviour that needs a real X server: a modal message box shown
// from a leave handler takes the focus away and gives it back.

#include <QApplication>
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
};

TAMREL_GUI_TEST(FocusXvfbTest);

}  // namespace tamrel

#include "focus_xvfb_test.moc"
