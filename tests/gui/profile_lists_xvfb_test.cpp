// The profile lists on a real X server, where the user switches to a
// section dialog that is already open: its activation makes its type the
// member's, the list shows it, and the arrow keys move on from it.

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"

namespace tamrel {

using testing::StartedWindow;

class ProfileListsXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  // The RHS dialog, then the T built-up one, then back to the RHS dialog:
  // Down chooses the Trapez-profile, Up the Bulb Flat, and opens its dialog.
  void arrowKeysMoveOnFromADialogActivatedAgain() {
    struct Case {
      const char* what;
      Member member;
      const char* rhsItem;
      const char* builtUpItem;
      Qt::Key key;
      int chosen;
    };
    const Case cases[] = {
        {"stiffener, Down", Member::Stiffener, "mnustiffrhs", "mnustifftb", Qt::Key_Down,
         kTrapezProfile},
        {"stiffener, Up", Member::Stiffener, "mnustiffrhs", "mnustifftb", Qt::Key_Up, kBulbFlat},
        {"ring frame, Down", Member::RingFrame, "mnugirdrhs", "mnugirdtb", Qt::Key_Down,
         kTrapezProfile},
        {"ring frame, Up", Member::RingFrame, "mnugirdrhs", "mnugirdtb", Qt::Key_Up, kBulbFlat},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      QVERIFY2(s.active, c.what);
      TamrelWindow& w = s.w();
      const bool stiffener = c.member == Member::Stiffener;
      if (!stiffener) w.cylinder1->click();  // ring-stiffened: the ring frame's list shows
      QComboBox* list = stiffener ? w.cbostiff : w.cboring;
      auto type = [&] { return stiffener ? s.ds.stifftype : s.ds.ringtype; };
      w.MenuItem(c.rhsItem)->trigger();
      QVERIFY2(s.DialogFilled(c.member, kRHS), c.what);
      w.MenuItem(c.builtUpItem)->trigger();
      QVERIFY2(s.DialogFilled(c.member, kTBuiltUp), c.what);
      QCOMPARE(list->currentText(), list->itemText(kTBuiltUp));

      // The user clicks the RHS dialog.
      QWidget* rhs = w.SectionDialogSet().Existing(c.member, kRHS)->Window();
      rhs->activateWindow();
      QVERIFY2(QTest::qWaitFor([&] { return QApplication::activeWindow() == rhs; }), c.what);
      QVERIFY2(QTest::qWaitFor([&] { return type() == kRHS; }), c.what);
      QCOMPARE(list->currentText(), list->itemText(kRHS));
      QCOMPARE(list->currentIndex(), int(kRHS));

      // Back in the main window, an arrow key in the list.
      w.activateWindow();
      QVERIFY2(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }), c.what);
      list->setFocus(Qt::MouseFocusReason);
      QTest::keyClick(list, c.key);
      QVERIFY2(type() == c.chosen, qPrintable(QString("%1: type %2").arg(c.what).arg(type())));
      QVERIFY2(s.DialogFilled(c.member, c.chosen), c.what);
      QCOMPARE(list->currentText(), list->itemText(c.chosen));
      QVERIFY2(s.messages.shown.isEmpty(), qPrintable(s.messages.shown.join('|')));
    }
  }
};

TAMREL_GUI_TEST(ProfileListsXvfbTest);

}  // namespace tamrel

#include "profile_lists_xvfb_test.moc"
