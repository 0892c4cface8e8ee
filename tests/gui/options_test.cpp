// Option buttons, check boxes, command buttons, material and profile lists,
// and the information forms.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "calc/number_text.h"
#include "calc/yield.h"
#include "files/project_file.h"
#include "main_window_fixture.h"
#include "mainwindow/info_forms.h"

namespace tamrel {

using testing::StartedWindow;

namespace {
void Pick(QComboBox* combo, int i) {
  combo->setCurrentIndex(i);
  emit combo->activated(i);
}
}  // namespace

class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // Each handler runs once per change of its control and not at all when
  // the control keeps its state; the refill's material lists add their own
  // recalculations to the switches that refill.
  void handlersRunOncePerChange() {
    struct Case {
      const char* what;
      std::function<void(TamrelWindow&)> act;
      int drawings;
      std::function<bool(const DesignState&)> check;
    };
    const Case cases[] = {
        {"check_ih on", [](TamrelWindow& w) { w.check_ih->click(); }, 1,
         [](const DesignState& d) { return d.ih == 1; }},
        {"ringfab1", [](TamrelWindow& w) { w.ringfab1->click(); }, 1,
         [](const DesignState& d) { return d.ringfab == kColdFormed; }},
        {"ringfab0 already chosen", [](TamrelWindow& w) { w.ringfab0->click(); }, 0,
         [](const DesignState& d) { return d.ringfab == kFabricated; }},
        {"cylinder1", [](TamrelWindow& w) { w.cylinder1->click(); }, 4,
         [](const DesignState& d) { return d.cyltype == kRingStiffened; }},
        {"cylinder2 already chosen", [](TamrelWindow& w) { w.cylinder2->click(); }, 0,
         [](const DesignState& d) { return d.cyltype == kStringerStiffened; }},
        {"Outside_ch", [](TamrelWindow& w) { w.Outside_ch->click(); }, 4,
         [](const DesignState& d) { return d.outside == 1; }},
        {"hring_ch", [](TamrelWindow& w) { w.hring_ch->click(); }, 4,
         [](const DesignState& d) { return d.hring == 1; }},
        {"opt_wsd", [](TamrelWindow& w) { w.opt_wsd->click(); }, 4,
         [](const DesignState& d) { return d.lrfd == kWSD; }},
        {"refill in the same state", [](TamrelWindow& w) { w.ShowDesignState(); }, 3,
         [](const DesignState& d) { return d.cyltype == kStringerStiffened; }},
        {"odmom2 (column)",
         [](TamrelWindow& w) {
           w.cylinder3->click();
           const int before = w.ResultDrawings();
           w.odmom2->click();
           w.odmom2->click();
           QCOMPARE(w.ResultDrawings() - before, 1);
         },
         // cylinder3 with its refill, which also chooses odmom1; then odmom2 once.
         1 + 3 + 1 + 1, [](const DesignState& d) { return d.odmom == kReducedMoment; }},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      const int before = s.w().ResultDrawings();
      c.act(s.w());
      QVERIFY2(s.w().ResultDrawings() - before == c.drawings,
               qPrintable(QString("%1: %2").arg(c.what).arg(s.w().ResultDrawings() - before)));
      QVERIFY2(c.check(s.ds), c.what);
      QVERIFY(s.messages.shown.isEmpty());
    }
  }

  void designFormatAndItsButtons() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    // WSD keeps the usage factor, read as n0.
    s.Type("iufb", "1.15");
    s.LeaveTo("icylr");
    w.opt_wsd->click();
    QCOMPARE(s.box("iufb")->text(), QString("1.15"));
    QCOMPARE(w.text_ufb->text(), QString("Basic Usage Factor, n0 ="));
    QVERIFY(w.cmd_wsd->isVisibleTo(&w));
    QVERIFY(!w.cmd_lrfd->isVisibleTo(&w));
    // LRFD resets it to 1.0.
    s.Type("iufb", "0.85");
    s.LeaveTo("icylr");
    w.opt_lrfd->click();
    QCOMPARE(s.box("iufb")->text(), QString("1.00"));
    QCOMPARE(s.ds.UF.value(), 1.0);
    QCOMPARE(w.text_ufb->text(), QString("Allowable Usage Factor UF ="));
    QVERIFY(!w.cmd_wsd->isVisibleTo(&w));
    QVERIFY(w.cmd_lrfd->isVisibleTo(&w));
    // The LRFD button only informs.
    const int before = w.ResultDrawings();
    w.cmd_lrfd->click();
    QCOMPARE(s.messages.shown,
             QStringList({" For ALS condition, Allowable Usage Factor is recommended to be UF = "
                          "1.15 "}));
    QCOMPARE(w.ResultDrawings(), before);
  }

  void pressureSign() {
    StartedWindow s;
    s.w().Command3->click();
    QCOMPARE(s.ds.pd, 0.3f);
    QCOMPARE(s.box("ipp")->text(), QString("0.300"));
    QVERIFY(!s.w().check_ih->isVisibleTo(&s.w()));  // no external pressure now
    s.w().Command3->click();
    QCOMPARE(s.ds.pd, -0.3f);
    QCOMPARE(s.box("ipp")->text(), QString("-0.300"));
    QVERIFY(s.w().check_ih->isVisibleTo(&s.w()));
  }

  void materialGradesLockAndReleaseTheYieldBox() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    const int last = s.ds.mat.matlast;
    int before = w.ResultDrawings();
    Pick(w.cbofyp, last);  // a typed yield strength
    QVERIFY(s.box("ifyp")->isEnabled());
    QCOMPARE(s.box("ifyp")->text(), QString("345"));
    QCOMPARE(s.ds.fyp.value(), 345.0);
    QCOMPARE(s.ds.matp, last);
    QCOMPARE(w.ResultDrawings(), before + 1);
    before = w.ResultDrawings();
    Pick(w.cbofyp, last);  // the same grade again: no change, nothing runs
    QCOMPARE(w.ResultDrawings(), before);
    Pick(w.cbofyp, 0);  // S235 at t = 20
    QVERIFY(!s.box("ifyp")->isEnabled());
    QCOMPARE(s.ds.fyp.value(), 225.0);
    QCOMPARE(s.box("ifyp")->text(), QString("225"));
    QCOMPARE(w.ResultDrawings(), before + 1);
  }

  // A locked yield box shows the strength the recalculation used, also when
  // only the profile changed.
  void lockedYieldBoxFollowsTheProfileThickness() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    QCOMPARE(s.box("ifys")->text(), QString("355"));  // L100x50x6 of S355
    s.ds.stifffb_tw = 45.0f;
    Pick(w.cbostiff, kFlatbarBuiltUp);
    QVERIFY(s.DialogFilled(Member::Stiffener, kFlatbarBuiltUp));
    QCOMPARE(s.ds.stifftype, kFlatbarBuiltUp);
    QCOMPARE(s.ds.fys.value(), static_cast<double>(YieldForThickness(s.ds.mat, s.ds.mats, 45)));
    QVERIFY(s.ds.fys.value() < 355.0);
    QCOMPARE(s.box("ifys")->text(), QString::fromStdString(PlainNumberText(s.ds.fys, '.')));
    QVERIFY(w.stiffprof->text().startsWith("Fb100x45.0"));
  }

  void profileListsAndButtons() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    Pick(w.cbostiff, kRHS);
    QVERIFY(s.DialogFilled(Member::Stiffener, kRHS));
    QCOMPARE(s.ds.stifftype, kRHS);
    QCOMPARE(w.stiffprof->text(), QString("RHS200x90x9.0"));
    QCOMPARE(w.cmdpic_stiff->property("profileIcon").toString(), QString("ico_stiff_rhs"));
    Pick(w.cbostiff, kBulbFlat);
    QVERIFY(s.DialogFilled(Member::Stiffener, kBulbFlat));
    QVERIFY(w.stiffprof->text().startsWith("BF "));
    // Typed text chooses nothing and is never added to the list.
    w.cbostiff->setFocus();
    w.cbostiff->lineEdit()->selectAll();
    QTest::keyClicks(w.cbostiff, "T-table");
    QTest::keyClick(w.cbostiff, Qt::Key_Return);
    QCOMPARE(s.ds.stifftype, kBulbFlat);
    QCOMPARE(w.cbostiff->count(), 10);
    // The ring-frame button shows the type already chosen.
    Pick(w.cboring, kIBuiltUp);
    QVERIFY(s.DialogFilled(Member::RingFrame, kIBuiltUp));
    QCOMPARE(w.cboring->currentText(), QString("I-profile"));
    w.cmdpic_gird->click();
    QCOMPARE(s.ds.ringtype, kIBuiltUp);
    QVERIFY(w.ringprof->text().startsWith("I200x90x9.0x12.0"));
  }

  // The arrow keys in a profile list move on from the type it shows,
  // whoever set it: a dialog's activation, a project read from a file or
  // New. The key chooses that neighbour and opens its dialog.
  void arrowKeysMoveOnFromTheShownProfileType() {
    QTemporaryDir dir;
    const QString file = dir.filePath("rhs_ring.tmr");
    struct Case {
      const char* how;
      std::function<void(StartedWindow&)> set;
      Member member;
      Qt::Key key;
      std::int16_t chosen;
    };
    const Case cases[] = {
        {"T-table dialog, Down",
         [](StartedWindow& s) {
           s.w().MenuItem("mnustifft")->trigger();
           QVERIFY(s.DialogFilled(Member::Stiffener, kTTable));
         },
         Member::Stiffener, Qt::Key_Down, kTBuiltUp},
        {"T-table dialog, Up",
         [](StartedWindow& s) {
           s.w().MenuItem("mnustifft")->trigger();
           QVERIFY(s.DialogFilled(Member::Stiffener, kTTable));
         },
         Member::Stiffener, Qt::Key_Up, kLBuiltUp},
        {"ring-frame RHS from a file, Down",
         [&file](StartedWindow& s) {
           DesignState o = s.ds;
           o.mainfrm = nullptr;
           o.ringtype = kRHS;
           WriteProjectFile(o, file.toStdString());
           s.fileDialogs.answers = {file};
           s.w().MenuItem("mnuopen")->trigger();
           QCOMPARE(s.w().cboring->currentText(), QString("RHS"));
         },
         Member::RingFrame, Qt::Key_Down, kTrapezProfile},
        {"New after the T-table dialog, Down",
         [](StartedWindow& s) {
           s.w().MenuItem("mnustifft")->trigger();
           QVERIFY(s.DialogFilled(Member::Stiffener, kTTable));
           s.w().MenuItem("mnunew")->trigger();
           QCOMPARE(s.w().cbostiff->currentText(), QString("L-table"));
         },
         Member::Stiffener, Qt::Key_Down, kLBuiltUp},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      QVERIFY(s.active);
      TamrelWindow& w = s.w();
      c.set(s);
      w.SectionDialogSet().UnloadSectionDialogs();
      QComboBox* list = c.member == Member::Stiffener ? w.cbostiff : w.cboring;
      list->setFocus(Qt::TabFocusReason);
      QTest::keyClick(list, c.key);
      const std::int16_t type = c.member == Member::Stiffener ? s.ds.stifftype : s.ds.ringtype;
      QVERIFY2(type == c.chosen, qPrintable(QString("%1: type %2").arg(c.how).arg(type)));
      QVERIFY2(s.DialogFilled(c.member, c.chosen), c.how);
      QCOMPARE(list->currentText(), list->itemText(c.chosen));
    }
  }

  void informationFormsOpenOnceAndCloseOnTheRightPicture() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    w.Picture->click();
    w.Picture->click();
    auto* length = qobject_cast<InfoTamrelForm*>(w.InfoTamrelWindow());
    QVERIFY(length);
    QCOMPARE(w.findChildren<InfoTamrelForm*>().size(), 1);
    QCOMPARE(length->windowTitle(), QString("Definition of Cylinder length L"));
    QVERIFY(length->isVisible());
    QTest::mouseClick(length->Picture1, Qt::LeftButton);
    QTRY_VERIFY(!w.InfoTamrelWindow());

    // InfoUF is reached through the WSD button only.
    QVERIFY(!w.cmd_wsd->isVisibleTo(&w));
    w.opt_wsd->click();
    w.cmd_wsd->click();
    auto* uf = qobject_cast<InfoUfForm*>(w.InfoUfWindow());
    QVERIFY(uf);
    QCOMPARE(uf->windowTitle(), QString("Basic Usage Factor (DNV-OS-C201, Sec 2, Table D1/E1)"));
    QTest::mouseClick(uf->Picture2, Qt::LeftButton);  // Table D1: nothing
    QVERIFY(w.InfoUfWindow() && uf->isVisible());
    w.opt_lrfd->click();  // stays open when the format changes
    QVERIFY(w.InfoUfWindow() && uf->isVisible());
    QTest::mouseClick(uf->Picture1, Qt::LeftButton);  // Table E1 closes
    QTRY_VERIFY(!w.InfoUfWindow());
    // Opened again: a new form, centred on the screen.
    w.Picture->click();
    QVERIFY(w.InfoTamrelWindow());
    const QRect screen = w.screen()->geometry();
    QVERIFY(std::abs(w.InfoTamrelWindow()->frameGeometry().center().x() - screen.center().x()) <=
            2);
  }

  // The column's shell length is its column length. A saved column project
  // whose file holds a ring spacing other than L opens with the same rows
  // whichever cylinder type is shown at Open; a change of L in the column
  // frame works on the new length at once, and a save then holds l = L.
  void columnShellLengthIsTheColumnLength() {
    QTemporaryDir dir;
    const QString path = dir.filePath("column.tmr");
    {
      DesignState file;
      StartedWindow maker;
      file = maker.ds;
      file.mainfrm = nullptr;
      file.cyltype = kColumnBuckling;
      file.cyll = Variant::Int(6000);
      file.ringspacing = Variant::Int(2000);
      WriteProjectFile(file, path.toStdString());
    }
    const auto rows = [](const TamrelWindow& w) {
      QStringList texts;
      for (const PictureBox* pic : {w.pic30, w.Pic31, w.pic32}) {
        for (const PictureBox::Item& item : pic->Items()) texts << item.text;
      }
      return texts;
    };
    QStringList opened[2];
    int k = 0;
    for (const bool columnShown : {false, true}) {
      StartedWindow s;
      (columnShown ? s.w().cylinder3 : s.w().cylinder1)->click();
      s.fileDialogs.answers = {path};
      s.w().MenuItem("mnuopen")->trigger();
      QVERIFY(s.messages.shown.isEmpty());
      QCOMPARE(s.ds.cyltype, std::int16_t(kColumnBuckling));
      QCOMPARE(s.ds.ringspacing.value(), 6000.0);
      QCOMPARE(s.box("il")->text(), QString("6000"));
      opened[k++] = rows(s.w());
    }
    QCOMPARE(opened[0], opened[1]);
    QVERIFY(opened[0].contains("305.8"));  // fEm over 6000 mm

    // L typed in the column frame: the shell check runs over the new length.
    StartedWindow s;
    s.fileDialogs.answers = {path};
    s.w().MenuItem("mnuopen")->trigger();
    s.Type("icolL", "4000");
    s.LeaveTo("ik1");
    QCOMPARE(s.ds.cyll.value(), 4000.0);
    QCOMPARE(s.ds.ringspacing.value(), 4000.0);
    QCOMPARE(s.box("il")->text(), QString("4000"));
    const QStringList typed = rows(s.w());
    // The same project clicked into the column type from the defaults with
    // L = 4000 shows the same rows.
    StartedWindow fresh;
    fresh.w().cylinder1->click();
    fresh.Type("icyll", "4000");
    fresh.LeaveTo("igilt");
    fresh.w().cylinder3->click();
    QCOMPARE(fresh.ds.ringspacing.value(), 4000.0);
    QCOMPARE(rows(fresh.w()), typed);
    QVERIFY(typed != opened[0]);
    // Saved: the file holds l = L.
    const QString saved = dir.filePath("saved.tmr");
    s.fileDialogs.answers = {saved};
    s.w().MenuItem("mnusaveas")->trigger();
    DesignState back = s.ds;
    ReadProjectFile(back, saved.toStdString());
    QCOMPARE(back.ringspacing.value(), 4000.0);
  }
};

TAMREL_GUI_TEST(OptionsTest);

}  // namespace tamrel

#include "options_test.moc"
