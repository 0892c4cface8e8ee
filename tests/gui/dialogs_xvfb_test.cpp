// Activation of the section dialogs with real modal message boxes on a real
// X server: a dialog is activated when it is shown and when the user comes
// to it from another window of the program, never again when a message box
// it (or the recalculation) showed closes. Screenshots of all twenty
// dialogs, whose controls must all be whole and apart.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "dialog_fixture.h"
#include "dialogs/built_up_dialog.h"
#include "layout_check.h"
#include "platform/message_service.h"

namespace tamrel {

using testing::DialogWorld;

namespace {

// Presses Enter in every modal box once the window system has activated
// it, as a user would, until stopped.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal->isActiveWindow()) {
        ++closed;
        QTest::keyClick(modal, Qt::Key_Return);
      }
    });
    timer_.start(20);
  }
  int closed = 0;

 private:
  QTimer timer_;
};

// The calculation core's messages as the main window shows them: a modal
// box over the window that is active.
class ShowingWindow : public testing::FakeWindow {
 public:
  void ShowExclamation(const std::string& text) override {
    FakeWindow::ShowExclamation(text);
    QtMessageService().ShowExclamation(QApplication::activeWindow(), QString::fromStdString(text));
  }
};

struct RealWorld : DialogWorld {
  QtMessageService real;
  ShowingWindow showing;
  RealWorld() {
    host.messages = &real;
    ds.mainfrm = &showing;
    host.owner.show();
    Activate(&host.owner);
  }
  ~RealWorld() { host.owner.hide(); }
};

// Lets the window system deliver what is pending.
void Settle() {
  for (int i = 0; i < 10; ++i) {
    QTest::qWait(20);
    QCoreApplication::processEvents();
  }
}

}  // namespace

class DialogsXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void aMessageBoxFromABoxIsNoNewActivation() {
    RealWorld w;
    QCOMPARE(QApplication::activeWindow(), &w.host.owner);
    auto* d = static_cast<BuiltUpDialog*>(w.Open(Member::RingFrame, kTBuiltUp));
    QVERIFY(d != nullptr);
    QCOMPARE(w.host.recalcs, 1);
    ModalCloser closer;
    QLineEdit* h = d->Box(Quantity::H);
    QVERIFY(h->hasFocus());
    h->setText(QStringLiteral("4"));
    d->Box(Quantity::B)->setFocus();  // leave: " H >= 5 " in a modal box
    Settle();
    QCOMPARE(closer.closed, 1);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d->Window()));
    Settle();
    QCOMPARE(w.host.recalcs, 2);  // the leave's own recalculation only
    QTRY_VERIFY(h->hasFocus());   // the focus is back in the box
    QCOMPARE(double(w.ds.girdtb_h), 5.0);

    // From the main window back to the dialog: activated again.
    w.ds.ringtype = kLTable;
    QVERIFY(DialogWorld::Activate(&w.host.owner));
    QVERIFY(DialogWorld::Activate(d->Window()));
    Settle();
    QCOMPARE(w.host.recalcs, 3);
    QCOMPARE(w.ds.ringtype, std::int16_t(kTBuiltUp));
  }

  // OK clicked while the H box of the stiffener T dialog shows 3: the click
  // takes the focus from the box, whose leave gives " H >= 5 "; confirming
  // gives it again and so does the closing it starts, each in a real modal
  // box; the dialog closes, and the recalculation after it uses H = 3.
  void okClickedInATooSmallHBoxGivesItsMessagesAndCloses() {
    RealWorld w;
    auto* d = static_cast<BuiltUpDialog*>(w.Open(Member::Stiffener, kTBuiltUp));
    QVERIFY(d != nullptr);
    QLineEdit* h = d->Box(Quantity::H);
    QVERIFY(h->hasFocus());
    h->setText(QStringLiteral("3"));
    auto* ok = DialogWorld::Control<QWidget>(d, "Command1");
    const int recalcs = w.host.recalcs;
    double atRecalc = -1;
    w.host.onRecalculate = [&] { atRecalc = double(w.ds.stifftb_h); };
    ModalCloser closer;
    QTest::mousePress(ok, Qt::LeftButton);
    if (closer.closed > 0) {
      // A message came up under the pressed button: it took the release.
      QTest::mouseRelease(&w.host.owner, Qt::LeftButton);
    } else {
      QTest::mouseRelease(ok, Qt::LeftButton);
    }
    QTRY_VERIFY(!d->Loaded());
    Settle();
    QCOMPARE(closer.closed, 3);
    QCOMPARE(double(w.ds.stifftb_h), 3.0);
    QCOMPARE(w.host.recalcs, recalcs + 2);  // the leave's, and the one after OK
    QCOMPARE(atRecalc, 3.0);
  }

  // OK (entered by Tab) with an H box that shows 3: " H >= 5 " from
  // confirming and again from closing, in real modal boxes, and the dialog
  // closes. The activation that the second box gives back to the dialog
  // arrives after the dialog is closed: it must not count as the user
  // leaving the H box (a third message, shown while the closed dialog is
  // deleted under it, ended the program).
  void okWithATooSmallHGivesItsMessageTwiceAndCloses() {
    RealWorld w;
    auto* d = static_cast<BuiltUpDialog*>(w.Open(Member::Stiffener, kTBuiltUp));
    QVERIFY(d != nullptr);
    auto* ok = DialogWorld::Control<QWidget>(d, "Command1");
    QTest::keyClick(d->Box(Quantity::H), Qt::Key_Tab);  // H, B, tw, tf, OK: leaves H
    ok->setFocus(Qt::TabFocusReason);
    Settle();
    d->Box(Quantity::H)->setText(QStringLiteral("3"));
    const int recalcs = w.host.recalcs;
    ModalCloser closer;
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!d->Loaded());
    Settle();
    QCOMPARE(closer.closed, 2);
    QCOMPARE(double(w.ds.stifftb_h), 3.0);
    QCOMPARE(w.host.recalcs, recalcs + 1);
  }

  void aWarningOfTheActivationsRecalculationIsNoNewActivation() {
    RealWorld w;
    w.ds.ringlt = 99999.0f;  // too long: the recalculation warns and corrects it
    ModalCloser closer;
    SectionDialog* d = w.Open(Member::Stiffener, kLTable);
    QVERIFY(d != nullptr);
    Settle();
    QTRY_COMPARE(closer.closed, 1);
    Settle();
    QCOMPARE(w.showing.messages.size(), size_t(1));
    QCOMPARE(w.host.recalcs, 1);
    QVERIFY(d->Filled());
  }

  void switchingBetweenTwoDialogsActivatesEachOnce() {
    RealWorld w;
    SectionDialog* rhs = w.Open(Member::RingFrame, kRHS);
    SectionDialog* usp = w.Open(Member::RingFrame, kTrapezProfile);
    QVERIFY(rhs && usp);
    Settle();
    QCOMPARE(w.host.recalcs, 2);
    QVERIFY(DialogWorld::Activate(rhs->Window()));
    Settle();
    QCOMPARE(w.ds.ringtype, std::int16_t(kRHS));
    QCOMPARE(w.host.recalcs, 3);
    QVERIFY(DialogWorld::Activate(usp->Window()));
    Settle();
    QCOMPARE(w.ds.ringtype, std::int16_t(kTrapezProfile));
    QCOMPARE(w.host.recalcs, 4);
  }

  // Every dialog as the user sees it, filled from the new project and from
  // a ring frame whose limits give the longest texts: written to the
  // screenshots folder, with every control inside the window, its text
  // whole, and no control over another or over a frame's caption.
  void everyDialogShowsItsControlsWholeAndApart() {
    for (const bool slender : {false, true}) {
      for (const Member m : {Member::Stiffener, Member::RingFrame}) {
        for (int code = 0; code < 10; ++code) {
          RealWorld w;
          if (slender) {
            w.ds.cylr = 150000.0f;  // wide ring-frame limits: four and more digits
            w.ds.girdtb_h = 999.0;
            w.ds.girdtb_b = 999.0;
            w.ds.stifftb_h = 999.0;
          }
          SectionDialog* d = w.Open(m, code);
          QVERIFY(d != nullptr);
          Settle();
          QWidget* window = d->Window();
          const QStringList faults = testing::LayoutFaults(window);
          QVERIFY2(faults.isEmpty(),
                   qPrintable(QString::fromLatin1(d->Entry().name) + ": " + faults.join("; ")));
          if (!slender) {
            const QImage image = window->grab().toImage();
            QVERIFY(image.save(QDir(TAMREL_SCREENSHOT_DIR)
                                   .filePath(QString("dialog_%1.png").arg(d->Entry().name))));
          }
          d->Unload(SectionDialog::CloseReason::ProjectOpened);
        }
      }
    }
  }
};

TAMREL_GUI_TEST(DialogsXvfbTest);

}  // namespace tamrel

#include "dialogs_xvfb_test.moc"
