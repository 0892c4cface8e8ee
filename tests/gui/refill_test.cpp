// The window refill from the design state, for every cylinder type and the
// options it sets.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "main_window_fixture.h"
#include "mainwindow/sketch_box.h"
#include "platform/desktop.h"
#include "platform/formula_text.h"
#include "platform/picture_box.h"

namespace tamrel {

using testing::LocaleScope;
using testing::StartedWindow;

class RefillTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void eachCylinderType() {
    struct Case {
      const char* name;
      int type;
      bool outside;
      // fr120 fr121 fr123 fr124 Pic31 pic32 Outside_ch ring_ch hring_ch
      bool shown[9];
      GeometrySketch sketch;
      const char* fr31;
      bool profilesMenu, stiffMenu, ringMenu;
    };
    const Case cases[] = {
        {"cylinder",
         0,
         false,
         {false, false, true, false, false, false, false, false, false},
         GeometrySketch::pic20,
         "Results Stiffener Buckling",
         false,
         true,
         true},
        {"ring inside",
         1,
         false,
         {false, true, true, false, false, true, true, true, true},
         GeometrySketch::pic21,
         "Results Stiffener Buckling",
         true,
         false,
         true},
        {"ring outside",
         1,
         true,
         {false, true, true, false, false, true, true, true, true},
         GeometrySketch::pic26,
         "Results Stiffener Buckling",
         true,
         false,
         true},
        {"stringer inside",
         2,
         false,
         {true, true, true, false, true, true, true, true, true},
         GeometrySketch::pic22,
         "Results Stiffener Buckling",
         true,
         true,
         true},
        {"stringer outside",
         2,
         true,
         {true, true, true, false, true, true, true, true, true},
         GeometrySketch::pic27,
         "Results Stiffener Buckling",
         true,
         true,
         true},
        {"column",
         3,
         false,
         {false, false, false, true, true, false, false, false, false},
         GeometrySketch::pic30,
         "Results Global Buckling",
         false,
         true,
         true},
    };
    for (const Case& c : cases) {
      StartedWindow s;
      TamrelWindow& w = s.w();
      if (c.outside) w.Outside_ch->click();
      QRadioButton* options[] = {w.cylinder0, w.cylinder1, w.cylinder2, w.cylinder3};
      if (c.type != 2) options[c.type]->click();
      QWidget* controls[] = {w.fr120, w.fr121,      w.fr123,   w.fr124,   w.Pic31,
                             w.pic32, w.Outside_ch, w.ring_ch, w.hring_ch};
      for (int i = 0; i < 9; ++i) {
        QVERIFY2(controls[i]->isVisibleTo(&w) == c.shown[i],
                 qPrintable(QString("%1: %2").arg(c.name, controls[i]->objectName())));
      }
      QVERIFY2(options[c.type]->isChecked(), c.name);
      for (int k = 0; k < 4; ++k) QCOMPARE(options[k]->isChecked(), k == c.type);
      QCOMPARE(s.ds.cyltype, c.type);
      QVERIFY2(w.CurrentSketch() == c.sketch, c.name);
      QCOMPARE(w.fr31->title(), QString(c.fr31));
      QCOMPARE(w.mnuprofiles->menuAction()->isVisible(), c.profilesMenu);
      QCOMPARE(w.mnustiff->menuAction()->isVisible(), c.stiffMenu);
      QCOMPARE(w.mnuring->menuAction()->isVisible(), c.ringMenu);
      QVERIFY(s.messages.shown.isEmpty());
    }
  }

  void columnFrameAndFields() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    w.cylinder3->click();
    const TwipRect r = PlaceColumnFrame(w.layout());
    const ScreenInfo screen = QueryScreen(&w);
    QCOMPARE(w.fr124->geometry().topLeft(),
             QPoint(TwipsToPixels(r.left, screen.dpiX), TwipsToPixels(r.top, screen.dpiY)));
    // The ring spacing takes the column length, and keeps it afterwards.
    QCOMPARE(s.ds.ringspacing.value(), 6000.0);
    QCOMPARE(s.box("il")->text(), QString("6000"));
    QCOMPARE(s.box("icolL")->text(), QString("6000"));
    QCOMPARE(s.box("ik1")->text(), QString("1.00"));
    QCOMPARE(s.box("ik2")->text(), QString("1.00"));
    QCOMPARE(s.box("inn")->text(), QString("-1000.0"));
    QCOMPARE(s.box("im1a")->text(), QString("-200.0"));
    QCOMPARE(s.box("im2b")->text(), QString("100.0"));
    QCOMPARE(s.box("ip")->text(), QString("-0.300"));
    QVERIFY(w.odmom1->isChecked());
    QVERIFY(w.Pic31->PlainText().startsWith("Global Buckling"));
    w.cylinder2->click();
    QVERIFY(!w.fr124->isVisibleTo(&w));
    QCOMPARE(w.fr31->title(), QString("Results Stiffener Buckling"));
    QCOMPARE(s.box("il")->text(), QString("6000"));
    QCOMPARE(s.ds.ringspacing.value(), 6000.0);
  }

  void defaultProjectFields() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    const std::pair<const char*, const char*> texts[] = {
        {"iproj", "Project"},
        {"iident", "Test"},
        {"iufb", "1.00"},
        {"is1", "600"},
        {"ilt", "3000"},
        {"icylr", "3333"},
        {"icyll", "6000"},
        {"igilt", "600"},
        {"it", "20.0"},
        {"il", "3000"},
        {"isigx", "-100.0"},
        {"ipp", "-0.300"},
        {"isigy", "-10.0"},
        {"itau", "40.0"},
        {"ie", "2.10E+5"},
        // Table grades: the locked boxes show the strength used, plain.
        {"ifyp", "345"},
        {"ifys", "355"},
    };
    for (const auto& [name, text] : texts) QCOMPARE(s.box(name)->text(), QString(text));
    for (const char* name : {"ifyp", "ifys", "ifyg"}) QVERIFY(!s.box(name)->isEnabled());
    QCOMPARE(w.text_ufb->text(), QString("Allowable Usage Factor UF ="));
    QVERIFY(w.opt_lrfd->isChecked());
    QVERIFY(w.cmd_lrfd->isVisibleTo(&w));
    QVERIFY(!w.cmd_wsd->isVisibleTo(&w));
    QVERIFY(w.ringfab0->isChecked());
    QVERIFY(w.ring_ch->isChecked());
    QVERIFY(!w.hring_ch->isChecked());
    QVERIFY(w.check_ih->isVisibleTo(&w));  // external pressure
    QCOMPARE(w.cbostiff->count(), 10);
    QCOMPARE(w.cbostiff->currentText(), QString("L-table"));
    QCOMPARE(w.cboring->currentText(), QString("T-table"));
    QCOMPARE(w.cboring->itemText(9), QString("I-profile"));
    QCOMPARE(w.cbostiff->itemText(9), QString("I-built up"));
    QCOMPARE(w.cbofyp->currentIndex(), 2);
    QCOMPARE(w.stiffprof->text(), QString("L100x50x6.0x6.0"));  // first row of lprof.dat
    QCOMPARE(w.cmdpic_stiff->property("profileIcon").toString(), QString("ico_stiff_l"));
    QCOMPARE(w.cmdpic_gird->property("profileIcon").toString(), QString("ico_gird_t"));
    QCOMPARE(w.txt1->text(), QString("Note 1: Negative sigx / sigy = compression \nNote 2: "
                                     "Positive pd = inside pressure "));
  }

  // The sign note reads as written: at most three lines in its place, none
  // broken inside a formula, all within the label.
  void theSignNoteReadsAsWritten() {
    StartedWindow s;
    QLabel* note = s.w().txt1;
    QVERIFY(qobject_cast<NoteLabel*>(note) != nullptr);
    const QRect room = note->contentsRect();
    const QStringList lines =
        testing::WrappedLines(KeepFormulasTogether(note->text()), note->font(), room.width());
    QVERIFY2(lines.size() <= 3, qPrintable(lines.join('|')));
    QVERIFY2(testing::LineBrokenInAFormula(lines).isEmpty(), qPrintable(lines.join('|')));
    QVERIFY(lines.size() * QFontMetrics(note->font()).lineSpacing() <= room.height());
    // Beside the stresses, clear of their boxes and of the "+/-" button.
    for (const char* name : {"isigx", "isigy", "itau", "ipp", "Command3"}) {
      auto* other = s.w().findChild<QWidget*>(name);
      QVERIFY2(!note->geometry().intersects(other->geometry()), name);
    }
  }

  void typedGradeAndRingProfileNine() {
    StartedWindow s;
    s.ds.matp = s.ds.mat.matlast;
    s.ds.fyp = Variant(50.0f);
    s.ds.ringtype = kIBuiltUp;
    s.w().ShowDesignState();
    Recalculate(s.ds);
    QVERIFY(s.box("ifyp")->isEnabled());
    QCOMPARE(s.box("ifyp")->text(), QString("050"));
    QCOMPARE(s.w().cboring->currentText(), QString("I-profile"));
    QVERIFY(s.w().ringprof->text().startsWith("I200x90x9.0x12.0"));
  }

  // Every yield box of a typed grade shows its strength in "#000" after the
  // refill, also the stiffener's and ring frame's, which were locked before
  // it and are released by their lists only after the plate's list has
  // recalculated.
  void typedGradesOfAllMembersAfterAProjectWithTableGrades() {
    StartedWindow s;
    QVERIFY(!s.box("ifys")->isEnabled());
    s.ds.matp = s.ds.mats = s.ds.matg = s.ds.mat.matlast;
    s.ds.fyp = Variant(50.4f);
    s.ds.fys = Variant(60.4f);
    s.ds.fyg = Variant(70.4f);
    s.w().ShowDesignState();
    QCOMPARE(s.box("ifyp")->text(), QString("050"));
    QCOMPARE(s.box("ifys")->text(), QString("060"));
    QCOMPARE(s.box("ifyg")->text(), QString("070"));
    // And back to table grades: the boxes are locked and show what is used.
    s.ds.matp = s.ds.mats = s.ds.matg = 2;
    s.w().ShowDesignState();
    QVERIFY(!s.box("ifys")->isEnabled());
    QCOMPARE(s.box("ifys")->text(), QString("355"));
    QCOMPARE(s.box("ifyp")->text(), QString("345"));
  }

  void ringFrameControlOffAndOn() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    w.hring_ch->click();
    QCOMPARE(s.ds.hring, 1);
    w.ring_ch->click();  // cleared: heavy ring-frame control goes too
    QCOMPARE(s.ds.ring, 0);
    QCOMPARE(s.ds.hring, 0);
    QVERIFY(!w.ring_ch->isChecked());
    QVERIFY(!w.hring_ch->isChecked());
    QVERIFY(!w.pic32->isVisibleTo(&w));
    w.ring_ch->click();
    QCOMPARE(s.ds.ring, 1);
    QCOMPARE(s.ds.hring, 0);
    QVERIFY(w.pic32->isVisibleTo(&w));
  }

  void usageFactorSurvivesTheDesignFormatOption() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    // A WSD project with 0.9 opened while LRFD is chosen.
    s.ds.lrfd = kWSD;
    s.ds.UF = Variant(0.9);
    w.ShowDesignState();
    QVERIFY(w.opt_wsd->isChecked());
    QCOMPARE(s.box("iufb")->text(), QString("0.90"));
    QCOMPARE(s.ds.UF.kind(), Variant::Kind::Single);
    QCOMPARE(s.ds.UF.value(), static_cast<double>(0.9f));
    QCOMPARE(w.text_ufb->text(), QString("Basic Usage Factor, n0 ="));
    // An LRFD project with 1.15 opened while WSD is chosen: the option's
    // handler resets to 1.0, the refill gives 1.15 back.
    s.ds.lrfd = kLRFD;
    s.ds.UF = Variant(1.15);
    w.ShowDesignState();
    QVERIFY(w.opt_lrfd->isChecked());
    QCOMPARE(s.box("iufb")->text(), QString("1.15"));
    QCOMPARE(s.ds.UF.value(), static_cast<double>(1.15f));
  }

  void dimensioningMomentsUntouchedUntilTheColumnType() {
    StartedWindow s;
    s.ds.odmom = kReducedMoment;
    s.w().ShowDesignState();
    QVERIFY(!s.w().odmom1->isChecked() && !s.w().odmom2->isChecked());
    s.w().cylinder3->click();
    QVERIFY(s.w().odmom2->isChecked());
    QCOMPARE(s.ds.odmom, kReducedMoment);
  }

  // New or Open while the user is typing in a box the new project hides:
  // the typed text never reaches the new project, and no handler runs.
  void refillHidingTheFocusedBoxRunsNoHandler() {
    StartedWindow s;
    QVERIFY(s.active);
    s.Type("is1", "999");
    const int drawings = s.w().ResultDrawings();
    SetDefaults(s.ds);
    s.ds.cyltype = kCylinder;
    s.w().ShowDesignState();
    QCOMPARE(s.ds.stiffspacing.value(), 600.0);
    QVERIFY(s.messages.shown.isEmpty());
    // cylinder0 chosen: its handler's recalculation and its refill's three
    // material lists; then the outer refill's three lists.
    QCOMPARE(s.w().ResultDrawings() - drawings, 1 + 3 + 3);
    QVERIFY(!s.box("is1")->isVisibleTo(&s.w()));
    // Its look is reset; leaving the box that now has the focus stores only
    // what that box shows.
    QCOMPARE(s.box("is1")->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    s.LeaveTo("isigx");
    QCOMPARE(s.ds.stiffspacing.value(), 600.0);
  }
};

TAMREL_GUI_TEST(RefillTest);

}  // namespace tamrel

#include "refill_test.moc"
