// The twelve built-up dialogs: every dimension box's limit, message and
// set-back when it is left, the Enter order and colours, the property
// display, and what OK and closing read back and check.

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <map>

#include "calc/result_tables.h"
#include "dialog_fixture.h"
#include "dialogs/built_up_dialog.h"

namespace tamrel {

using testing::DialogWorld;

namespace {

using Getter = std::function<double(const DesignState&)>;
#define SET_OF(v) [](const DesignState& s) { return static_cast<double>(s.v); }

// The built-up set of each dialog, box by box.
struct SetCase {
  Member member;
  int code;
  const char* name;
  std::map<Quantity, Getter> set;
};

const std::vector<SetCase>& Sets() {
  using Q = Quantity;
  static const std::vector<SetCase> sets{
      {Member::Stiffener,
       kLBuiltUp,
       "stifflb",
       {{Q::H, SET_OF(stifflb_h)},
        {Q::B, SET_OF(stifflb_b)},
        {Q::tw, SET_OF(stifflb_tw)},
        {Q::tf, SET_OF(stifflb_tf)}}},
      {Member::Stiffener,
       kTBuiltUp,
       "stifftb",
       {{Q::H, SET_OF(stifftb_h)},
        {Q::B, SET_OF(stifftb_b)},
        {Q::tw, SET_OF(stifftb_tw)},
        {Q::tf, SET_OF(stifftb_tf)}}},
      {Member::Stiffener,
       kFlatbarBuiltUp,
       "stifffb",
       {{Q::H, SET_OF(stifffb_h)}, {Q::tw, SET_OF(stifffb_tw)}}},
      {Member::Stiffener,
       kRHS,
       "stiffrhs",
       {{Q::H, SET_OF(stiffrhs_h)}, {Q::B, SET_OF(stiffrhs_b)}, {Q::tw, SET_OF(stiffrhs_tw)}}},
      {Member::Stiffener,
       kTrapezProfile,
       "stiffusp",
       {{Q::H, SET_OF(stiffusp_h)},
        {Q::B, SET_OF(stiffusp_b)},
        {Q::a, SET_OF(stiffusp_a)},
        {Q::tw, SET_OF(stiffusp_tw)}}},
      {Member::Stiffener,
       kIBuiltUp,
       "stiffib",
       {{Q::H, SET_OF(stiffib_h)},
        {Q::B, SET_OF(stiffib_b)},
        {Q::tw, SET_OF(stiffib_tw)},
        {Q::tf, SET_OF(stiffib_tf)}}},
      {Member::RingFrame,
       kLBuiltUp,
       "girdlb",
       {{Q::H, SET_OF(girdlb_h)},
        {Q::B, SET_OF(girdlb_b)},
        {Q::tw, SET_OF(girdlb_tw)},
        {Q::tf, SET_OF(girdlb_tf)}}},
      {Member::RingFrame,
       kTBuiltUp,
       "girdtb",
       {{Q::H, SET_OF(girdtb_h)},
        {Q::B, SET_OF(girdtb_b)},
        {Q::tw, SET_OF(girdtb_tw)},
        {Q::tf, SET_OF(girdtb_tf)}}},
      {Member::RingFrame,
       kFlatbarBuiltUp,
       "girdfb",
       {{Q::H, SET_OF(girdfb_h)}, {Q::tw, SET_OF(girdfb_tw)}}},
      {Member::RingFrame,
       kRHS,
       "girdrhs",
       {{Q::H, SET_OF(girdrhs_h)}, {Q::B, SET_OF(girdrhs_b)}, {Q::tw, SET_OF(girdrhs_tw)}}},
      {Member::RingFrame,
       kTrapezProfile,
       "girdusp",
       {{Q::H, SET_OF(girdusp_h)},
        {Q::B, SET_OF(girdusp_b)},
        {Q::a, SET_OF(girdusp_a)},
        {Q::tw, SET_OF(girdusp_tw)}}},
      {Member::RingFrame,
       kIBuiltUp,
       "girdib",
       {{Q::H, SET_OF(girdib_h)},
        {Q::B, SET_OF(girdib_b)},
        {Q::tw, SET_OF(girdib_tw)},
        {Q::tf, SET_OF(girdib_tf)}}},
  };
  return sets;
}

const SetCase& SetNamed(const char* name) {
  for (const SetCase& s : Sets()) {
    if (std::string(s.name) == name) return s;
  }
  return Sets().front();
}

const char* BoxName(Quantity q) {
  switch (q) {
    case Quantity::H: return "isth";
    case Quantity::B: return "istb";
    case Quantity::a: return "ista";
    case Quantity::tw: return "isttw";
    default: return "isttf";
  }
}

const char* Letter(Quantity q) {
  switch (q) {
    case Quantity::H: return "H";
    case Quantity::B: return "B";
    case Quantity::a: return "a";
    case Quantity::tw: return "tw";
    default: return "tf";
  }
}

BuiltUpDialog* OpenBuiltUp(DialogWorld& w, Member m, int code) {
  return static_cast<BuiltUpDialog*>(w.Open(m, code));
}

QWidget* Ok(SectionDialog* d) {
  return DialogWorld::Control<QWidget>(d, "Command1");
}

// The user enters a box (its entry runs, and the leave of the box entered
// before), and the counters start afresh.
void Enter(DialogWorld& w, QLineEdit* box) {
  box->setFocus();
  QCoreApplication::processEvents();
  w.host.Recorded().shown.clear();
  w.host.recalcs = 0;
}

// The user types a text into a box and leaves it for the OK button.
void TypeAndLeave(DialogWorld& w, BuiltUpDialog* d, QLineEdit* box, const QString& text) {
  Enter(w, box);
  box->setText(text);
  Ok(d)->setFocus();
  QCoreApplication::processEvents();
}

QColor Background(QLineEdit* box) {
  return box->palette().color(QPalette::Active, QPalette::Base);
}

QString Text(SectionDialog* d, const char* label) {
  auto* l = DialogWorld::Control<QLabel>(d, label);
  return l ? l->text() : QStringLiteral("<no label>");
}

}  // namespace

class BuiltUpDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Every box of every dialog: a value below its lower limit, and one at it.
  // H and B have the limit 5, tw and tf 0.1, a 0. A too-small tw or tf is
  // set back to 0.1 everywhere, a too-small H or B to 5 in the ring-frame
  // dialogs only; a negative a stays.
  void everyBoxChecksItsLowerLimitWhenLeft() {
    for (const SetCase& s : Sets()) {
      for (const auto& [q, get] : s.set) {
        const bool thickness = q == Quantity::tw || q == Quantity::tf;
        const QString limit = thickness ? "0.1" : (q == Quantity::a ? "0" : "5");
        const QString below = thickness ? "0.04" : (q == Quantity::a ? "-3" : "4");
        const bool setBack = thickness || (s.member == Member::RingFrame && q != Quantity::a);
        const QString message = QString(" %1 >= %2 ").arg(Letter(q), limit);
        const QString what = QString("%1 %2").arg(s.name, BoxName(q));

        DialogWorld w;
        BuiltUpDialog* d = OpenBuiltUp(w, s.member, s.code);
        QVERIFY2(d != nullptr, qPrintable(what));
        QLineEdit* box = d->Box(q);
        QVERIFY2(box != nullptr, qPrintable(what));
        QString written;
        double storedAtRecalc = 0;
        w.host.onRecalculate = [&] { written = box->text(); };

        TypeAndLeave(w, d, box, below);
        QCOMPARE(w.host.Recorded().shown, QStringList{message});
        QVERIFY2(box->hasFocus(), qPrintable(what));  // the focus is put back
        QCOMPARE(w.host.recalcs, 1);                  // recalculated after the message
        const double expected = setBack ? limit.toDouble() : below.toDouble();
        QVERIFY2(std::abs(get(w.ds) - expected) < 1e-6, qPrintable(what));
        // Written back in the box's pattern before the recalculation.
        const bool oneDecimal = q == Quantity::B && s.code == kLBuiltUp;
        QCOMPARE(written, thickness ? QString("0.0")
                                    : (q == Quantity::a ? "-3" : (oneDecimal ? "4.0" : "4")));

        // The limit itself is accepted without a message.
        w.host.onRecalculate = [&] { storedAtRecalc = get(w.ds); };
        TypeAndLeave(w, d, box, limit);
        QVERIFY2(w.host.Recorded().shown.isEmpty(), qPrintable(what));
        QCOMPARE(w.host.recalcs, 1);
        QVERIFY2(std::abs(storedAtRecalc - limit.toDouble()) < 1e-6, qPrintable(what));
      }
    }
  }

  void theTestUsesTheStoredValueNotTheRoundedText() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kTBuiltUp);
    QString written;
    w.host.onRecalculate = [&] { written = d->Box(Quantity::H)->text(); };
    TypeAndLeave(w, d, d->Box(Quantity::H), "4.6");
    QCOMPARE(written, QStringLiteral("5"));
    QCOMPARE(w.host.Recorded().shown, QStringList{" H >= 5 "});
    QCOMPARE(double(w.ds.girdtb_h), 5.0);  // set back
  }

  void bIsWrittenWithOneDecimalOnlyInTheLDialogs() {
    for (const SetCase& s : Sets()) {
      if (!s.set.count(Quantity::B)) continue;
      DialogWorld w;
      BuiltUpDialog* d = OpenBuiltUp(w, s.member, s.code);
      QString written;
      w.host.onRecalculate = [&] { written = d->Box(Quantity::B)->text(); };
      TypeAndLeave(w, d, d->Box(Quantity::B), "90.4");
      const bool l = s.code == kLBuiltUp;
      QCOMPARE(written, l ? QStringLiteral("90.4") : QStringLiteral("90"));
      QVERIFY(std::abs(s.set.at(Quantity::B)(w.ds) - 90.4) < 1e-5);
      // The display routine then shows B whole in every dialog.
      QCOMPARE(d->Box(Quantity::B)->text(), QStringLiteral("90"));
    }
  }

  void textThatIsNoNumber() {
    for (const Quantity q : {Quantity::H, Quantity::a}) {
      // Decimal comma: a type mismatch, nothing stored, nothing recalculated.
      DialogWorld w;
      w.ds.decflag = Variant::Int(-1);
      BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTrapezProfile);
      const Getter get = SetNamed("stiffusp").set.at(q);
      const double before = get(w.ds);
      for (const QString& text : {QString("abc"), QString(""), QString("12abc")}) {
        TypeAndLeave(w, d, d->Box(q), text);
        QCOMPARE(w.host.Recorded().shown, QStringList{"Input string mismatch "});
        QCOMPARE(w.host.recalcs, 0);
        QCOMPARE(get(w.ds), before);
        QCOMPARE(d->Box(q)->text(), text);
        QVERIFY(d->Box(q)->hasFocus());
      }
      // "12,5" and "12.5" read alike in either locale.
      TypeAndLeave(w, d, d->Box(q), "12.5");
      QCOMPARE(w.host.Recorded().shown, QStringList());
      QCOMPARE(get(w.ds), 12.5);
    }
    // Decimal point: letters read as 0, which H rejects and a accepts.
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTrapezProfile);
    TypeAndLeave(w, d, d->Box(Quantity::H), "abc");
    QCOMPARE(w.host.Recorded().shown, QStringList{" H >= 5 "});
    QCOMPARE(double(w.ds.stiffusp_h), 0.0);
    // The too-small H holds the focus until it is corrected.
    TypeAndLeave(w, d, d->Box(Quantity::a), "abc");
    QCOMPARE(w.host.Recorded().shown, QStringList{" H >= 5 "});
    QVERIFY(d->Box(Quantity::H)->hasFocus());
    TypeAndLeave(w, d, d->Box(Quantity::H), "100");
    TypeAndLeave(w, d, d->Box(Quantity::a), "abc");
    QVERIFY(w.host.Recorded().shown.isEmpty());
    QCOMPARE(double(w.ds.stiffusp_a), 0.0);
    TypeAndLeave(w, d, d->Box(Quantity::B), "12,5");
    QCOMPARE(double(w.ds.stiffusp_b), 12.5);
  }

  void enterMovesThroughTheBoxesInARing() {
    struct Case {
      Member member;
      int code;
      std::vector<const char*> order;
    };
    const Case cases[] = {
        {Member::Stiffener, kLBuiltUp, {"isth", "istb", "isttw", "isttf"}},
        {Member::RingFrame, kFlatbarBuiltUp, {"isth", "isttw"}},
        {Member::RingFrame, kRHS, {"isth", "istb", "isttw"}},
        {Member::Stiffener, kTrapezProfile, {"isth", "istb", "ista", "isttw"}},
    };
    for (const Case& c : cases) {
      DialogWorld w;
      BuiltUpDialog* d = OpenBuiltUp(w, c.member, c.code);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString("isth"));
      for (std::size_t i = 1; i <= c.order.size(); ++i) {
        const int recalcs = w.host.recalcs;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(c.order[i % c.order.size()]));
        QCOMPARE(w.host.recalcs, recalcs + 1);  // the box left commits, edited or not
      }
      // Enter reaches no box as a character.
      QVERIFY(!d->Box(Quantity::H)->text().contains('\r'));
    }
  }

  void theTrapezoidsABoxComesLastInTheTabOrder() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kTrapezProfile);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
      order << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"isth", "istb", "isttw", "Command1", "ista"}));
    QVERIFY(d->Loaded());
  }

  void theEnteredBoxIsLightYellowAndWhiteWhenLeft() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTBuiltUp);
    QLineEdit* h = d->Box(Quantity::H);
    QCOMPARE(Background(h), QColor(255, 255, 192));  // opened with the focus in H
    QTRY_COMPARE(h->selectedText(), h->text());      // its whole text selected
    d->Box(Quantity::B)->setFocus();
    QCOMPARE(Background(h), QColor(255, 255, 255));
    QCOMPARE(Background(d->Box(Quantity::B)), QColor(255, 255, 192));
    // A value put back after its message ends with the focus and highlight.
    TypeAndLeave(w, d, d->Box(Quantity::tw), "0");
    QVERIFY(d->Box(Quantity::tw)->hasFocus());
    QCOMPARE(Background(d->Box(Quantity::tw)), QColor(255, 255, 192));
  }

  void theDisplayShowsTheComputedSection() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTBuiltUp);
    TypeAndLeave(w, d, d->Box(Quantity::H), "250");
    QCOMPARE(double(w.ds.stifftb_h), 250.0);
    QCOMPARE(d->Box(Quantity::H)->text(), QStringLiteral("250"));
    QCOMPARE(d->Box(Quantity::tw)->text(), QStringLiteral("9.0"));
    QCOMPARE(d->Box(Quantity::tf)->text(), QStringLiteral("12.0"));
    // T 250 x 90 x 9 x 12: web 238 x 9, flange 90 x 12.
    QCOMPARE(Text(d, "sta"), QStringLiteral("3222 mm2"));
    QCOMPARE(Text(d, "stg"), QStringLiteral("25.3 kg/m"));
    QCOMPARE(Text(d, "stiy"), QStringLiteral("2.134E+7 mm4"));
    QCOMPARE(Text(d, "stiz"), QStringLiteral("7.290E+5 mm4"));
    QCOMPARE(Text(d, "webclass"), QString::fromStdString(w.ds.stiffclass[1]));
    QCOMPARE(Text(d, "flangeclass"), QString::fromStdString(w.ds.stiffclass[2]));
    QVERIFY(Text(d, "webclass").startsWith("h <= "));
  }

  void withoutTheMembersCheckTheBoxesShowTheLastComputedProfile() {
    DialogWorld w;
    w.ds.ring = 0;  // stringer stiffened, no ring-frame control: no ring section
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kTBuiltUp);
    const QString h = d->Box(Quantity::H)->text();
    const QString area = Text(d, "sta");
    TypeAndLeave(w, d, d->Box(Quantity::H), "260");
    QCOMPARE(double(w.ds.girdtb_h), 260.0);
    QCOMPARE(d->Box(Quantity::H)->text(), h);
    QCOMPARE(Text(d, "sta"), area);
    // The L stiffener dialog shows its own set whatever was computed.
    w.ds.cyltype = kCylinder;
    BuiltUpDialog* lb = OpenBuiltUp(w, Member::Stiffener, kLBuiltUp);
    TypeAndLeave(w, lb, lb->Box(Quantity::H), "260");
    QCOMPARE(lb->Box(Quantity::H)->text(), QStringLiteral("260"));
    QCOMPARE(double(w.ds.stifflb_h), 260.0);
  }

  void aBoxStoresWhatItShows() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kLBuiltUp);
    TypeAndLeave(w, d, d->Box(Quantity::H), "99.6");
    QCOMPARE(d->Box(Quantity::H)->text(), QStringLiteral("100"));
    QVERIFY(std::abs(double(w.ds.girdlb_h) - 99.6) < 1e-5);
    // Left again without typing: the shown 100 is stored.
    Enter(w, d->Box(Quantity::H));
    d->Box(Quantity::B)->setFocus();
    QCOMPARE(double(w.ds.girdlb_h), 100.0);
  }

  // A flange thicker than the profile is high: every value is one the boxes
  // accept, so nothing is said or set back; the results say the profile
  // cannot exist (NOK, usage factors "n/a").
  void anImpossibleShapeIsAcceptedAndNeverPasses() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kTBuiltUp);
    TypeAndLeave(w, d, d->Box(Quantity::H), "100");
    TypeAndLeave(w, d, d->Box(Quantity::B), "5");
    TypeAndLeave(w, d, d->Box(Quantity::tw), "30");
    TypeAndLeave(w, d, d->Box(Quantity::tf), "150");
    QVERIFY2(w.host.Recorded().shown.isEmpty(), qPrintable(w.host.Recorded().shown.join('|')));
    QCOMPARE(double(w.ds.girdtb_h), 100.0);
    QCOMPARE(w.ds.girdtb_tf, 150.0f);
    QCOMPARE(double(w.ds.Ag), -750.0);
    QCOMPARE(Text(d, "sta"), QStringLiteral("-750 mm2"));
    for (const char* label : {"webclass1", "webclass2", "flangeclass1", "flangeclass2"}) {
      QVERIFY2(Text(d, label).endsWith("==> NOK"), qPrintable(Text(d, label)));
    }
    QCOMPARE(w.ds.ringTable.val[2], std::string("n/a"));
    QCOMPARE(w.ds.ringTable.val[11], std::string("n/a"));
    QVERIFY(!UsageFactorPasses(w.ds.UFarea, w.ds.UF));
  }

  void anUndefinedPropertyShowsNotAvailable() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTrapezProfile);
    TypeAndLeave(w, d, d->Box(Quantity::H), "0");  // a stiffener keeps a too-small H
    QCOMPARE(w.host.Recorded().shown, QStringList{" H >= 5 "});
    QCOMPARE(Text(d, "sta"), QStringLiteral("n/a mm2"));
    QCOMPARE(Text(d, "stiy"), QStringLiteral("n/a mm4"));
    QCOMPARE(Text(d, "stg"), QStringLiteral("n/a kg/m"));
  }

  void whichLabelsEachProfileHas() {
    struct Case {
      Member member;
      int code;
      bool iz;
      QStringList classes;
    };
    const Case cases[] = {
        {Member::Stiffener, kLBuiltUp, true, {"webclass", "flangeclass"}},
        {Member::Stiffener, kFlatbarBuiltUp, false, {"webclass"}},
        {Member::Stiffener, kRHS, false, {}},
        {Member::Stiffener, kTrapezProfile, false, {}},
        {Member::RingFrame,
         kIBuiltUp,
         true,
         {"webclass1", "webclass2", "flangeclass1", "flangeclass2"}},
        {Member::RingFrame, kFlatbarBuiltUp, false, {"webclass1"}},
        {Member::RingFrame, kTrapezProfile, false, {}},
    };
    const QStringList all{"webclass",  "flangeclass",  "webclass1",
                          "webclass2", "flangeclass1", "flangeclass2"};
    for (const Case& c : cases) {
      DialogWorld w;
      BuiltUpDialog* d = OpenBuiltUp(w, c.member, c.code);
      QCOMPARE(DialogWorld::Control<QLabel>(d, "stiz") != nullptr, c.iz);
      for (const QString& name : all) {
        auto* label = DialogWorld::Control<QLabel>(d, name.toLatin1().constData());
        QCOMPARE(label != nullptr, c.classes.contains(name));
      }
      for (int i = 0; i < c.classes.size(); ++i) {
        const auto& texts = c.member == Member::Stiffener ? w.ds.stiffclass : w.ds.girdclass;
        QCOMPARE(Text(d, c.classes[i].toLatin1().constData()),
                 QString::fromStdString(texts[static_cast<std::size_t>(i + 1)]));
      }
    }
  }

  // ---- OK and closing ----

  void okReadsBackTheStiffenerBoxesAndClosingReadsHAndB() {
    struct Case {
      const char* name;
      Quantity q;
      const char* text;
      QStringList messages;  // from OK, then from the closing it starts
      int recalcs;           // after OK
      double stored;         // the set's value afterwards
    };
    const QString b = " B >= 5 ", h = " H >= 5 ", tw = " tw >= 1 ", tf = " tf >= 1 ";
    const Case cases[] = {
        {"stifftb", Quantity::B, "4", {b, b}, 1, 4},
        {"stifftb", Quantity::B, "5", {}, 1, 5},
        {"stifftb", Quantity::H, "3", {h, h}, 1, 3},
        {"stifftb", Quantity::tw, "0.5", {tw}, 1, 0.5},
        {"stiffib", Quantity::tf, "0.9", {tf}, 1, 0.9},
        {"stifflb", Quantity::tf, "1", {}, 1, 1},
        {"stifffb", Quantity::H, "4", {h, h}, 1, 4},
        {"stiffrhs", Quantity::tw, "0.5", {tw}, 1, 0.5},
        {"stiffusp", Quantity::a, "-2", {}, 1, 50},  // a is read neither by OK nor by closing
        {"girdlb", Quantity::B, "4", {b}, 0, 4},
        {"girdtb", Quantity::tw, "0.5", {}, 0, 9},  // ring-frame OK reads no box
        {"girdib", Quantity::H, "3", {h}, 0, 3},
        {"girdfb", Quantity::H, "4", {h}, 1, 4},
        {"girdrhs", Quantity::B, "4", {b}, 1, 4},
        {"girdusp", Quantity::a, "-2", {" a >= 0 "}, 1, -2},
    };
    for (const Case& c : cases) {
      const SetCase& s = SetNamed(c.name);
      DialogWorld w;
      BuiltUpDialog* d = OpenBuiltUp(w, s.member, s.code);
      Ok(d)->setFocus();
      d->Box(c.q)->setText(c.text);
      w.host.Recorded().shown.clear();
      w.host.recalcs = 0;
      double atRecalc = -1;
      w.host.onRecalculate = [&] { atRecalc = s.set.at(c.q)(w.ds); };
      QTest::mouseClick(Ok(d), Qt::LeftButton);
      QVERIFY2(!d->Loaded(), c.name);  // a failed check never stops the closing
      QCOMPARE(w.host.Recorded().shown, c.messages);
      QCOMPARE(w.host.recalcs, c.recalcs);
      QVERIFY2(std::abs(s.set.at(c.q)(w.ds) - c.stored) < 1e-6, c.name);
      // A value that failed its check stays stored and is calculated with.
      if (c.recalcs == 1) QVERIFY2(std::abs(atRecalc - c.stored) < 1e-6, c.name);
    }
  }

  void theCloseBoxReadsBackHAndBWithoutRecalculating() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::RingFrame, kTrapezProfile);
    Ok(d)->setFocus();
    d->Box(Quantity::H)->setText("4");
    d->Box(Quantity::B)->setText("120");
    d->Box(Quantity::a)->setText("-2.25");
    d->Box(Quantity::tw)->setText("0.5");
    w.host.Recorded().shown.clear();
    w.host.recalcs = 0;
    QStringList texts;
    w.host.Recorded().onShow = [&](const QString&) {
      texts << d->Box(Quantity::H)->text() + "|" + d->Box(Quantity::a)->text();
    };
    d->Window()->close();
    QVERIFY(!d->Loaded());
    QCOMPARE(w.host.Recorded().shown, (QStringList{" H >= 5 ", " a >= 0 "}));
    // Written back in the closing's patterns: H whole, a with one decimal.
    QCOMPARE(texts.back(), QStringLiteral("4|-2.3"));
    QCOMPARE(double(w.ds.girdusp_h), 4.0);  // no set-back here
    QCOMPARE(double(w.ds.girdusp_b), 120.0);
    QCOMPARE(double(w.ds.girdusp_a), -2.25);
    QCOMPARE(double(w.ds.girdusp_tw), 9.0);  // not read by closing
    QCOMPARE(w.host.recalcs, 0);
  }

  void okWithANumberThatCannotBeReadKeepsTheDialogOpen() {
    DialogWorld w;
    w.ds.decflag = Variant::Int(-1);
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTBuiltUp);
    Ok(d)->setFocus();
    d->Box(Quantity::H)->setText("xyz");
    d->Box(Quantity::B)->setText("4");
    w.host.Recorded().shown.clear();
    w.host.recalcs = 0;
    QTest::mouseClick(Ok(d), Qt::LeftButton);
    QCOMPARE(w.host.Recorded().shown, QStringList{"Input string mismatch "});
    QVERIFY(d->Loaded());
    QVERIFY(d->Box(Quantity::H)->hasFocus());
    QCOMPARE(w.host.recalcs, 0);
    QCOMPARE(double(w.ds.stifftb_h), 200.0);
    QCOMPARE(double(w.ds.stifftb_b), 90.0);  // later boxes unread
    // Closing with the same text: the message, then the dialog closes all the same.
    w.host.Recorded().shown.clear();
    d->Window()->close();
    QVERIFY(!d->Loaded());
    QCOMPARE(w.host.Recorded().shown, QStringList{"Input string mismatch "});
    QCOMPARE(double(w.ds.stifftb_b), 90.0);
  }

  void okStoresWhatTheBoxShowsAndLeavesTheOtherSetsAlone() {
    DialogWorld w;
    BuiltUpDialog* d = OpenBuiltUp(w, Member::Stiffener, kTBuiltUp);
    TypeAndLeave(w, d, d->Box(Quantity::H), "90.4");
    QCOMPARE(d->Box(Quantity::H)->text(), QStringLiteral("90"));
    DesignState before = w.ds;
    QTest::mouseClick(Ok(d), Qt::LeftButton);
    QCOMPARE(double(w.ds.stifftb_h), 90.0);
    for (const SetCase& s : Sets()) {
      if (std::string(s.name) == "stifftb") continue;
      for (const auto& [q, get] : s.set) QCOMPARE(get(w.ds), get(before));
    }
  }
};

TAMREL_GUI_TEST(BuiltUpDialogsTest);

}  // namespace tamrel

#include "built_up_dialogs_test.moc"
