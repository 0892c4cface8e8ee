// The eight rolled-section dialogs: the list of table rows, the pick that
// stores the row and recalculates, the labels, OK and closing.

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "dialog_fixture.h"
#include "dialogs/rolled_section_dialog.h"

namespace tamrel {

using testing::DialogWorld;

namespace {

RolledSectionDialog* OpenRolled(DialogWorld& w, Member m, int code) {
  return static_cast<RolledSectionDialog*>(w.Open(m, code));
}

QString Text(SectionDialog* d, const char* label) {
  auto* l = DialogWorld::Control<QLabel>(d, label);
  return l ? l->text() : QStringLiteral("<no label>");
}

// The user picks entry i of the dialog's list.
void UserPicks(SectionDialog* d, int i) {
  auto* cbo = DialogWorld::Control<QComboBox>(d, "cbo");
  cbo->setCurrentIndex(i);
  emit cbo->activated(i);
}

}  // namespace

class RolledDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void listEntriesAreTheTableRowsInTheLocale() {
    struct Case {
      Member member;
      int code;
      int row;
      bool comma;
      const char* entry;
    };
    const Case cases[] = {
        {Member::Stiffener, kLTable, 0, false, "L100x50x6x6"},
        {Member::RingFrame, kTTable, 0, false, "T95x200x6.5x10"},
        {Member::Stiffener, kTTable, 0, true, "T95x200x6,5x10"},
        {Member::RingFrame, kFlatbarTable, 1, false, "Fb60x8"},
        {Member::Stiffener, kBulbFlat, 24, false, "BF 240x9.5"},
        {Member::RingFrame, kBulbFlat, 24, true, "BF 240x9,5"},
    };
    for (const Case& c : cases) {
      DialogWorld w;
      if (c.comma) w.ds.decflag = Variant::Int(-1);
      auto* d = OpenRolled(w, c.member, c.code);
      QVERIFY(d != nullptr);
      auto* cbo = DialogWorld::Control<QComboBox>(d, "cbo");
      const ProfileTable& t = w.ds.*(d->Rolled().table);
      QCOMPARE(cbo->count(), t.last + 1);
      QCOMPARE(cbo->itemText(c.row), QString::fromLatin1(c.entry));
    }
  }

  void listsAreBoundByTheLoadedRowsAndTheCapacity() {
    struct Case {
      int last;
      int entries;
    };
    // An empty table, a full L table, and a last-row index beyond the
    // capacity that must not make the list read past the table.
    for (const Case c : {Case{-1, 0}, Case{40, 41}, Case{200, 41}}) {
      DialogWorld w;
      for (int row = 0; row < 41; ++row) {
        w.ds.lprof.cell[static_cast<std::size_t>(row)] = {0, 100.0f + float(row), 50, 6, 6, 0};
      }
      w.ds.lprof.last = static_cast<std::int16_t>(c.last);
      auto* d = OpenRolled(w, Member::RingFrame, kLTable);
      QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo")->count(), c.entries);
      if (c.entries > 0) {
        QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo")->itemText(40),
                 QStringLiteral("L140x50x6x6"));
      }
    }
    DialogWorld w;
    w.ds.bfprof.last = 60;
    auto* d = OpenRolled(w, Member::Stiffener, kBulbFlat);
    QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo")->count(), 61);
  }

  void theRememberedRowIsShownAndARowOutsideTheTableShowsNone() {
    struct Case {
      int row;
      int shown;
    };
    for (const Case c : {Case{3, 3}, Case{99, -1}, Case{-1, -1}, Case{23, 23}, Case{24, -1}}) {
      DialogWorld w;
      w.ds.girdtidx = static_cast<std::int16_t>(c.row);  // tprof has rows 0..23
      auto* d = OpenRolled(w, Member::RingFrame, kTTable);
      QVERIFY(d != nullptr);
      QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo")->currentIndex(), c.shown);
      QCOMPARE(w.ds.girdtidx, std::int16_t(c.row));
      QCOMPARE(w.host.recalcs, 1);  // showing the entry is no pick
      QVERIFY(!Text(d, "sta").isEmpty());
    }
  }

  void aPickStoresTheRowRecalculatesAndRefreshesTheLabels() {
    DialogWorld w;
    auto* d = OpenRolled(w, Member::RingFrame, kTTable);
    const std::int16_t stiffRow = w.ds.stifftidx;
    UserPicks(d, 3);  // T105x220x7x11
    QCOMPARE(w.ds.girdtidx, std::int16_t(3));
    QCOMPARE(w.host.recalcs, 2);
    QCOMPARE(Text(d, "sth"), QStringLiteral("105 mm"));
    QCOMPARE(Text(d, "stb"), QStringLiteral("220 mm"));
    QCOMPARE(Text(d, "sttw"), QStringLiteral("7.0 mm"));
    QCOMPARE(Text(d, "sttf"), QStringLiteral("11.0 mm"));
    QCOMPARE(Text(d, "webclass1"), QString::fromStdString(w.ds.girdclass[1]));
    QCOMPARE(Text(d, "flangeclass2"), QString::fromStdString(w.ds.girdclass[4]));
    QVERIFY(Text(d, "webclass2").contains("(Eq 3.10.4)"));
    // The stiffener keeps its own row of the same table.
    QCOMPARE(w.ds.stifftidx, stiffRow);
    // Closed with the close box: the row stays, nothing recalculated; the
    // next showing shows the fourth entry again.
    d->Window()->close();
    QCOMPARE(w.host.recalcs, 2);
    QVERIFY(!d->Loaded());
    QCOMPARE(w.ds.girdtidx, std::int16_t(3));
    QVERIFY(w.Open(Member::RingFrame, kTTable) == d);
    QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo")->currentIndex(), 3);
  }

  void withoutAStiffenerCheckOnlyTheTDialogFollowsAPick() {
    for (const int code : {int(kLTable), int(kTTable)}) {
      DialogWorld w;
      w.ds.cyltype = kCylinder;  // no stiffener check: its section is not recomputed
      auto* d = OpenRolled(w, Member::Stiffener, code);
      const QString before = Text(d, "sth");
      UserPicks(d, 9);  // L120x80x8x8 / T125x260x7.5x12.5: a new H either way
      QVERIFY(before != QStringLiteral("120 mm") && before != QStringLiteral("125 mm"));
      if (code == kTTable) {
        QCOMPARE(Text(d, "sth"), QStringLiteral("125 mm"));
        QCOMPARE(Text(d, "sttw"), QStringLiteral("7.5 mm"));
      } else {
        QCOMPARE(Text(d, "sth"), before);
      }
      QCOMPARE(w.ds.*(d->Rolled().row), std::int16_t(9));
    }
  }

  void labelsShowTheCurrentSectionInTheirPatterns() {
    DialogWorld w;
    auto* l = OpenRolled(w, Member::Stiffener, kLTable);  // row 0: L100x50x6x6
    QCOMPARE(Text(l, "sth"), QStringLiteral("100 mm"));
    QCOMPARE(Text(l, "stb"), QStringLiteral("50 mm"));
    QCOMPARE(Text(l, "sttw"), QStringLiteral("6.0 mm"));
    QCOMPARE(Text(l, "sttf"), QStringLiteral("6.0 mm"));
    QCOMPARE(Text(l, "sta"), QStringLiteral("864 mm2"));
    QCOMPARE(Text(l, "stg"), QStringLiteral("6.8 kg/m"));
    QCOMPARE(Text(l, "stiy"), QStringLiteral("9.058E+5 mm4"));
    QCOMPARE(Text(l, "stiz"), QStringLiteral("1.573E+5 mm4"));
    QCOMPARE(Text(l, "webclass"), QString::fromStdString(w.ds.stiffclass[1]));
    QCOMPARE(Text(l, "flangeclass"), QString::fromStdString(w.ds.stiffclass[2]));

    // A bulb flat shows c, r and the equivalent angle's B with one decimal.
    w.ds.stiffhpidx = 24;  // 240 x 9.5, c 34, r 10, A 3123
    auto* hp = OpenRolled(w, Member::Stiffener, kBulbFlat);
    QCOMPARE(Text(hp, "sth"), QStringLiteral("240 mm"));
    QCOMPARE(Text(hp, "sttw"), QStringLiteral("9.5 mm"));
    QCOMPARE(Text(hp, "stc"), QStringLiteral("34.0 mm"));
    QCOMPARE(Text(hp, "strr"), QStringLiteral("10.0 mm"));
    QCOMPARE(Text(hp, "stb"), QStringLiteral("39.0 mm"));
    QCOMPARE(Text(hp, "sttf"), QStringLiteral("28.6 mm"));
    QCOMPARE(Text(hp, "sta"), QStringLiteral("3123 mm2"));
    QVERIFY(DialogWorld::Control<QLabel>(hp, "flangeclass") == nullptr);

    // A flat bar has neither Iz nor a flange text.
    auto* f = OpenRolled(w, Member::RingFrame, kFlatbarTable);
    QVERIFY(DialogWorld::Control<QLabel>(f, "stiz") == nullptr);
    QVERIFY(DialogWorld::Control<QLabel>(f, "stb") == nullptr);
    QVERIFY(DialogWorld::Control<QLabel>(f, "webclass2") == nullptr);
    QCOMPARE(Text(f, "webclass1"), QString::fromStdString(w.ds.girdclass[1]));
  }

  void okClosesAndRecalculatesExceptInTheRingFrameLTable() {
    struct Case {
      Member member;
      int code;
      int recalcsAfterOk;
    };
    const Case cases[] = {{Member::RingFrame, kLTable, 0},       {Member::Stiffener, kLTable, 1},
                          {Member::Stiffener, kTTable, 1},       {Member::Stiffener, kBulbFlat, 1},
                          {Member::RingFrame, kFlatbarTable, 1}, {Member::RingFrame, kBulbFlat, 1}};
    for (const Case& c : cases) {
      DialogWorld w;
      SectionDialog* d = w.Open(c.member, c.code);
      const int before = w.host.recalcs;
      QTest::mouseClick(DialogWorld::Control<QWidget>(d, "Command1"), Qt::LeftButton);
      QVERIFY(!d->Loaded());
      QCOMPARE(w.host.recalcs - before, c.recalcsAfterOk);
    }
  }

  // A wheel turned over the list while the focus is elsewhere in the dialog
  // (Tab to OK) picks nothing: the row, the results and the list stay. Only
  // a list the user has entered takes the wheel, and then it picks.
  void theWheelPicksOnlyInAListThatHasTheFocus() {
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (const int code : {int(kLTable), int(kTTable), int(kFlatbarTable), int(kBulbFlat)}) {
        DialogWorld w;
        auto* d = OpenRolled(w, m, code);
        QVERIFY(d != nullptr);
        auto* cbo = DialogWorld::Control<QComboBox>(d, "cbo");
        QWidget* ok = DialogWorld::Control<QWidget>(d, "Command1");
        std::int16_t& row = w.ds.*(d->Rolled().row);
        row = 2;
        d->FillList();
        ok->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const int recalcs = w.host.recalcs;
        const QString name = QString::fromLatin1(d->Entry().name);

        testing::TurnWheelOver(cbo);
        QVERIFY2(row == 2, qPrintable(name));
        QVERIFY2(cbo->currentIndex() == 2, qPrintable(name));
        QVERIFY2(w.host.recalcs == recalcs, qPrintable(name));
        QVERIFY2(QApplication::focusWidget() == ok, qPrintable(name));

        cbo->setFocus(Qt::MouseFocusReason);
        testing::TurnWheelOver(cbo);
        QVERIFY2(row == 3, qPrintable(name));
        QVERIFY2(w.host.recalcs == recalcs + 1, qPrintable(name));
      }
    }
  }

  void enterOnTheFocusedOkButtonPressesIt() {
    DialogWorld w;
    SectionDialog* d = w.Open(Member::Stiffener, kFlatbarTable);  // opens with OK focused
    QCOMPARE(QApplication::focusWidget(), DialogWorld::Control<QWidget>(d, "Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!d->Loaded());
    QCOMPARE(w.host.recalcs, 2);
  }

  void theFlatbarStiffenerDialogIsAsWideAsItsFrameNeeds() {
    DialogWorld w;
    SectionDialog* d = w.Open(Member::Stiffener, kFlatbarTable);
    QWidget* fr21 = DialogWorld::Control<QWidget>(d, "fr21");
    const double width = d->Window()->width();
    QVERIFY(std::abs(width - 1.06 * fr21->width()) <= 1.0);
    QVERIFY(std::abs(fr21->x() - 0.02 * width) <= 1.0);
  }
};

TAMREL_GUI_TEST(RolledDialogsTest);

}  // namespace tamrel

#include "rolled_dialogs_test.moc"
