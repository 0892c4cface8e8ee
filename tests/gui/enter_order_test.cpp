// The Enter key in the main window: the round it takes for each cylinder
// type, with the yield boxes locked or typed; the boxes that parse and
// range-test before they let the focus go; the project name stored at once.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"

namespace tamrel {

using testing::LocaleScope;
using testing::StartedWindow;

namespace {

void Pick(QComboBox* combo, int i) {
  combo->setCurrentIndex(i);
  emit combo->activated(i);
}

// The control that has the focus, by its program name (a list's own line
// box counts as the list).
QString Focused() {
  QWidget* w = QApplication::focusWidget();
  if (w == nullptr) return QStringLiteral("(none)");
  if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr) w = w->parentWidget();
  return w->objectName();
}

void PressEnter() {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Enter from iproj until the focus comes back to it (or 40 presses).
QStringList Round(StartedWindow& s) {
  s.box("iproj")->setFocus(Qt::MouseFocusReason);
  QStringList round{Focused()};
  for (int i = 0; i < 40; ++i) {
    PressEnter();
    if (Focused() == "iproj") break;
    round << Focused();
  }
  return round;
}

}  // namespace

class EnterOrderTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void roundForEachCylinderType() {
    const QStringList head = {"iproj", "iident", "iufb", "icylr", "il", "it", "ie", "cbofyp"};
    const QStringList loading = {"isigx", "isigy", "itau", "ipp"};
    struct Case {
      const char* name;
      int type;
      bool typedYields;  // the last grade of every material list: the yield boxes open
      QStringList rest;  // after the head
    };
    const Case cases[] = {
        {"stringer stiffened, typed yields", 2, true,
         QStringList{"ifyp", "is1", "ilt", "cbostiff", "cbofys", "ifys", "icyll", "igilt",
                     "cboring", "cbofyg", "ifyg"} +
             loading},
        {"stringer stiffened, table grades", 2, false,
         QStringList{"is1", "ilt", "cbostiff", "cbofys", "icyll", "igilt", "cboring", "cbofyg"} +
             loading},
        {"ring stiffened, typed yields", 1, true,
         QStringList{"ifyp", "icyll", "igilt", "cboring", "cbofyg", "ifyg"} + loading},
        {"ring stiffened, table grades", 1, false,
         QStringList{"icyll", "igilt", "cboring", "cbofyg"} + loading},
        {"unstiffened, typed yields", 0, true, QStringList{"ifyp"} + loading},
        {"unstiffened, table grades", 0, false, loading},
        {"column, typed yields",
         3,
         true,
         {"ifyp", "icolL", "ik1", "ik2", "inn", "ip", "im1a", "im1b", "im2a", "im2b"}},
        {"column, table grades",
         3,
         false,
         {"icolL", "ik1", "ik2", "inn", "ip", "im1a", "im1b", "im2a", "im2b"}},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      QVERIFY(s.active);
      TamrelWindow& w = s.w();
      QRadioButton* types[] = {w.cylinder0, w.cylinder1, w.cylinder2, w.cylinder3};
      types[c.type]->click();
      if (c.typedYields) {
        for (QComboBox* list : {w.cbofyp, w.cbofys, w.cbofyg}) Pick(list, list->count() - 1);
      }
      QCOMPARE(s.box("ifyp")->isEnabled(), c.typedYields);
      const QStringList round = Round(s);
      QCOMPARE(round, head + c.rest);
      QVERIFY2(s.messages.shown.isEmpty(), c.name);
      QVERIFY2(Focused() == "iproj", c.name);
    }
  }

  // Enter in a parse-and-move box rewrites the value and keeps the focus
  // on a failed range test; leaving then repeats the message and
  // calculates with the value.
  void rangeFailureKeepsTheFocus() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    w.cylinder3->click();
    s.Type("ik1", "0.1");
    const int drawings = w.ResultDrawings();
    PressEnter();
    QCOMPARE(s.box("ik1")->text(), QString("0.10"));
    QCOMPARE(s.messages.shown, QStringList({" k1 >= 0.2  "}));
    QCOMPARE(Focused(), QString("ik1"));
    QCOMPARE(w.ResultDrawings(), drawings);  // the key never recalculates
    QTest::keyClick(s.box("ik1"), Qt::Key_Tab);
    QCOMPARE(s.messages.shown, QStringList({" k1 >= 0.2  ", " k1 >= 0.2  "}));
    QCOMPARE(w.ResultDrawings(), drawings + 1);
    QCOMPARE(s.ds.k1.value(), static_cast<double>(0.1f));
  }

  // The leave that the move runs reads the rewritten text back: the value
  // is calculated as shown.
  void enterStoresTheShownValue() {
    StartedWindow s;
    s.w().cylinder3->click();
    s.Type("im1a", "-123.46");
    PressEnter();
    QCOMPARE(Focused(), QString("im1b"));
    QCOMPARE(s.box("im1a")->text(), QString("-123.5"));
    QCOMPARE(s.ds.M1a.value(), static_cast<double>(-123.5f));
    QVERIFY(s.messages.shown.isEmpty());
  }

  // After a message that Enter brought, the box has its whole text
  // selected, as after Tab: the correction the user types replaces the text
  // instead of being added to it ("0.19" and "0.2" read as 0.190.2).
  void theCorrectionAfterAnEnterMessageReplacesTheText() {
    struct Case {
      const char* name;
      bool commaLocale;
      int type;  // cylinder type
      const char* box;
      const char* wrong;
      const char* message;
      const char* correction;
      const char* next;  // where the accepted correction moves the focus
    };
    const Case cases[] = {
        {"k1 below its limit", false, 3, "ik1", "0.19", " k1 >= 0.2  ", "0.2", "ik2"},
        {"spacing beyond the radius", false, 2, "is1", "4000", " s  <= r  ", "600", "ilt"},
        {"no number", true, 2, "isigx", "abc", "Input string mismatch ", "-55,5", "isigy"},
    };
    for (const Case& c : cases) {
      const LocaleScope locale{c.commaLocale ? QLocale(QLocale::German, QLocale::Germany)
                                             : QLocale::c()};
      StartedWindow s;
      TamrelWindow& w = s.w();
      QRadioButton* types[] = {w.cylinder0, w.cylinder1, w.cylinder2, w.cylinder3};
      types[c.type]->click();
      // The user enters the box (the event loop runs), types over its
      // selected text and presses Enter with the cursor at the end.
      QLineEdit* box = s.box(c.box);
      box->setFocus(Qt::MouseFocusReason);
      QCoreApplication::processEvents();
      QTest::keyClicks(box, c.wrong);
      QCOMPARE(box->text(), QString(c.wrong));
      PressEnter();
      QCOMPARE(s.messages.shown, QStringList({c.message}));
      QCoreApplication::processEvents();  // as when the message box has closed
      QVERIFY2(box->hasFocus(), c.name);
      QVERIFY2(box->selectedText() == box->text(), c.name);
      QTest::keyClicks(box, c.correction);
      QCOMPARE(box->text(), QString(c.correction));
      PressEnter();
      QVERIFY2(Focused() == c.next, c.name);
      QCOMPARE(s.messages.shown.size(), 1);
    }
  }

  // Both range tests of the stiffener spacing keep the focus on Enter;
  // leaving by a click lets it go after the second one.
  void stiffenerSpacingAboveTheRadius() {
    StartedWindow s;
    s.Type("is1", "4000");
    PressEnter();
    QCOMPARE(s.messages.shown, QStringList({" s  <= r  "}));
    QCOMPARE(Focused(), QString("is1"));
    s.messages.shown.clear();
    s.LeaveTo("ilt");
    QCOMPARE(s.messages.shown, QStringList({" s  <= r  "}));
    QCOMPARE(Focused(), QString("ilt"));
    QCOMPARE(s.ds.stiffspacing, 4000.0f);
  }

  // A move box says nothing itself: its leave tests and recalculates.
  void moveBoxesLeaveTheirTestToTheLeave() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    s.Type("ie", "2.0E+5");
    int drawings = w.ResultDrawings();
    PressEnter();
    QCOMPARE(Focused(), QString("cbofyp"));
    QVERIFY(s.messages.shown.isEmpty());
    QCOMPARE(w.ResultDrawings(), drawings + 1);  // from the leave
    QCOMPARE(s.ds.emod, 2.0e5f);
    // The project name is stored by the key itself.
    s.Type("iproj", "Jacket leg");
    PressEnter();
    QCOMPARE(s.ds.proj, std::string("Jacket leg"));
    QCOMPARE(Focused(), QString("iident"));
    PressEnter();
    QCOMPARE(Focused(), QString("iufb"));
    // Enter in a list is swallowed: it chooses nothing.
    w.cbostiff->setFocus(Qt::MouseFocusReason);
    const int before = w.ResultDrawings();
    PressEnter();
    QCOMPARE(Focused(), QString("cbofys"));
    QCOMPARE(w.ResultDrawings(), before);
    QCOMPARE(s.ds.stifftype, std::int16_t(kLTable));
    // Out of range: the leave that the move runs warns and takes the focus back.
    s.Type("ie", "500");
    drawings = w.ResultDrawings();
    PressEnter();
    QCOMPARE(s.messages.shown, QStringList({" 1000 <= E-modulus "}));
    QCOMPARE(Focused(), QString("ie"));
    QCOMPARE(w.ResultDrawings(), drawings + 1);
  }

  // Where the locale writes a decimal comma, text that is no number stops
  // the key: the message, the focus stays, nothing stored.
  void typeMismatchInACommaLocale() {
    const LocaleScope locale{QLocale(QLocale::German, QLocale::Germany)};
    StartedWindow s;
    const double sigx = s.ds.Sigx.value();
    s.Type("isigx", "abc");
    PressEnter();
    QCOMPARE(s.messages.shown, QStringList({"Input string mismatch "}));
    QCOMPARE(Focused(), QString("isigx"));
    QCOMPARE(s.ds.Sigx.value(), sigx);
    QCOMPARE(s.box("isigx")->text(), QString("abc"));
    s.box("isigx")->selectAll();
    QTest::keyClicks(s.box("isigx"), "-55,5");
    PressEnter();
    QCOMPARE(Focused(), QString("isigy"));
    QCOMPARE(s.ds.Sigx.value(), static_cast<double>(-55.5f));
  }
};

TAMREL_GUI_TEST(EnterOrderTest);

}  // namespace tamrel

#include "enter_order_test.moc"
