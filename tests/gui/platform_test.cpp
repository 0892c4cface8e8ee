// The platform layer: focus/leave binder, picture box text surface and the
// controls that run their handlers exactly once per change.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "box_window.h"
#include "gui_support.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/focus_binder.h"
#include "platform/formula_text.h"
#include "platform/picture_box.h"

namespace tamrel {

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void leaveRunsOnEveryMoveThenTheTargetsFocusHandler() {
    BoxWindow w;
    QVERIFY(w.Show());
    w.a.setFocus();
    QCOMPARE(w.log, QStringList({"enter a"}));
    w.log.clear();
    QTest::keyClick(&w.a, Qt::Key_Tab);  // not edited: still a leave
    QCOMPARE(w.log, QStringList({"leave a", "enter b"}));
    w.log.clear();
    w.c.setFocus();
    QCOMPARE(w.log, QStringList({"leave b", "enter c"}));
  }

  void focusPutBackRunsNoLeaveOfTheBoxThatGotItForAnInstant() {
    BoxWindow w;
    QVERIFY(w.Show());
    // Both a and b put the focus back on themselves when left (two
    // out-of-range boxes): one leave, no alternation.
    w.onLeave = [](QLineEdit* e) { e->setFocus(); };
    w.a.setFocus();
    w.log.clear();
    w.b.setFocus();
    QCOMPARE(w.log, QStringList({"leave a", "enter a"}));
    QVERIFY(w.a.hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(w.log.size(), 2);
  }

  void otherWindowsAreNoLeave() {
    BoxWindow w;
    QVERIFY(w.Show());
    w.a.setFocus();
    w.log.clear();
    QWidget other;
    QLineEdit otherBox(&other);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    otherBox.setFocus();
    QVERIFY(w.log.isEmpty());
    // Back to the same box: nothing; the box stays entered.
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTRY_VERIFY(w.a.hasFocus());
    QVERIFY(w.log.isEmpty());
    QCOMPARE(w.binder.Entered(&w.a), &w.a);
    // Then to another box of the window: the pending leave runs.
    w.b.setFocus();
    QCOMPARE(w.log, QStringList({"leave a", "enter b"}));
  }

  void popupMenuIsNoLeave() {
    BoxWindow w;
    QVERIFY(w.Show());
    w.a.setFocus();
    w.log.clear();
    QMenu menu(&w.window);
    menu.addAction("Item");
    QTimer::singleShot(50, &menu, &QMenu::close);
    menu.exec(w.window.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::processEvents();
    QVERIFY(w.log.isEmpty());
    QCOMPARE(w.binder.Entered(&w.a), &w.a);
  }

  void programMovesRunNoLeave() {
    BoxWindow w;
    QVERIFY(w.Show());
    w.a.setFocus();
    w.log.clear();
    {
      // A refill hiding the focused box: Qt moves the focus on.
      FocusBinder::QuietScope quiet(w.binder);
      w.a.hide();
    }
    QCOMPARE(w.log, QStringList({"abandon a", "enter b"}));
    w.log.clear();
    w.binder.MoveFocus(&w.c);
    QCOMPARE(w.log, QStringList({"abandon b", "enter c"}));
  }

  // The refill may hide or disable the entered box while another window is
  // active (a file dialog just closed, a message box): Qt then moves no
  // focus until the window is active again, and the box must not be left
  // (committed) when that happens or at the next click.
  void programMovesWhileTheWindowIsInactiveRunNoLeave() {
    for (const bool hide : {true, false}) {
      BoxWindow w;
      QVERIFY(w.Show());
      w.b.setFocus();
      w.log.clear();
      QWidget other;
      other.show();
      other.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&other));
      {
        FocusBinder::QuietScope quiet(w.binder);
        if (hide) {
          w.b.hide();
        } else {
          w.b.setEnabled(false);
        }
      }
      // Disabling moves the window's focus on to c at once; hiding leaves it
      // to the activation.
      QCOMPARE(w.log, hide ? QStringList({"abandon b"}) : QStringList({"abandon b", "enter c"}));
      w.window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w.window));
      QCoreApplication::processEvents();
      w.a.setFocus(Qt::MouseFocusReason);
      QVERIFY2(!w.log.contains("leave b"), qPrintable(w.log.join(", ")));
      QCOMPARE(w.log.last(), QString("enter a"));
      QCOMPARE(w.binder.Entered(&w.a), &w.a);
    }
  }

  // A window closed while a box is entered, whose activation the window
  // system delivers afterwards (asked for before the close): Qt then moves
  // the focus inside the hidden window, which is no leave by the user.
  void aClosedWindowsLateActivationIsNoLeave() {
    BoxWindow w;
    QVERIFY(w.Show());
    w.a.setFocus();
    w.log.clear();
    w.window.hide();
    QApplication::setActiveWindow(&w.window);
    QVERIFY2(!w.log.contains("leave a"), qPrintable(w.log.join(", ")));
  }

  // A button that takes no focus on the press takes it on the click: the
  // entered box is left, and whoever holds the focus after its leave
  // handler (the box itself, when it put the focus back) is entered.
  void takingTheFocusForAClickLeavesTheEnteredBox() {
    for (const bool putBack : {false, true}) {
      BoxWindow w;
      QPushButton ok(QStringLiteral("OK"), &w.window);
      ok.setFocusPolicy(Qt::TabFocus);
      w.window.layout()->addWidget(&ok);
      QVERIFY(w.Show());
      w.onLeave = [&](QLineEdit* e) {
        if (putBack) e->setFocus();
      };
      w.a.setFocus();
      w.log.clear();
      w.binder.TakeFocus(&ok);
      QCOMPARE(w.log, putBack ? QStringList({"leave a", "enter a"}) : QStringList({"leave a"}));
      QCOMPARE(QApplication::focusWidget(), putBack ? static_cast<QWidget*>(&w.a) : &ok);
      w.log.clear();
      w.binder.TakeFocus(&ok);  // holding the focus already, or left again
      QCOMPARE(w.log, putBack ? QStringList({"leave a", "enter a"}) : QStringList());
    }
  }

  // The blanks beside an operator sign bind (shown here as ~); the others
  // stay places where a line may break.
  void formulasAreKeptTogether() {
    struct Case {
      const char* text;
      const char* shown;
    };
    const Case cases[] = {
        {" For ALS condition, Allowable Usage Factor is recommended to be UF = 1.15 ",
         " For ALS condition, Allowable Usage Factor is recommended to be UF~=~1.15 "},
        {" 50 <= fyp <= 2000 ", " 50~<=~fyp~<=~2000 "},
        {" 0.5 < UF < 1.5 ", " 0.5~<~UF~<~1.5 "},
        {"Note 1: Negative sigx / sigy = compression \nNote 2: Positive pd = inside pressure ",
         "Note 1: Negative sigx~/~sigy~=~compression \nNote 2: Positive pd~=~inside pressure "},
        {" s  <= r  ", " s~~<=~r  "},
        {"Note: s/t>3* Sqr(r/t) ==>", "Note: s/t>3*~Sqr(r/t)~==>"},
        {"can't find file - C:\\a b.tmr", "can't find file - C:\\a b.tmr"},
        {"", ""},
    };
    for (const Case& c : cases) {
      QString shown = KeepFormulasTogether(QString::fromLatin1(c.text));
      shown.replace(QChar(0x00A0), u'~');
      QCOMPARE(shown, QString::fromLatin1(c.shown));
    }
    // Wrapped at any width, such a text breaks only outside its formulas.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    const QString als = KeepFormulasTogether(QString::fromLatin1(cases[0].text));
    for (int width = 40; width <= 400; width += 7) {
      const QStringList lines = testing::WrappedLines(als, font, width);
      QVERIFY2(testing::LineBrokenInAFormula(lines).isEmpty(), qPrintable(lines.join('|')));
    }
    // The unbound text does break inside "UF = 1.15" at some width: the
    // check above would see it.
    bool broken = false;
    for (int width = 40; width <= 400; width += 7) {
      const QStringList lines =
          testing::WrappedLines(QString::fromLatin1(cases[0].text), font, width);
      broken = broken || !testing::LineBrokenInAFormula(lines).isEmpty();
    }
    QVERIFY(broken);
  }

  void programMoveInsideALeaveRunsOnlyTheTargetsFocusHandler() {
    BoxWindow w;
    QVERIFY(w.Show());
    // The leave of a recalculates, and the recalculation asks for c.
    w.onLeave = [&](QLineEdit* e) {
      if (e == &w.a) w.binder.MoveFocus(&w.c);
    };
    w.a.setFocus();
    w.log.clear();
    w.b.setFocus();
    QCOMPARE(w.log, QStringList({"leave a", "enter c"}));
    QVERIFY(w.c.hasFocus());
  }

  void pictureBoxRecordsAndMeasures() {
    PictureBox box;
    box.resize(300, 200);
    box.SetScale(8, 16);
    box.SetPos(1, 0.3);
    box.Print("Usage factor");
    const double w = box.TextWidth("Usage factor");
    QVERIFY(w > 3 && w < 12);
    QCOMPARE(box.CurrentX(), 1 + w);
    box.SetBold(true);
    box.SetColour(Colour::Green);
    box.Print("0.50");
    QVERIFY(box.TextWidth("0.50") > 0);
    box.SetBold(false);
    box.SetColour(Colour::Black);
    box.PrintLine(" <= 1.00");
    QCOMPARE(box.CurrentX(), 0.0);
    QVERIFY(box.CurrentY() > 0.3 + 0.5 && box.CurrentY() <= 0.3 + 1.0);  // one line in one unit
    QCOMPARE(box.Items().size(), size_t(3));
    QCOMPARE(box.Items()[0].pos, QPointF(8, 0.3 * 16));
    QVERIFY(box.Items()[1].bold);
    QCOMPARE(box.Items()[1].colour, QColor(0, 128, 0));
    QCOMPARE(box.PlainText(), QString("Usage factor0.50 <= 1.00\n"));
    // The display list is replayed when painted.
    const QImage image = box.grab().toImage();
    bool green = false;
    for (int y = 0; y < image.height() && !green; ++y)
      for (int x = 0; x < image.width() && !green; ++x)
        green = image.pixelColor(x, y).green() > 60 && image.pixelColor(x, y).red() < 60;
    QVERIFY(green);
    box.Clear();
    QVERIFY(box.Items().empty());
    QCOMPARE(box.CurrentX(), 0.0);
  }

  // The picture keeps its fonts, text widths and laid-out texts between
  // recalculations and repaints; they must stay those of the widget's font,
  // also after the font changes.
  void pictureBoxKeepsMeasuresOfItsCurrentFont() {
    PictureBox box;
    box.resize(400, 100);
    box.SetScale(8, 16);
    auto expected = [&](const QString& text, bool bold, bool underline) {
      QFont f = box.font();
      f.setBold(bold);
      f.setUnderline(underline);
      return QFontMetricsF(f, &box).horizontalAdvance(text) / 8;
    };
    // Rightmost dark column of the painted picture.
    auto inkRight = [&] {
      const QImage image = box.grab().toImage();
      int right = -1;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixelColor(x, y).lightness() < 128) right = std::max(right, x);
      return right;
    };
    const QString text = QStringLiteral("Shell Buckling: (Ch 3.4.2)");
    for (int round = 0; round < 2; ++round) {  // the second round from what was kept
      for (bool bold : {false, true}) {
        for (bool underline : {false, true}) {
          box.SetBold(bold);
          box.SetUnderline(underline);
          QCOMPARE(box.TextWidth(text.toStdString()), expected(text, bold, underline));
        }
      }
    }
    box.SetBold(false);
    box.SetUnderline(false);
    box.Clear();
    box.SetPos(0, 0);
    box.Print(text.toStdString());
    const int before = inkRight();
    QVERIFY(before > 0);

    QFont larger = box.font();
    larger.setPixelSize(2 * QFontInfo(box.font()).pixelSize());
    box.setFont(larger);
    QCOMPARE(box.TextWidth(text.toStdString()), expected(text, false, false));
    box.update();
    const int after = inkRight();  // the same item drawn in the new font
    QVERIFY2(after > before + before / 2, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
  }

  void optionButtonsRunOncePerChange() {
    QWidget w;
    QRadioButton r0("0", &w), r1("1", &w);
    QStringList log;
    OnChosen(&r0, [&] { log << "r0"; });
    OnChosen(&r1, [&] { log << "r1"; });
    QVERIFY(!r0.isChecked() && !r1.isChecked());
    Choose(&r1);
    Choose(&r1);
    Choose(&r0);
    QCOMPARE(log, QStringList({"r1", "r0"}));
    QCheckBox box(&w);
    int changes = 0;
    OnValueChanged(&box, [&] { ++changes; });
    SetChecked(&box, false);
    SetChecked(&box, true);
    SetChecked(&box, true);
    SetChecked(&box, false);
    QCOMPARE(changes, 2);
  }

  // Qt's automatic exclusivity reaches into nested frames: a checked option
  // of an inner frame would keep an outer option from being unchecked.
  void optionGroupsInNestedFramesStayApart() {
    QWidget outer;
    QWidget* inner = new QWidget(&outer);
    auto* lrfd = new QRadioButton("LRFD", inner);
    auto* wsd = new QRadioButton("WSD", inner);
    auto* type2 = new QRadioButton("2", &outer);
    auto* type3 = new QRadioButton("3", &outer);
    MakeOptionGroup({lrfd, wsd});
    MakeOptionGroup({type2, type3});
    QStringList log;
    OnChosen(type3, [&] { log << QString("type3, type2 %1").arg(type2->isChecked()); });
    Choose(lrfd);
    Choose(type2);
    Choose(type3);
    QVERIFY(!type2->isChecked());
    QVERIFY(lrfd->isChecked());
    QCOMPARE(log, QStringList({"type3, type2 0"}));
  }

  void pickListSelectsOnlyOnChange() {
    QComboBox combo;
    QList<int> chosen;
    PickList list(&combo, [&](int i) { chosen << i; });
    list.Fill({"S235", "S275", "S355", "User defined"});
    QVERIFY(chosen.isEmpty());
    QCOMPARE(combo.currentIndex(), -1);
    list.Select(2);
    list.Select(2);
    QCOMPARE(chosen, QList<int>({2}));
    list.Fill({"S235", "S275", "S355", "User defined"});  // refilled: the next select is a change
    list.Select(2);
    list.Select(9);  // beyond the list: no item
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(chosen, QList<int>({2, 2}));
    // The user's choice comes through activated.
    list.Select(1);
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(chosen, QList<int>({2, 2, 1, 2}));
  }

  // A wheel turned over a list the user has not entered chooses nothing
  // (scrolling over the form must not change a steel grade or open a dialog).
  void wheelOverAListWithoutFocusChoosesNothing() {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* grades = new QComboBox;
    auto* profiles = new QComboBox;
    auto* other = new QLineEdit;
    layout->addWidget(grades);
    layout->addWidget(profiles);
    layout->addWidget(other);
    QList<int> chosen;
    PickList list(grades, [&](int i) { chosen << i; });
    ProfileCombo combo(profiles, [&](int i) { chosen << 100 + i; });
    list.Fill({"S235", "S275", "S355", "User defined"});
    combo.Fill({"L-table", "L-built up", "T-table"});
    list.Select(2);
    chosen.clear();
    form.show();
    other->setFocus();
    QCoreApplication::processEvents();
    auto wheel = [](QWidget* w) {
      const QPointF at(w->width() / 2.0, w->height() / 2.0);
      QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(w, &e);
    };
    wheel(grades);
    wheel(profiles);
    QVERIFY(chosen.isEmpty());
    QCOMPARE(grades->currentIndex(), 2);
    QCOMPARE(list.Selected(), 2);
  }

  void profileComboNeverTakesTypedText() {
    QComboBox combo;
    QList<int> chosen;
    ProfileCombo list(&combo, [&](int i) { chosen << i; });
    list.Fill({"L-table", "L-built up", "T-table"});
    list.SetText("T-table");
    QVERIFY(chosen.isEmpty());
    QCOMPARE(combo.currentText(), QString("T-table"));
    combo.show();
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, "L-table");
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(combo.count(), 3);
    QVERIFY(chosen.isEmpty());
    // Nor does leaving the box with an item's text typed in it.
    QLineEdit other;
    other.show();
    other.setFocus();
    QCoreApplication::processEvents();
    QVERIFY(chosen.isEmpty());
    list.SetText("L-built up");
    combo.setFocus();
    other.setFocus();
    QVERIFY(chosen.isEmpty());
    emit combo.activated(1);  // a choice from the list
    QCOMPARE(chosen, QList<int>({1}));
  }

  void boxColoursAndQueuedSelectAll() {
    QWidget w;
    QLineEdit box(&w);
    box.setText("3333");
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    SetBoxColour(&box, kFocusedBoxColour);
    QCOMPARE(box.palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 192));
    box.setFocus();
    SelectAllQueued(&box);
    QVERIFY(box.selectedText().isEmpty());  // not yet: after the current event
    QTRY_COMPARE(box.selectedText(), QString("3333"));
  }

  // The documents folder where the user has one, else the home folder.
  void documentsFolderOrHome() {
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString without = DocumentsFolder();
    const bool made = QDir(home.path()).mkdir("Documents");
    const QString with = DocumentsFolder();
    qputenv("HOME", realHome);
    QCOMPARE(without, home.path());
    QVERIFY(made);
    QCOMPARE(with, QDir(home.path()).filePath("Documents"));
  }

  // A window or dialog that fits into the screen's available area stands
  // where it was put, moved only as far as needed to lie wholly inside;
  // one larger than the area keeps its top-left corner, with the title
  // bar and close box, inside that area, and as much of itself as it can.
  void aWindowStandsInsideTheAvailableArea() {
    struct Case {
      const char* what;
      QRect outer, available;
      QPoint at;
    };
    const QRect vga(0, 0, 800, 600);
    const Case cases[] = {
        {"fits, inside", {100, 50, 400, 300}, vga, {100, 50}},
        {"fits, filling the area", {0, 0, 800, 600}, vga, {0, 0}},
        {"fits, past the top and right edges", {700, -50, 400, 300}, vga, {400, 0}},
        {"fits, past the left and bottom edges", {-30, 450, 400, 300}, vga, {0, 300}},
        {"fits, right edge one pixel past", {401, 100, 400, 300}, vga, {400, 100}},
        {"fits, beside a panel on the left", {10, 100, 400, 300}, {48, 0, 752, 600}, {48, 100}},
        {"1024 x 768 centred on 800 x 600", {-112, -84, 1024, 768}, vga, {0, 0}},
        {"too high only: stays centred across", {128, -24, 1024, 768}, {0, 0, 1280, 720}, {128, 0}},
        {"too high, past the right edge", {500, -10, 600, 800}, vga, {200, 0}},
        {"too wide, below the bottom edge", {-50, 500, 900, 300}, vga, {0, 300}},
        {"below a panel at the top", {-112, -84, 1024, 768}, {0, 30, 800, 570}, {0, 30}},
        {"on a second screen", {1808, -84, 1024, 768}, {1920, 0, 800, 600}, {1920, 0}},
    };
    for (const Case& c : cases) {
      QVERIFY2(KeepOnScreen(c.outer, c.available) == c.at, c.what);
    }
  }
};

TAMREL_GUI_TEST(PlatformTest);

}  // namespace tamrel

#include "platform_test.moc"
