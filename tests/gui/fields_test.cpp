// The input boxes of the main window: typing and leaving stores, rewrites,
// range-tests and recalculates; the messages, their texts and where the
// focus goes; both locale modes.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <stdexcept>

#include "calc/checks.h"
#include "calc/numeric.h"
#include "main_window_fixture.h"
#include "mainwindow/input_fields.h"
#include "platform/controls.h"

namespace tamrel {

using testing::LocaleScope;
using testing::StartedWindow;

namespace {

// The user picks an item of a list.
void Pick(QComboBox* combo, int i) {
  combo->setCurrentIndex(i);
  emit combo->activated(i);
}

QColor BoxColour(QLineEdit* box) {
  return box->palette().color(QPalette::Active, QPalette::Base);
}

double Stored(const DesignState& ds, const char* box) {
  return FindField(box)->variable.Get(ds);
}

}  // namespace

class FieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void typingAndLeavingStoresRewritesAndRecalculates() {
    StartedWindow s;
    QVERIFY(s.active);
    const QString before = s.w().pic30->PlainText();
    s.Type("icylr", "2500.4");
    QCOMPARE(BoxColour(s.box("icylr")), QColor(255, 255, 192));
    const int drawings = s.w().ResultDrawings();
    s.LeaveTo("il");
    QCOMPARE(s.ds.cylr, 2500.4f);
    QCOMPARE(s.box("icylr")->text(), QString("2500"));
    QCOMPARE(s.w().ResultDrawings(), drawings + 1);
    QVERIFY(s.w().pic30->PlainText() != before);
    QCOMPARE(BoxColour(s.box("icylr")), QColor(Qt::white));
    QCOMPARE(BoxColour(s.box("il")), QColor(255, 255, 192));
    QTRY_COMPARE(s.box("il")->selectedText(), QString("3000"));  // whole text selected
    QVERIFY(s.messages.shown.isEmpty());
  }

  // The click that gives a box the focus does not undo its select-all.
  void mouseClickSelectsTheWholeText() {
    StartedWindow s;
    QVERIFY(s.active);
    QTest::mouseClick(s.box("icylr"), Qt::LeftButton, {}, QPoint(4, 5));
    QTRY_COMPARE(s.box("icylr")->selectedText(), QString("3333"));
    QCOMPARE(BoxColour(s.box("icylr")), QColor(255, 255, 192));
  }

  void everyLeaveCommitsEditedOrNot() {
    StartedWindow s;
    QVERIFY(s.active);
    s.ds.cylt = Variant(20.26f);  // as a project file may give it
    s.w().ShowDesignState();
    QCOMPARE(s.box("it")->text(), QString("20.3"));
    const int drawings = s.w().ResultDrawings();
    s.Enter("icylr");
    s.LeaveTo("il");
    s.LeaveTo("it");
    s.LeaveTo("ie");
    QCOMPARE(s.w().ResultDrawings(), drawings + 3);
    QCOMPARE(s.ds.cylt.value(), static_cast<double>(20.3f));  // the shown value became stored
    QCOMPARE(s.ds.cylt.kind(), Variant::Kind::Single);
  }

  void textBoxesStoreTheirText() {
    StartedWindow s;
    QVERIFY(s.active);
    s.Type("iproj", "  Jacket leg 3 ");
    const int drawings = s.w().ResultDrawings();
    s.LeaveTo("iident");
    QCOMPARE(s.ds.proj, std::string("  Jacket leg 3 "));
    QCOMPARE(s.w().ResultDrawings(), drawings);  // nothing to calculate
  }

  // Each range message once, with its exact text; the value stays stored
  // and is calculated with (not the usage factor); the focus goes back
  // where the box says so.
  void rangeMessages() {
    enum Setup { Default, Column, TypedGrades };
    struct Case {
      const char* box;
      const char* typed;
      Setup setup;
      const char* message;  // nullptr: none
      bool focusBack;
      double stored;
      const char* shown;
      bool recalculated;
    };
    const Case cases[] = {
        {"ifyp", "2500", TypedGrades, " 50 <= fyp <= 2000 ", true, 2500, "2500", true},
        {"ifyp", "2000", TypedGrades, nullptr, false, 2000, "2000", true},
        {"ifys", "49", TypedGrades, " 50 <= fys <= 2000 ", true, 49, "49", true},
        {"ifyg", "2001", TypedGrades, " 50 <= fys <= 2000 ", true, 2001, "2001", true},
        {"ie", "999.6", Default, nullptr, false, 999.6f, "1.00E+3", true},
        {"ie", "500", Default, " 1000 <= E-modulus ", true, 500, "5.00E+2", true},
        {"it", "0.05", Default, " 0.1 <= t ", true, 0.05f, "0.1", true},
        {"it", "0.1", Default, nullptr, false, 0.1f, "0.1", true},
        {"it", "", Default, " 0.1 <= t ", true, 0, "0.0", true},
        {"il", "40", Default, " l >= 50 ", false, 40, "40", true},
        {"is1", "5", Default, " 10 <= s   ", true, 5, "05", true},
        {"is1", "4000", Default, " s  <= r  ", false, 4000, "4000", true},
        {"ilt", "49", Default, " 50 <= lt ", true, 49, "49", true},
        {"icyll", "40", Default, " L >= 50  ", true, 40, "40", true},
        {"icyll", "2000", Default, " L >= l  ", true, 2000, "2000", true},
        {"igilt", "49", Default, " 50 <= lt ", true, 49, "49", true},
        {"iufb", "1.6", Default, " 0.5 < UF < 1.5 ", true, 1.6f, "1.60", false},
        {"iufb", "0.49", Default, " 0.5 < UF < 1.5 ", true, 0.49f, "0.49", false},
        {"iufb", "0.5", Default, nullptr, false, 0.5, "0.50", true},
        {"iufb", "1.5", Default, nullptr, false, 1.5, "1.50", true},
        {"isigx", "abc", Default, nullptr, false, 0, "0.0", true},
        {"isigx", "-12,35", Default, nullptr, false, -12.35f, "-12.4", true},
        {"icolL", "40", Column, " L >= 50  ", true, 40, "40", true},
        {"icolL", "6500", Column, nullptr, false, 6500, "6500", true},
        {"ik1", "0.2", Column, nullptr, false, 0.2f, "0.20", true},
        {"ik1", "0.19", Column, " k1 >= 0.2  ", true, 0.19f, "0.19", true},
        {"ik2", "0.2", Column, nullptr, false, 0.2f, "0.20", true},
        {"ik2", "0.19", Column, " k2 >= 0.2  ", true, 0.19f, "0.19", true},
        {"im1a", "-123.46", Column, nullptr, false, -123.46f, "-123.5", true},
        {"ip", "0.25", Column, nullptr, false, 0.25f, "0.250", true},
    };
    for (const Case& c : cases) {
      const QString what = QString("%1 \"%2\"").arg(c.box, c.typed);
      StartedWindow s;
      QVERIFY(s.active);
      if (c.setup == Column) s.w().cylinder3->click();
      if (c.setup == TypedGrades) {
        for (QComboBox* list : {s.w().cbofyp, s.w().cbofys, s.w().cbofyg}) {
          Pick(list, s.ds.mat.matlast);
        }
      }
      const char* next = c.setup == Column ? "inn" : "isigy";
      s.Type(c.box, c.typed);
      const int drawings = s.w().ResultDrawings();
      s.LeaveTo(next);
      QCoreApplication::processEvents();
      const QStringList want = c.message ? QStringList{c.message} : QStringList{};
      QVERIFY2(s.messages.shown == want, qPrintable(what + ": " + s.messages.shown.join('|')));
      QVERIFY2(Stored(s.ds, c.box) == c.stored, qPrintable(what));
      QCOMPARE(s.box(c.box)->text(), QString(c.shown));
      QVERIFY2((s.w().ResultDrawings() > drawings) == c.recalculated, qPrintable(what));
      QLineEdit* focused = c.focusBack ? s.box(c.box) : s.box(next);
      QVERIFY2(QApplication::focusWidget() == focused, qPrintable(what));
      if (c.focusBack) {
        // Highlighted and the whole text selected again.
        QCOMPARE(BoxColour(s.box(c.box)), QColor(255, 255, 192));
        QTRY_COMPARE(s.box(c.box)->selectedText(), QString(c.shown));
      }
    }
  }

  // With the ring frame 200 high and a 12 mm flange on r = 3333 the limit
  // is pi sqrt(3333 x 188) = 2486.83.
  void trippingLengthCorrectedBelowTheLimit() {
    StartedWindow s;
    QVERIFY(s.active);
    Pick(s.w().cboring, kTBuiltUp);
    QVERIFY(s.DialogFilled(Member::RingFrame, kTBuiltUp));
    QCOMPARE(s.ds.hg.value(), 200.0);
    QCOMPARE(s.ds.tfg, 12.0f);
    QVERIFY(std::abs(TrippingLengthLimit(s.ds) - 2486.83f) < 0.01f);
    s.Type("igilt", "3000");
    s.LeaveTo("isigx");
    QCOMPARE(s.messages.shown, QStringList({" lt<=pi*Sqr(r*h), ref ch B.5.9 "}));
    QCOMPARE(s.ds.ringlt, Sng(kPi * std::sqrt(3333.0 * 188.0) - 1));
    QVERIFY(std::abs(s.ds.ringlt - 2485.83f) < 0.01f);
    QCOMPARE(s.box("igilt")->text(), QString("2486"));
    QCOMPARE(QApplication::focusWidget(), s.box("igilt"));
    s.messages.shown.clear();
    s.LeaveTo("isigx");  // 2486 passes
    QVERIFY(s.messages.shown.isEmpty());
    QCOMPARE(s.ds.ringlt, 2486.0f);
  }

  // A focus move asked for by the recalculation runs only the focus
  // handler of its target: one message, one recalculation.
  void focusMoveInsideTheRecalculation() {
    StartedWindow s;
    QVERIFY(s.active);
    s.ds.ringlt = 5000;  // far beyond the limit
    s.Enter("icylr");
    const int drawings = s.w().ResultDrawings();
    s.LeaveTo("il");
    QCOMPARE(s.messages.shown, QStringList({" lt<=pi*Sqr(r*h), ref ch B.5.9 "}));
    QCOMPARE(s.w().ResultDrawings(), drawings + 1);
    QCOMPARE(QApplication::focusWidget(), s.box("igilt"));
    QCOMPARE(BoxColour(s.box("igilt")), QColor(255, 255, 192));
    QCOMPARE(BoxColour(s.box("il")), QColor(Qt::white));
    QCOMPARE(s.w().binder().Entered(s.box("igilt")), s.box("igilt"));
    QCOMPARE(s.ds.ringspacing.value(), 3000.0);  // il was never committed
  }

  // A recalculation that does not come from a leave (a section dialog's)
  // and moves the focus commits nothing of the box being typed in: the box
  // shows again what the project holds, the project name and
  // identification as much as a number (else the report would print one
  // name while the box shows another).
  void focusMoveOutsideALeaveRestoresTheBoxBeingTyped() {
    struct Case {
      const char* box;
      const char* typed;
      const char* shown;
    };
    for (const Case& c : {Case{"il", "2000", "3000"}, Case{"iproj", "Silo 7", "Project"},
                          Case{"iident", "rev B", "Test"}}) {
      StartedWindow s;
      QVERIFY(s.active);
      s.Type(c.box, c.typed);
      s.ds.ringlt = 5000;
      s.w().DialogHost().RecalculateProject();
      QCOMPARE(QApplication::focusWidget(), s.box("igilt"));
      QCOMPARE(s.box(c.box)->text(), QString(c.shown));
      QCOMPARE(BoxColour(s.box(c.box)), QColor(Qt::white));
      QCOMPARE(s.ds.ringspacing.value(), 3000.0);
      QCOMPARE(s.ds.proj, std::string("Project"));
      QCOMPARE(s.ds.ident, std::string("Test"));
    }
  }

  // Two out-of-range boxes in a row: one message, the focus back on the
  // first, no alternation.
  void twoOutOfRangeBoxesGiveOneMessage() {
    StartedWindow s;
    QVERIFY(s.active);
    s.ds.stifflt = Variant(10.0f);  // stored out of range, as a project may hold it
    s.w().ShowDesignState();
    s.Type("it", "0.05");
    s.LeaveTo("ilt");
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(s.messages.shown, QStringList({" 0.1 <= t "}));
    QCOMPARE(QApplication::focusWidget(), s.box("it"));
    // Mended and left for the other box: now that box is entered, and its
    // own leave reports it.
    s.Type("it", "20");
    s.LeaveTo("ilt");
    QCOMPARE(s.messages.shown, QStringList({" 0.1 <= t "}));
    s.LeaveTo("isigx");
    QCOMPARE(s.messages.shown, QStringList({" 0.1 <= t ", " 50 <= lt "}));
  }

  void commaLocale() {
    const LocaleScope locale{QLocale(QLocale::NorwegianBokmal, QLocale::Norway)};
    StartedWindow s;
    QVERIFY(s.active);
    QCOMPARE(s.ds.decflag.value(), -1.0);
    // Not a number: the message, the focus back, nothing stored or calculated.
    s.Type("isigx", "abc");
    int drawings = s.w().ResultDrawings();
    s.LeaveTo("isigy");
    QCOMPARE(s.messages.shown, QStringList({"Input string mismatch "}));
    QCOMPARE(s.ds.Sigx.value(), -100.0);
    QCOMPARE(s.box("isigx")->text(), QString("abc"));
    QCOMPARE(s.w().ResultDrawings(), drawings);
    QCOMPARE(QApplication::focusWidget(), s.box("isigx"));
    // A point is read as the decimal comma.
    s.messages.shown.clear();
    s.Type("isigx", "-12.5");
    s.LeaveTo("isigy");
    QCOMPARE(s.ds.Sigx.value(), -12.5);
    QCOMPARE(s.box("isigx")->text(), QString("-12,5"));
    QVERIFY(s.messages.shown.isEmpty());
    // An emptied box is no number either.
    s.Type("it", "");
    s.LeaveTo("ie");
    QCOMPARE(s.messages.shown, QStringList({"Input string mismatch "}));
    QCOMPARE(s.ds.cylt.value(), 20.0);
    // A number too large for single precision, in either locale (the wall
    // thickness mended first, so that entering E leaves it without a message).
    s.Type("it", "20");
    s.messages.shown.clear();
    s.Type("ie", "1e40");
    QVERIFY(s.messages.shown.isEmpty());
    drawings = s.w().ResultDrawings();
    s.LeaveTo("it");
    QCOMPARE(s.messages.shown, QStringList({"Input string mismatch "}));
    QCOMPARE(s.ds.emod, 210000.0f);
    QCOMPARE(s.w().ResultDrawings(), drawings);
  }

  // A number too large for single precision is no number in either locale:
  // leaving its box or pressing Enter in it says "Input string mismatch ",
  // puts the focus back and stores and calculates nothing.
  void aNumberTooLargeForSinglePrecisionIsNoNumberInEitherLocale() {
    const QStringList mismatch{"Input string mismatch "};
    for (const bool comma : {false, true}) {
      const LocaleScope locale{comma ? QLocale(QLocale::NorwegianBokmal, QLocale::Norway)
                                     : QLocale::c()};
      for (const char* text : {"1e40", "-1,5e39"}) {
        StartedWindow s;
        QVERIFY(s.active);
        QCOMPARE(s.ds.decflag.value(), comma ? -1.0 : 0.0);
        s.Type("icylr", text);
        const int drawings = s.w().ResultDrawings();
        s.LeaveTo("il");
        QCOMPARE(s.messages.shown, mismatch);
        QCOMPARE(QApplication::focusWidget(), s.box("icylr"));
        QCOMPARE(s.box("icylr")->text(), QString(text));
        QCOMPARE(s.ds.cylr, 3333.0f);
        QCOMPARE(s.w().ResultDrawings(), drawings);

        s.messages.shown.clear();
        QTest::keyClick(s.box("icylr"), Qt::Key_Return);
        QCOMPARE(s.messages.shown, mismatch);
        QCOMPARE(QApplication::focusWidget(), s.box("icylr"));
        QCOMPARE(s.ds.cylr, 3333.0f);
        QCOMPARE(s.w().ResultDrawings(), drawings);
      }
    }
  }

  void pointLocaleTooLargeIsNoNumber() {
    StartedWindow s;
    QVERIFY(s.active);
    s.Type("icylr", "1e40");
    s.LeaveTo("il");
    QCOMPARE(s.messages.shown, QStringList({"Input string mismatch "}));
    QCOMPARE(s.ds.cylr, 3333.0f);
    QCOMPARE(s.box("icylr")->text(), QString("1e40"));
  }

  // Any other failure while a box is committed ends its handler quietly:
  // the value stays stored and rewritten, nothing is recalculated, and the
  // colour is reset, except the usage factor's.
  void failureWhileCommittingEndsQuietly() {
    struct Case {
      const char* box;
      const char* typed;
      float stored;
      const char* shown;
      bool colourReset;
    };
    const Case cases[] = {
        {"it", "0.05", 0.05f, "0.1", true},
        {"iufb", "1.6", 1.6f, "1.60", false},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      QVERIFY(s.active);
      s.messages.onShow = [](const QString&) { throw std::runtime_error("no message box"); };
      s.Type(c.box, c.typed);
      const int drawings = s.w().ResultDrawings();
      s.LeaveTo("isigy");
      QCOMPARE(Stored(s.ds, c.box), static_cast<double>(c.stored));
      QCOMPARE(s.box(c.box)->text(), QString(c.shown));
      QCOMPARE(s.w().ResultDrawings(), drawings);
      QCOMPARE(QApplication::focusWidget(), s.box("isigy"));
      QCOMPARE(BoxColour(s.box(c.box)) == QColor(Qt::white), c.colourReset);
    }
  }

  // Values that make the formulas undefined never stop the program: the
  // result tables show "n/a" or red, the boxes keep working.
  void degenerateValuesAreCalculatedWithoutFailing() {
    StartedWindow s;
    QVERIFY(s.active);
    s.ds.cylt = Variant(0.0f);
    s.ds.emod = 0.0f;
    s.ds.stiffspacing = Variant(0.0f);
    for (const char* box : {"icylr", "il", "isigx", "ipp"}) {
      s.Type(box, "0");
      s.LeaveTo("itau");
    }
    s.Type("icylr", "-5");
    s.LeaveTo("itau");
    QVERIFY(s.w().pic30->PlainText().startsWith("Shell Buckling"));
    s.Type("icylr", "3333");
    s.LeaveTo("itau");
    QCOMPARE(s.ds.cylr, 3333.0f);
    QCOMPARE(QApplication::focusWidget(), s.box("itau"));
  }
};

TAMREL_GUI_TEST(FieldsTest);

}  // namespace tamrel

#include "fields_test.moc"
