// The section dialogs as the main window shows them: opening by the member's
// type code, placement beside the main window, activation, closing and the
// unloading of every dialog when a project is opened.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "dialog_fixture.h"
#include "dialogs/built_up_dialog.h"
#include "dialogs/placement.h"
#include "dialogs/rolled_section_dialog.h"
#include "dialogs/section_window.h"

namespace tamrel {

using testing::DialogWorld;

namespace {

struct Opening {
  Member member;
  int code;
  const char* name;
  const char* caption;
  const char* firstFocus;  // control with the focus when the dialog opens
  const char* frameCaption;
  ProfileSketch sketch;
};

const Opening kOpenings[] = {
    {Member::Stiffener, 0, "stiffl", "Stiffener:  L-table", "cbo", "Stiffener",
     ProfileSketch::pic_stiff_L},
    {Member::Stiffener, 1, "stifflb", "Stiffener: L-built-up", "isth", "Stiffener",
     ProfileSketch::pic_stiff_Lb},
    {Member::Stiffener, 2, "stifft", "Stiffener: T-table", "cbo", "Stiffener",
     ProfileSketch::pic_stiff_t},
    {Member::Stiffener, 3, "stifftb", "Stiffener: T-built-up", "isth", "Stiffener",
     ProfileSketch::pic_stiff_t},
    {Member::Stiffener, 4, "stifff", "Stiffener:  Flatbar-table", "Command1", "Stiffener",
     ProfileSketch::pic_stiff_f},
    {Member::Stiffener, 5, "stifffb", "Stiffener: Flatbar-built-up", "isth", "Stiffener",
     ProfileSketch::pic_stiff_f},
    {Member::Stiffener, 6, "stiffhp", "Stiffener: Bulb Flat", "cbo", "Stiffener",
     ProfileSketch::pic_stiff_hp},
    {Member::Stiffener, 7, "stiffrhs", "Stiffener:  RHS", "isth", "Girder",
     ProfileSketch::pic_stiff_rhs},
    {Member::Stiffener, 8, "stiffusp", "Stiffener: Trapez-profile", "isth", "Stiffener",
     ProfileSketch::pic_stiff_usp},
    {Member::Stiffener, 9, "stiffib", "Stiffener: I-built-up", "isth", "Stiffener",
     ProfileSketch::pic_stiff_i},
    {Member::RingFrame, 0, "girdl", "Ringframe:  L-table", "cbo", "Profile",
     ProfileSketch::pic_gird_L},
    {Member::RingFrame, 1, "girdlb", "Ringframe: L-built-up", "isth", "Profile",
     ProfileSketch::pic_gird_Lb},
    {Member::RingFrame, 2, "girdt", "Ringframe: T-table", "cbo", "Profile",
     ProfileSketch::pic_gird_t},
    {Member::RingFrame, 3, "girdtb", "Ringframe: T-built-up", "isth", "Profile",
     ProfileSketch::pic_gird_t},
    {Member::RingFrame, 4, "girdf", "Ringframe: Flatbar-table", "Command1", "Profile",
     ProfileSketch::pic_gird_f},
    {Member::RingFrame, 5, "girdfb", "Ringframe: Flatbar-built-up", "isth", "Profile",
     ProfileSketch::pic_gird_f},
    {Member::RingFrame, 6, "girdhp", "Ringframe: Bulb Flat", "cbo", "Profile",
     ProfileSketch::pic_gird_hp},
    {Member::RingFrame, 7, "girdrhs", "Ringframe: RHS", "isth", "Profile",
     ProfileSketch::pic_gird_rhs},
    {Member::RingFrame, 8, "girdusp", "Ringframe: Trapez-profile", "isth", "Stiffener",
     ProfileSketch::pic_gird_usp},
    {Member::RingFrame, 9, "girdib", "Ringframe: I-built-up", "isth", "Profile",
     ProfileSketch::pic_gird_i},
};

std::int16_t TypeOf(const DesignState& ds, Member m) {
  return m == Member::Stiffener ? ds.stifftype : ds.ringtype;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachCodeOpensItsDialogActivatedAndFilled() {
    for (const Opening& o : kOpenings) {
      DialogWorld w;
      // The other member's type must stay as it is.
      const std::int16_t other =
          TypeOf(w.ds, o.member == Member::Stiffener ? Member::RingFrame : Member::Stiffener);
      SectionDialog* d = w.Open(o.member, o.code);
      QVERIFY2(d != nullptr, o.name);
      QCOMPARE(d->Window()->objectName(), QString::fromLatin1(o.name));
      QCOMPARE(d->Window()->windowTitle(), QString::fromLatin1(o.caption));
      QCOMPARE(TypeOf(w.ds, o.member), std::int16_t(o.code));
      QCOMPARE(TypeOf(w.ds, o.member == Member::Stiffener ? Member::RingFrame : Member::Stiffener),
               other);
      // The combo of the member shows the code's entry; one recalculation.
      QCOMPARE(w.host.comboEntries.size(), size_t(1));
      QVERIFY(w.host.comboEntries[0] == std::make_pair(o.member, o.code));
      QCOMPARE(w.host.recalcs, 1);
      QVERIFY(d->Filled());
      QWidget* focus = d->Window()->focusWidget();
      QVERIFY2(focus && focus->objectName() == QLatin1String(o.firstFocus), o.name);
      auto* pic = DialogWorld::Control<ProfileSketchBox>(d, "pic1");
      QVERIFY(pic != nullptr);
      QCOMPARE(pic->Sketch(), o.sketch);
      QCOMPARE(pic->width(), 175);
      auto* frame = DialogWorld::Control<QGroupBox>(d, o.code == 6 ? "Frame5" : "Frame3");
      QVERIFY2(frame != nullptr, o.name);
      QCOMPARE(frame->title(), QString::fromLatin1(o.frameCaption));
      QCOMPARE(DialogWorld::Control<QGroupBox>(d, "fr21")->title(), QStringLiteral("Girder data "));
      const bool hasLocal = o.code != 7 && o.code != 8;
      QCOMPARE(DialogWorld::Control<QGroupBox>(d, "Frame1") != nullptr, hasLocal);
      const bool table = o.code % 2 == 0 && o.code <= 6;
      QCOMPARE(DialogWorld::Control<QComboBox>(d, "cbo") != nullptr, table);
      QCOMPARE(dynamic_cast<RolledSectionDialog*>(d) != nullptr, table);
      QCOMPARE(DialogWorld::Control<QPushButton>(d, "Command1")->text(), QStringLiteral("OK"));
      // Modeless, owned by the main window.
      QCOMPARE(d->Window()->parentWidget(), &w.host.owner);
      QVERIFY(!d->Window()->isModal());
    }
  }

  // Every text of a dialog is plain Arial 9 pt, also inside the frames
  // whose captions are bold 8.25 pt; only the headings "Web:" and
  // "Flange:" are underlined.
  void textsArePlainAndOnlyTheFrameCaptionsBold() {
    for (const Opening& o : kOpenings) {
      DialogWorld w;
      SectionDialog* d = w.Open(o.member, o.code);
      QVERIFY2(d != nullptr, o.name);
      int texts = 0;
      for (QWidget* c : d->Window()->findChildren<QWidget*>()) {
        const QString what = QString("%1 %2").arg(o.name, c->objectName());
        if (auto* g = qobject_cast<QGroupBox*>(c)) {
          QVERIFY2(g->font().bold(), qPrintable(what));
          QCOMPARE(g->font().pointSizeF(), 8.25);
          continue;
        }
        if (!qobject_cast<QLabel*>(c) && !qobject_cast<QLineEdit*>(c) &&
            !qobject_cast<QComboBox*>(c) && !qobject_cast<QPushButton*>(c)) {
          continue;
        }
        ++texts;
        QVERIFY2(!c->font().bold(), qPrintable(what));
        QCOMPARE(c->font().family(), QStringLiteral("Arial"));
        QCOMPARE(c->font().pointSizeF(), 9.0);
        const auto* label = qobject_cast<QLabel*>(c);
        const bool heading =
            label != nullptr && (label->text() == "Web:" || label->text() == "Flange:");
        QCOMPARE(c->font().underline(), heading);
      }
      QVERIFY2(texts >= 10, o.name);
    }
  }

  void aCodeOutsideTheTypesShowsNothing() {
    for (const int code : {10, -1, 32767}) {
      DialogWorld w;
      w.ds.stifftype = static_cast<std::int16_t>(code);
      w.ds.ringtype = static_cast<std::int16_t>(code);
      w.dialogs.ShowStiffDialog();
      w.dialogs.ShowRingDialog();
      QCoreApplication::processEvents();
      for (Member m : {Member::Stiffener, Member::RingFrame}) {
        for (int c = 0; c < 10; ++c) QVERIFY(w.dialogs.Existing(m, c) == nullptr);
      }
      QCOMPARE(w.host.recalcs, 0);
      QCOMPARE(w.host.ringprof, std::string("unchanged"));
      QCOMPARE(w.host.ringprofWrites, 0);
      QVERIFY(w.host.comboEntries.empty());
    }
  }

  void ringDialogWritesTheRingFrameCaption() {
    struct Case {
      int code;
      double H, B, tw;
      float tf;
      const char* caption;
    };
    const Case cases[] = {
        {3, 200, 90, 9, 12.0f, "T200x90x9.0x12.0"},     {2, 200, 90, 9, 12.0f, "T200x90x9.0x12.0"},
        {7, 200, 100, 8, 8.0f, "RHS200x100x8.0"},       {6, 200, 30, 9, 1.0f, "BF 200x9.0"},
        {5, 150, 0, 12.5, 0.0f, "Fb150x12.5"},          {8, 180, 90, 6, 6.0f, "U180x90x6.0"},
        {9, 300, 150, 10, 15.0f, "I300x150x10.0x15.0"}, {0, 90, 90, 9, 9.0f, "L90x90x9.0x9.0"},
    };
    for (const Case& c : cases) {
      DialogWorld w;
      w.ds.ringtype = static_cast<std::int16_t>(c.code);
      w.ds.hg = c.H;
      w.ds.bg = c.B;
      w.ds.twg = c.tw;
      w.ds.tfg = c.tf;
      // The stiffener's dimensions play no part.
      w.ds.hs = 999.0;
      w.dialogs.ShowRingDialog();
      QCOMPARE(w.host.ringprof, std::string(c.caption));
      QVERIFY(w.dialogs.Existing(Member::RingFrame, c.code)->Loaded());
    }
  }

  void placementArithmeticInTwips() {
    // A trapezoid dialog (f = 1) 5700 twips wide on a main window 12000
    // twips wide at Left 500: its right edge is the main window's.
    const TwipsPosition at = PlaceSectionDialog({500, 1000, 12000, 9000}, 5700, 5000, 1.0f);
    QCOMPARE(at.left, 6800.0f);
    QCOMPARE(at.top, 1000.0f + 4500.0f - 2500.0f);
    // f = 0.5 centres; a dialog wider than the main window lies left of it.
    QCOMPARE(PlaceSectionDialog({0, 0, 10000, 8000}, 6000, 6000, 0.5f).left, 2000.0f);
    QCOMPARE(PlaceSectionDialog({300, 0, 4000, 8000}, 6000, 6000, 0.8f).left, 300.0f - 1600.0f);
  }

  // Placed by the factor beside a main window that stands inside the
  // screen's available area, so the placement needs no keeping on it.
  void dialogsArePlacedByTheirFactorWhenLoaded() {
    struct Case {
      Member member;
      int code;
      double f;
    };
    const Case cases[] = {{Member::Stiffener, 6, 0.8}, {Member::RingFrame, 8, 1.0},
                          {Member::Stiffener, 0, 0.2}, {Member::RingFrame, 9, 0.5},
                          {Member::Stiffener, 7, 0.9}, {Member::RingFrame, 1, 0.3}};
    for (const Case& c : cases) {
      DialogWorld w;
      // The dialog's frame is taken to be the main window's.
      w.host.owner.show();
      const QRect area = w.host.owner.screen()->availableGeometry();
      w.host.frame = area.adjusted(40, 30, -40, -30);
      SectionDialog* d = w.Open(c.member, c.code);
      QVERIFY(d != nullptr);
      const QRect g = d->Window()->frameGeometry();
      QVERIFY2(g.width() < w.host.frame.width() && g.height() < w.host.frame.height(),
               "this test is for a dialog smaller than the main window");
      const QRect& m = w.host.frame;
      const double left = m.x() + c.f * (m.width() - g.width());
      const double top = m.y() + (m.height() / 2.0 - g.height() / 2.0);
      QVERIFY2(std::abs(g.x() - left) <= 1.0, d->Entry().name);
      QVERIFY2(std::abs(g.y() - top) <= 1.0, d->Entry().name);
    }
  }

  // Beside a main window that runs past the screen's edge, a dialog that
  // fits on the screen is moved just far enough to lie wholly on it, along
  // each side that its factor's place would put off the screen.
  void aDialogBesideAMainWindowPastTheScreensEdgeStaysOnTheScreen() {
    struct Case {
      const char* what;
      Member member;
      int code;
      QPoint mainAt;  // from the available area's top-left corner
    };
    const Case cases[] = {
        {"trapezoid, main window past the right edge", Member::Stiffener, 8, {300, 0}},
        {"bulb flat, main window past the right and bottom edges",
         Member::Stiffener,
         6,
         {200, 250}},
        {"L-table, main window past the left and top edges", Member::RingFrame, 0, {-700, -500}},
    };
    for (const Case& c : cases) {
      DialogWorld w;
      w.host.owner.show();
      const QRect area = w.host.owner.screen()->availableGeometry();
      w.host.frame = QRect(area.topLeft() + c.mainAt, QSize(1024, 768));
      SectionDialog* d = w.Open(c.member, c.code);
      QVERIFY2(d != nullptr, c.what);
      const QRect g = d->Window()->frameGeometry();
      QVERIFY2(g.width() <= area.width() && g.height() <= area.height(), c.what);
      QVERIFY2(area.contains(g),
               qPrintable(QStringLiteral("%1: at %2,%3").arg(c.what).arg(g.x()).arg(g.y())));
      // Off the screen along a side by the factor: then at that edge.
      const QRect& m = w.host.frame;
      const double left = m.x() + static_cast<double>(d->Entry().f) * (m.width() - g.width());
      const double top = m.y() + (m.height() / 2.0 - g.height() / 2.0);
      if (left + g.width() > area.x() + area.width()) QCOMPARE(g.right(), area.right());
      if (left < area.x()) QCOMPARE(g.x(), area.x());
      if (top + g.height() > area.y() + area.height()) QCOMPARE(g.bottom(), area.bottom());
      if (top < area.y()) QCOMPARE(g.y(), area.y());
    }
  }

  void aDialogIsPlacedAgainOnlyAfterItWasClosed() {
    DialogWorld w;
    w.host.frame = QRect(0, 0, 600, 450);
    SectionDialog* d = w.Open(Member::Stiffener, kRHS);
    const QPoint first = d->Window()->pos();
    // The main window moves; the open dialog stays where it is.
    w.host.frame = QRect(100, 50, 600, 450);
    w.dialogs.ShowStiffDialog();
    QCoreApplication::processEvents();
    QCOMPARE(d->Window()->pos(), first);
    // Closed and shown again: placed against the main window's new place.
    d->Window()->close();
    QVERIFY(!d->Loaded());
    QVERIFY(w.Open(Member::Stiffener, kRHS) == d);
    QCOMPARE(d->Window()->pos(), first + QPoint(100, 50));
  }

  void switchingBetweenDialogsOfOneMemberSwitchesTheType() {
    DialogWorld w;
    SectionDialog* l = w.Open(Member::Stiffener, kLTable);
    SectionDialog* t = w.Open(Member::Stiffener, kTTable);
    QVERIFY(l && t);
    QCOMPARE(w.ds.stifftype, std::int16_t(kTTable));
    QCOMPARE(w.host.recalcs, 2);
    for (int round = 0; round < 2; ++round) {
      QVERIFY(DialogWorld::Activate(l->Window()));
      QCOMPARE(w.ds.stifftype, std::int16_t(kLTable));
      QVERIFY(DialogWorld::Activate(t->Window()));
      QCOMPARE(w.ds.stifftype, std::int16_t(kTTable));
    }
    QCOMPARE(w.host.recalcs, 6);
    QCOMPARE(w.host.comboEntries.back(), std::make_pair(Member::Stiffener, int(kTTable)));
    // A show request for the dialog that is already active runs nothing more.
    w.dialogs.ShowStiffDialog();
    QCoreApplication::processEvents();
    QCOMPARE(w.host.recalcs, 6);
  }

  void theMainWindowBackToADialogActivatesItAgain() {
    DialogWorld w;
    w.host.owner.show();
    SectionDialog* d = w.Open(Member::RingFrame, kIBuiltUp);
    QVERIFY(d != nullptr);
    QCOMPARE(w.host.recalcs, 1);
    w.ds.ringtype = kTTable;  // the main window's combo chose another type meanwhile
    QVERIFY(DialogWorld::Activate(&w.host.owner));
    QCOMPARE(w.host.recalcs, 1);
    QVERIFY(DialogWorld::Activate(d->Window()));
    QCOMPARE(w.host.recalcs, 2);
    QCOMPARE(w.ds.ringtype, std::int16_t(kIBuiltUp));
    w.host.owner.hide();
  }

  void comingBackFromAnotherApplicationIsNoActivation() {
    DialogWorld w;
    w.host.owner.show();
    QVERIFY(DialogWorld::Activate(&w.host.owner));
    SectionDialog* d = w.Open(Member::Stiffener, kRHS);
    QVERIFY(d != nullptr);
    QCOMPARE(w.host.recalcs, 1);
    // The program loses the activation to another application and gets it
    // back, the dialog being its active window before and after.
    QApplication::setActiveWindow(nullptr);
    QCOMPARE(QApplication::activeWindow(), nullptr);
    QApplication::setActiveWindow(d->Window());
    QCOMPARE(QApplication::activeWindow(), d->Window());
    QCOMPARE(w.host.recalcs, 1);
    w.host.owner.hide();
  }

  void openingAProjectClosesEveryDialogInOrderWithoutReadingBack() {
    DialogWorld w;
    const Member kS = Member::Stiffener, kR = Member::RingFrame;
    for (auto [m, code] : {std::pair{kS, 3}, {kR, 8}, {kS, 0}, {kR, 0}, {kS, 8}, {kR, 1}}) {
      QVERIFY(w.Open(m, code) != nullptr);
    }
    // Boxes typed into but not left, then the project is read: the file's
    // sets must survive the closing of the dialogs.
    auto* tb = static_cast<BuiltUpDialog*>(w.dialogs.Existing(kS, 3));
    tb->Box(Quantity::H)->setText(QStringLiteral("3"));
    tb->Box(Quantity::B)->setText(QStringLiteral("4"));
    auto* usp = static_cast<BuiltUpDialog*>(w.dialogs.Existing(kR, 8));
    usp->Box(Quantity::a)->setText(QStringLiteral("-7"));
    w.ds.stifftb_h = 321.0;
    w.ds.stifftb_b = 123.0;
    w.ds.girdusp_a = 33.0;
    const int recalcs = w.host.recalcs;
    const std::vector<std::string> closed = w.dialogs.UnloadSectionDialogs();
    QCOMPARE(closed, (std::vector<std::string>{"stiffl", "stifftb", "stiffusp", "girdl", "girdlb",
                                               "girdusp"}));
    for (Member m : {kS, kR}) {
      for (int c = 0; c < 10; ++c) {
        if (SectionDialog* d = w.dialogs.Existing(m, c)) QVERIFY(!d->Loaded());
      }
    }
    QCOMPARE(double(w.ds.stifftb_h), 321.0);
    QCOMPARE(double(w.ds.stifftb_b), 123.0);
    QCOMPARE(double(w.ds.girdusp_a), 33.0);
    QVERIFY(w.host.Recorded().shown.isEmpty());
    QCOMPARE(w.host.recalcs, recalcs);
    // Nothing left to close; the next show loads, places and fills anew.
    QVERIFY(w.dialogs.UnloadSectionDialogs().empty());
    SectionDialog* again = w.Open(kS, 3);
    QCOMPARE(again, static_cast<SectionDialog*>(tb));
    QCOMPARE(tb->Box(Quantity::H)->text(), QStringLiteral("321"));
  }

  void aDialogNeverFilledClosesWithoutTouchingItsSet() {
    DialogWorld w;
    SectionDialog* d = w.dialogs.Instance(Member::Stiffener, kTBuiltUp);
    d->Load();  // loaded, not shown, never activated: boxes hold their initial blank
    QVERIFY(d->Loaded() && !d->Filled());
    w.ds.decflag = Variant::Int(-1);  // a blank would not even convert here
    w.ds.stifftb_h = 250.0;
    d->Window()->close();
    QVERIFY(!d->Loaded());
    QCOMPARE(double(w.ds.stifftb_h), 250.0);
    QVERIFY(w.host.Recorded().shown.isEmpty());
  }

  void theProgramEndingRunsNoClosing() {
    DialogWorld w;
    auto dialogs = std::make_unique<SectionDialogs>(w.ds, w.host);
    w.ds.stifftype = kIBuiltUp;
    dialogs->ShowStiffDialog();
    auto* d = static_cast<BuiltUpDialog*>(dialogs->Existing(Member::Stiffener, kIBuiltUp));
    QVERIFY(DialogWorld::WaitActive(d->Window()));
    d->Box(Quantity::H)->setText(QStringLiteral("2"));
    dialogs.reset();
    QVERIFY(w.host.Recorded().shown.isEmpty());
    QCOMPARE(double(w.ds.stiffib_h), 200.0);
  }
};

TAMREL_GUI_TEST(DialogsTest);

}  // namespace tamrel

#include "dialogs_test.moc"
