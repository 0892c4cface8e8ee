// The menu bar of the main window: the tree as created, the Profiles items,
// the profile lists and picture buttons that show the section dialogs, the
// pop-up Profiles menu, Print through the window, Exit and closing.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "calc/sections.h"
#include "dialogs/section_window.h"
#include "main_window_fixture.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

struct MenuLine {
  int level;
  QString name;
  QString caption;  // "-" for a separator
  bool visible;
  friend bool operator==(const MenuLine&, const MenuLine&) = default;
};

// The menu tree as the window holds it, top to bottom. Also checks what no
// item ever has: a shortcut, a check mark, a disabled state (a hidden item
// counts as disabled while it is hidden).
void Walk(const QList<QAction*>& actions, int level, QList<MenuLine>& out) {
  for (QAction* a : actions) {
    QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
    QVERIFY2(!a->isCheckable(), qPrintable(a->objectName()));
    QVERIFY2(a->isEnabled() || !a->isVisible(), qPrintable(a->objectName()));
    out.push_back(
        {level, a->objectName(), a->isSeparator() ? QString("-") : a->text(), a->isVisible()});
    if (a->menu() != nullptr) Walk(a->menu()->actions(), level + 1, out);
  }
}

QStringList BarEntries(TamrelWindow& w) {
  QStringList entries;
  for (QAction* a : w.menuBar()->actions()) {
    if (a->isVisible()) entries << a->text();
  }
  return entries;
}

const char* const kProfileCaptions[10] = {
    "&L-table",         "L built-up", "&T-table", "T built-up",     "Flatbar table",
    "Flatbar built-up", "Bulb Flat",  "RHS",      "Trapez-profile", "I built-up"};
const char* const kStiffItems[10] = {"mnustiffl", "mnustifflb",  "mnustifft",  "mnustifftb",
                                     "mnustifff", "mnustiffflb", "mnustiffhp", "mnustiffrhs",
                                     "mnustiffu", "mnustiffib"};
const char* const kRingItems[10] = {"mnugirdl", "mnugirdlb", "mnugirdt",  "mnugirdtb",
                                    "mnugirdf", "mnugirdfb", "mnugirdhp", "mnugirdrhs",
                                    "mnugirdu", "mnugirdib"};

QList<MenuLine> ExpectedTree() {
  QList<MenuLine> t = {
      {1, "mnufile", "&File", true},
      {2, "mnunew", "&New", true},
      {2, "mnuopen", "&Open", true},
      {2, "mnusave", "&Save", true},
      {2, "mnusaveas", "Save &As", true},
      {2, "mnurecentfile(0)", "-", false},
      {2, "mnurecentfile(1)", "oldfile1", false},
      {2, "mnurecentfile(2)", "oldfile1", false},
      {2, "mnurecentfile(3)", "oldfile3", false},
      {2, "mnurecentfile(4)", "oldfile4", false},
      {2, "spacer", "-", true},
      {2, "mnuexit", "&Exit", true},
      {1, "mnuprofiles", "&Profiles", false},
      {2, "mnustiff", "&Longitudinal stiffener", true},
  };
  for (int c = 0; c < 10; ++c) t.push_back({3, kStiffItems[c], kProfileCaptions[c], true});
  t.push_back({2, "mnuring", "&Ringframe Profile", true});
  for (int c = 0; c < 10; ++c) t.push_back({3, kRingItems[c], kProfileCaptions[c], true});
  t += QList<MenuLine>{
      {1, "mnuprint", "Print", true},
      {1, "mnuhelp", "&Help", true},
      {2, "mnuhelpcont", "&Contents", true},
      {2, "mnuindex", "&Index", true},
      {2, "mnuhelpsearch", "&Search for Help On . . . ", true},
      {2, "mnuTheory", "Theory Manual", true},
      {2, "line", "-", true},
      {2, "mnuabout", "&About Tamrel", true},
  };
  return t;
}

SectionDialog* Dialog(TamrelWindow& w, Member m, int code) {
  return w.SectionDialogSet().Existing(m, code);
}

bool Shown(TamrelWindow& w, Member m, int code) {
  const SectionDialog* d = Dialog(w, m, code);
  return d != nullptr && d->Window() != nullptr && d->Window()->isVisible();
}

void CloseDialogs(TamrelWindow& w) {
  for (Member m : {Member::Stiffener, Member::RingFrame}) {
    for (int code = 0; code < 10; ++code) {
      if (SectionDialog* d = Dialog(w, m, code); d && d->Loaded()) {
        d->Unload(SectionDialog::CloseReason::User);
      }
    }
  }
  QCoreApplication::processEvents();
}

void Pick(QComboBox* combo, int i) {
  combo->setCurrentIndex(i);
  emit combo->activated(i);
}

// A point of a widget where none of its children is.
QPoint FreePoint(QWidget* w) {
  for (int y = 1; y < w->height(); y += 3) {
    for (int x = 1; x < w->width(); x += 3) {
      if (w->childAt(x, y) == nullptr) return {x, y};
    }
  }
  return {-1, -1};
}

}  // namespace

class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // Names, captions, order and what is hidden when the window is created.
  void menuTreeAtCreation() {
    DesignState ds;
    testing::RecordingMessages messages;
    MemorySettingsStore settings;
    TamrelWindow w(ds, WindowServices{messages, settings}, TAMREL_DATA_DIR);
    QList<MenuLine> tree;
    Walk(w.menuBar()->actions(), 1, tree);
    const QList<MenuLine> expected = ExpectedTree();
    QCOMPARE(tree.size(), expected.size());
    for (qsizetype i = 0; i < tree.size(); ++i) {
      QVERIFY2(tree[i] == expected[i], qPrintable(QString("%1: %2 \"%3\" %4")
                                                      .arg(i)
                                                      .arg(tree[i].name, tree[i].caption,
                                                           tree[i].visible ? "shown" : "hidden")));
    }
    // Print is a command of the bar, without a menu of its own.
    QVERIFY(w.mnuprint->menu() == nullptr);
    QCOMPARE(BarEntries(w), QStringList({"&File", "Print", "&Help"}));
  }

  // The refill shows the Profiles entry for the stiffened types only.
  void barEntriesFollowTheCylinderType() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    QCOMPARE(BarEntries(w), QStringList({"&File", "&Profiles", "Print", "&Help"}));
    w.cylinder1->click();
    QCOMPARE(BarEntries(w), QStringList({"&File", "&Profiles", "Print", "&Help"}));
    QVERIFY(!w.mnustiff->menuAction()->isVisible());
    QVERIFY(w.mnuring->menuAction()->isVisible());
    w.cylinder0->click();
    QCOMPARE(BarEntries(w), QStringList({"&File", "Print", "&Help"}));
    w.cylinder3->click();
    QCOMPARE(BarEntries(w), QStringList({"&File", "Print", "&Help"}));
  }

  // Each item stores its code and shows its dialog; the item itself neither
  // recalculates nor writes the profile list or caption: the dialog's
  // activation does the list and the recalculation.
  void eachProfileItemSetsTheTypeAndShowsItsDialog() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    for (Member m : {Member::Stiffener, Member::RingFrame}) {
      const bool stiff = m == Member::Stiffener;
      for (int code = 0; code < 10; ++code) {
        const QString label = QString("%1 %2").arg(stiff ? "stiffener" : "ring frame").arg(code);
        QComboBox* combo = stiff ? w.cbostiff : w.cboring;
        QLabel* caption = stiff ? w.stiffprof : w.ringprof;
        const QString comboBefore = combo->currentText();
        const QString captionBefore = caption->text();
        const int drawings = w.ResultDrawings();
        w.MenuItem(stiff ? kStiffItems[code] : kRingItems[code])->trigger();
        QCOMPARE((stiff ? s.ds.stifftype : s.ds.ringtype), std::int16_t(code));
        QVERIFY2(Shown(w, m, code), qPrintable(label));
        QCOMPARE(combo->currentText(), comboBefore);
        QCOMPARE(caption->text(), captionBefore);
        QCOMPARE(w.ResultDrawings(), drawings);
        QVERIFY2(s.DialogFilled(m, code), qPrintable(label));
        QCOMPARE(combo->currentText(),
                 QString(stiff ? StiffProfileTypeText(code) : RingProfileTypeText(code)));
        QVERIFY(w.ResultDrawings() > drawings);
        CloseDialogs(w);
      }
    }
    QVERIFY(s.messages.shown.isEmpty());
  }

  // Another stiffener item while a stiffener dialog is open: both stay
  // open. The item of the current type shows its dialog again.
  void profileItemsOpenBesideEachOther() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    w.MenuItem("mnustiffrhs")->trigger();
    QVERIFY(s.DialogFilled(Member::Stiffener, kRHS));
    QCOMPARE(w.stiffprof->text(), QString("RHS200x90x9.0"));
    QCOMPARE(w.cbostiff->currentText(), QString("RHS"));
    w.MenuItem("mnustifft")->trigger();
    QVERIFY(s.DialogFilled(Member::Stiffener, kTTable));
    QVERIFY(Shown(w, Member::Stiffener, kRHS));
    QVERIFY(Shown(w, Member::Stiffener, kTTable));
    QCOMPARE(s.ds.stifftype, std::int16_t(kTTable));
    const QPoint at = Dialog(w, Member::Stiffener, kTTable)->Window()->pos();
    w.MenuItem("mnustifft")->trigger();
    QVERIFY(s.DialogFilled(Member::Stiffener, kTTable));
    QCOMPARE(Dialog(w, Member::Stiffener, kTTable)->Window()->pos(), at);
    CloseDialogs(w);
  }

  // Choosing a type in a profile list shows its dialog and writes the
  // caption from the current dimensions at once; the picture buttons show
  // the dialog of the type already chosen without changing it.
  void profileListsAndPictureButtonsShowTheDialogs() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    Pick(w.cbostiff, kIBuiltUp);
    QCOMPARE(s.ds.stifftype, std::int16_t(kIBuiltUp));
    QVERIFY(Shown(w, Member::Stiffener, kIBuiltUp));
    QVERIFY(w.stiffprof->text().startsWith("I"));
    QVERIFY(s.DialogFilled(Member::Stiffener, kIBuiltUp));
    Pick(w.cboring, kBulbFlat);
    QVERIFY(Shown(w, Member::RingFrame, kBulbFlat));
    QVERIFY(w.ringprof->text().startsWith("BF "));
    QVERIFY(s.DialogFilled(Member::RingFrame, kBulbFlat));
    CloseDialogs(w);

    s.ds.stifftype = kTBuiltUp;
    w.cmdpic_stiff->click();
    QVERIFY(Shown(w, Member::Stiffener, kTBuiltUp));
    QVERIFY(s.DialogFilled(Member::Stiffener, kTBuiltUp));
    QCOMPARE(s.ds.stifftype, std::int16_t(kTBuiltUp));
    s.ds.ringtype = kRHS;
    w.cmdpic_gird->click();
    QVERIFY(Shown(w, Member::RingFrame, kRHS));
    QVERIFY(w.ringprof->text().startsWith("RHS"));
    QVERIFY(s.DialogFilled(Member::RingFrame, kRHS));
    QCOMPARE(s.ds.ringtype, std::int16_t(kRHS));
    CloseDialogs(w);

    // A type code outside the ten shows nothing and leaves the caption.
    s.ds.stifftype = 10;
    s.ds.ringtype = 10;
    w.ringprof->setText("unchanged");
    w.cmdpic_stiff->click();
    w.cmdpic_gird->click();
    QCoreApplication::processEvents();
    for (Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) QVERIFY(!Shown(w, m, code));
    }
    QCOMPARE(w.ringprof->text(), QString("unchanged"));
  }

  // A wheel turned over a material or profile-type list while the user is
  // in another box changes no grade or profile type, opens no dialog and
  // recalculates nothing; a list the user has entered takes the wheel.
  void theWheelChoosesOnlyInAListThatHasTheFocus() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    s.Enter("isigx");
    QCoreApplication::processEvents();
    const DesignState before = s.ds;
    const int drawings = w.ResultDrawings();
    for (QComboBox* list : {w.cbofyp, w.cbofys, w.cbofyg, w.cbostiff, w.cboring}) {
      testing::TurnWheelOver(list);
      QVERIFY2(QApplication::focusWidget() == s.box("isigx"), qPrintable(list->objectName()));
    }
    QCOMPARE(s.ds.matp, before.matp);
    QCOMPARE(s.ds.mats, before.mats);
    QCOMPARE(s.ds.matg, before.matg);
    QCOMPARE(s.ds.stifftype, before.stifftype);
    QCOMPARE(s.ds.ringtype, before.ringtype);
    QCOMPARE(w.ResultDrawings(), drawings);
    for (Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) QVERIFY(!Shown(w, m, code));
    }

    w.cbofys->setFocus(Qt::MouseFocusReason);
    testing::TurnWheelOver(w.cbofys);
    QCOMPARE(s.ds.mats, std::int16_t(before.mats + 1));
    QVERIFY(w.ResultDrawings() > drawings);
  }

  // A right click on an element that carries the pop-up opens the Profiles
  // menu at the pointer; other buttons, other elements and the unstiffened
  // type open nothing.
  void popUpMenuOnTheElementsThatCarryIt() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    auto rightClickOpens = [&](const char* name, Qt::MouseButton button = Qt::RightButton) {
      QWidget* target =
          name == QString("client") ? w.centralWidget() : w.findChild<QWidget*>(QString(name));
      if (target == nullptr) {
        qWarning("no control %s", name);
        return false;
      }
      const QPoint at = FreePoint(target);
      QTest::mouseClick(target, button, {}, at);
      const bool open = w.mnuprofiles->isVisible();
      if (open) {
        // The menu's top left corner at the pointer, where it fits on the screen.
        const QPoint pointer = target->mapToGlobal(at);
        const QRect menu = w.mnuprofiles->geometry();
        const QRect screen = w.screen()->geometry();
        if (screen.contains(QRect(pointer, menu.size())) && menu.topLeft() != pointer) {
          qWarning("%s: menu at %d,%d, pointer at %d,%d", name, menu.x(), menu.y(), pointer.x(),
                   pointer.y());
          w.mnuprofiles->hide();
          return false;
        }
        w.mnuprofiles->hide();
      }
      return open;
    };
    // Every element that carries the pop-up, but the column length.
    const char* carriers[] = {
        "client",   "fr10",      "fr110",       "iproj",        "iident",     "Label26",  "Label25",
        "fr111",    "cylinder0", "cylinder1",   "cylinder2",    "Outside_ch", "ring_ch",  "fr1111",
        "opt_lrfd", "opt_wsd",   "cmd_lrfd",    "cmd_wsd",      "fr112",      "icylr",    "il",
        "it",       "ie",        "ifyp",        "Label84",      "Label9",     "Label12",  "Label7",
        "Label2",   "Label3",    "Label24",     "Label27",      "Label8",     "Label29",  "fr120",
        "is1",      "ilt",       "ifys",        "cmdpic_stiff", "Label10",    "Label5",   "Label4",
        "Label21",  "Label18",   "Label17",     "prof",         "stiffprof",  "fr121",    "icyll",
        "igilt",    "ifyg",      "cmdpic_gird", "Picture",      "ringfab0",   "ringfab1", "Label11",
        "Label15",  "Label13",   "Label16",     "Label14",      "ringprof",   "Label23",  "Label20",
        "Label19",  "fr123",     "isigx",       "isigy",        "itau",       "ipp",      "Label46",
        "Label44",  "Label74",   "Label45",     "fr20",         "pic20",      "fr30",     "pic30",
        "fr31",     "Pic31",     "fr32",        "pic32"};
    // The background and 80 controls; with icolL, the 82 elements.
    QCOMPARE(std::size(carriers), std::size_t(81));
    for (const char* name : carriers) QVERIFY2(rightClickOpens(name), name);
    // Only the right button: the left and middle buttons open nothing (on
    // elements whose left click does nothing else).
    for (const char* name : {"client", "fr10", "Label26", "iproj", "fr112", "Label84", "prof",
                             "stiffprof", "Label16", "ipp", "pic20", "pic30", "Pic31", "fr32"}) {
      QVERIFY2(!rightClickOpens(name, Qt::LeftButton), name);
      QVERIFY2(!rightClickOpens(name, Qt::MiddleButton), name);
    }
    // No pop-up of their own, not even through the frame they stand in.
    const char* others[] = {"cbofyp", "cbofys",   "cbofyg",   "cbostiff",  "cboring",
                            "iufb",   "hring_ch", "check_ih", "cylinder3", "Command3",
                            "Label1", "text_ufb", "txt1"};
    for (const char* name : others) QVERIFY2(!rightClickOpens(name), name);

    // The stringer-stiffened type: both submenus.
    QVERIFY(rightClickOpens("Label26"));
    QVERIFY(w.mnustiff->menuAction()->isVisible());
    QVERIFY(w.mnuring->menuAction()->isVisible());

    // Column type after the ring-stiffened type: the pop-up still opens,
    // with the submenus as that refill left them; the column data but its
    // length carry none.
    w.cylinder1->click();
    w.cylinder3->click();
    QVERIFY(!w.mnuprofiles->menuAction()->isVisible());
    QVERIFY(rightClickOpens("icolL"));
    QVERIFY(!w.mnustiff->menuAction()->isVisible());
    QVERIFY(w.mnuring->menuAction()->isVisible());
    for (const char* name : {"ik1", "ik2", "inn", "ip", "im1a", "im2b", "odmom1", "odmom2", "fr124",
                             "fr12", "Label6", "Label42"}) {
      QVERIFY2(!rightClickOpens(name), name);
    }

    // The unstiffened cylinder: no pop-up anywhere.
    w.cylinder0->click();
    for (const char* name : {"client", "Label26", "fr30", "pic30", "iproj"}) {
      QVERIFY2(!rightClickOpens(name), name);
    }
    QVERIFY(s.messages.shown.isEmpty());
  }

  // Print on the menu bar prints the report through the printer dialog,
  // recalculating nothing; a cancelled dialog prints nothing.
  void printFromTheMenuBar() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    s.printer.path = testing::OutputPath("menu_print.pdf");
    QFile::remove(s.printer.path);
    s.printer.cancel = true;
    w.mnuprint->trigger();
    QCOMPARE(s.printer.shown, 1);
    QVERIFY(!QFile::exists(s.printer.path));

    s.printer.cancel = false;
    s.Type("iproj", "Menu print");
    s.LeaveTo("iident");
    const int drawings = w.ResultDrawings();
    w.mnuprint->trigger();
    QCOMPARE(s.printer.shown, 2);
    QCOMPARE(w.ResultDrawings(), drawings);
    QVERIFY(QFile::exists(s.printer.path));
    QCOMPARE(testing::PdfPages(s.printer.path), 1);
    const QString text = testing::PdfText(s.printer.path);
    QVERIFY(text.contains("Menu print"));
    QVERIFY(text.contains("Tamrel DNV"));
    QVERIFY(s.messages.shown.isEmpty());
  }

  // A number typed into a box of an open section dialog and not yet left
  // is committed before Print, through the box's leave check: passed, the
  // report prints the profile it makes; failed, its message stops the print
  // before the printer dialog, and nothing is printed.
  void printCommitsANumberTypedInASectionDialog() {
    for (const bool passes : {true, false}) {
      StartedWindow s;
      TamrelWindow& w = s.w();
      s.printer.path = testing::OutputPath("menu_print_dialog_number.pdf");
      QFile::remove(s.printer.path);
      w.MenuItem("mnustiffrhs")->trigger();
      QVERIFY(s.DialogFilled(Member::Stiffener, kRHS));
      QCOMPARE(w.stiffprof->text(), QString("RHS200x90x9.0"));
      QVERIFY(s.TypeInDialog(Member::Stiffener, kRHS, Quantity::H, passes ? "250" : "3"));
      w.mnuprint->trigger();
      if (passes) {
        QVERIFY2(s.messages.shown.isEmpty(), qPrintable(s.messages.shown.join('|')));
        QCOMPARE(s.printer.shown, 1);
        const QString text = testing::PdfText(s.printer.path);
        QVERIFY2(text.contains("RHS250x90x9.0"), qPrintable(text));
        QVERIFY(!text.contains("RHS200x90x9.0"));
      } else {
        QCOMPARE(s.messages.shown, QStringList({" H >= 5 "}));
        QCOMPARE(s.printer.shown, 0);
        QVERIFY(!QFile::exists(s.printer.path));
      }
    }
  }

  // A print that cannot start says so in one message box of the window;
  // the window and the project stay as they were. The window keeps one
  // printer for the run: the next Print offers it again with the file.
  void aPrintThatCannotStartSaysSo() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    QTemporaryDir dir;
    s.printer.path = dir.filePath("no such folder/report.pdf");
    const QString caption = w.windowTitle();
    const QString radius = s.box("icylr")->text();
    w.mnuprint->trigger();
    QCOMPARE(s.messages.shown,
             QStringList({"can't print - " + QDir::toNativeSeparators(s.printer.path)}));
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(s.box("icylr")->text(), radius);

    s.printer.path = dir.filePath("report.pdf");
    w.mnuprint->trigger();
    QCOMPARE(s.messages.shown.size(), qsizetype(1));
    QCOMPARE(testing::PdfPages(s.printer.path), 1);
    s.printer.cancel = true;
    w.mnuprint->trigger();
    QCOMPARE(s.printer.offers.size(), size_t(3));
    QCOMPARE(s.printer.offers[2].printer, s.printer.offers[0].printer);
    QCOMPARE(s.printer.offers[2].pdfFile, s.printer.path);
    QCOMPARE(s.printer.offers[2].printerFile, s.printer.path);
  }

  // Exit and the close box, once the question about the changed project is
  // answered No, end the program at once: nothing saved, no closing
  // behaviour of an open built-up dialog.
  void exitEndsAtOnceWithoutDialogClosing() {
    for (const bool byExit : {true, false}) {
      StartedWindow s;
      TamrelWindow& w = s.w();
      w.MenuItem("mnustifftb")->trigger();
      QVERIFY(s.DialogFilled(Member::Stiffener, kTBuiltUp));
      auto* isth = Dialog(w, Member::Stiffener, kTBuiltUp)
                       ->Window()
                       ->findChild<QLineEdit*>(QStringLiteral("isth"));
      QVERIFY(isth);
      isth->setText("2");  // below its limit: closing would warn and store it
      const Variant before = s.ds.stifftb_h;
      s.Type("icylr", "2000");  // not committed
      if (byExit) {
        w.MenuItem("mnuexit")->trigger();
      } else {
        w.close();
      }
      QTest::qWait(100);  // whatever the end of the program posted has run
      QCOMPARE(s.programEnded, 1);
      QVERIFY(!w.isVisible());
      QCOMPARE(s.messages.asked.size(), 1);
      QVERIFY(s.messages.shown.isEmpty());
      QCOMPARE(s.ds.stifftb_h.value(), before.value());
      QVERIFY(s.fileDialogs.shown.empty());
    }
  }
};

TAMREL_GUI_TEST(MenusTest);

}  // namespace tamrel

#include "menus_test.moc"
