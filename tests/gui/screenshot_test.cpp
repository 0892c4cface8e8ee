// The main window on a real X server (Xvfb): screenshots of the started
// window written to the build folder's screenshots directory (the default
// project and its loading frame with the sign note, every other cylinder
// type, the two information forms, the pop-up Profiles menu, the about box
// and the help window), and range messages shown in real modal message
// boxes.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "files/project_file.h"
#include "main_window_fixture.h"
#include "mainwindow/about_box.h"
#include "mainwindow/help.h"

namespace tamrel {

using testing::StartedWindow;

namespace {
void Shoot(QWidget& w, const char* name) {
  QCoreApplication::processEvents();
  const QImage image = w.grab().toImage();
  QVERIFY(!image.isNull());
  QVERIFY(image.save(QDir(TAMREL_SCREENSHOT_DIR).filePath(QString::fromLatin1(name))));
}
}  // namespace

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultProjectAndColumnType() {
    StartedWindow s;
    QVERIFY(s.started);
    Shoot(s.w(), "main_window_default.png");
    Shoot(*s.w().fr123, "loading_frame_sign_note.png");
    s.w().cylinder3->click();
    Shoot(s.w(), "main_window_column.png");
  }

  // A ring-stiffened project whose ring frame is a box of no width, opened
  // from its file: the ring frame has no section, so every row worked out
  // from it reads n/a, its usage factors and the shell's red.
  void ringFrameWithoutSection() {
    QTemporaryDir dir;
    const QString path = dir.filePath("no_width.tmr");
    StartedWindow s;
    QVERIFY(s.started);
    DesignState file = s.ds;
    file.mainfrm = nullptr;
    file.cyltype = kRingStiffened;
    file.ring = 1;
    file.ringtype = kRHS;
    file.hg = Variant::Int(200);
    file.bg = Variant::Int(0);
    file.twg = Variant::Int(30);
    WriteProjectFile(file, path.toStdString());
    s.fileDialogs.answers = {path};
    s.w().MenuItem("mnuopen")->trigger();
    QVERIFY(s.messages.shown.isEmpty());
    QVERIFY(s.ds.girddegenerate);
    Shoot(s.w(), "main_window_ring_without_section.png");
  }

  // The other cylinder types, and the stringer-stiffened type with every
  // ring-frame row of its table (heavy ring-frame control) and outside
  // stiffening.
  void everyCylinderType() {
    StartedWindow s;
    QVERIFY(s.started);
    TamrelWindow& w = s.w();
    w.cylinder0->click();
    Shoot(w, "main_window_cylinder.png");
    w.cylinder1->click();
    Shoot(w, "main_window_ring_stiffened.png");
    w.cylinder2->click();
    w.Outside_ch->click();
    w.hring_ch->click();
    Shoot(w, "main_window_stringer_outside_heavy_ring.png");
  }

  // The two information forms, as their buttons open them.
  void informationForms() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    w.Picture->click();
    QVERIFY(QTest::qWaitForWindowExposed(w.InfoTamrelWindow()));
    Shoot(*w.InfoTamrelWindow(), "info_cylinder_length.png");
    w.opt_wsd->click();
    w.cmd_wsd->click();
    QVERIFY(QTest::qWaitForWindowExposed(w.InfoUfWindow()));
    Shoot(*w.InfoUfWindow(), "info_usage_factor.png");
  }

  void popUpMenuAboutBoxAndHelp() {
    // A program folder with the tables and the help file.
    QTemporaryDir dir;
    for (const QString& f : QDir(TAMREL_DATA_DIR).entryList({"*.dat"}, QDir::Files)) {
      QFile::copy(QDir(TAMREL_DATA_DIR).filePath(f), dir.filePath(f));
    }
    QVERIFY(QFile::copy(TAMREL_HELP_FILE, dir.filePath("tamrel.chm")));
    const QByteArray folder = dir.path().toLocal8Bit();
    StartedWindow s(folder.constData());
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    QWidget* label = w.findChild<QWidget*>("Label26");
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
    QTRY_VERIFY(w.mnuprofiles->isVisible());
    w.mnustiff->popup(w.mnuprofiles->geometry().topRight());
    QTRY_VERIFY(w.mnustiff->isVisible());
    QTest::qWait(100);
    Shoot(*w.mnuprofiles, "popup_profiles.png");
    Shoot(*w.mnustiff, "popup_stiffener_items.png");
    w.mnustiff->hide();
    w.mnuprofiles->hide();

    w.MenuItem("mnuabout")->trigger();
    AboutBox* about = w.AboutWindow();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    Shoot(*about, "about_box.png");
    about->close();

    w.MenuItem("mnuhelpcont")->trigger();
    HelpWindow* viewer = w.HelpViewer();
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    Shoot(*viewer, "help_contents.png");
    w.MenuItem("mnuindex")->trigger();
    Shoot(*viewer, "help_index.png");
    w.MenuItem("mnuhelpsearch")->trigger();
    QTest::keyClicks(viewer->query, "usage factor");
    QTest::keyClick(viewer->query, Qt::Key_Return);
    Shoot(*viewer, "help_search.png");
    viewer->hide();
  }

  // A message that does not put the focus back: after the real box closes
  // the focus is where the user sent it, highlighted with its whole text
  // selected, and the value left was stored and calculated with.
  void realMessageBoxLeavesTheFocusWhereTheUserSentIt() {
    struct Case {
      const char* box;
      const char* typed;
      const char* message;
    };
    const Case cases[] = {{"il", "40", " l >= 50 "}, {"is1", "4000", " s  <= r  "}};
    for (const Case& c : cases) {
      StartedWindow s;
      QVERIFY(s.active);
      s.messages.realBoxes = true;
      s.Type(c.box, c.typed);
      const int drawings = s.w().ResultDrawings();
      QTest::mouseClick(s.box("isigy"), Qt::LeftButton);
      QTRY_VERIFY(s.w().isActiveWindow());
      QTRY_COMPARE(QApplication::focusWidget(), s.box("isigy"));
      QTRY_COMPARE(s.box("isigy")->selectedText(), QString("-10.0"));
      QTest::qWait(200);
      QCOMPARE(s.messages.shown, QStringList({c.message}));
      QCOMPARE(s.box(c.box)->text(), QString(c.typed));
      QCOMPARE(s.w().ResultDrawings(), drawings + 1);
      QCOMPARE(s.box(c.box)->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
      QCOMPARE(s.box("isigy")->palette().color(QPalette::Active, QPalette::Base),
               QColor(255, 255, 192));
    }
  }

  // A real message box takes the focus away and gives it back: it is no
  // leave, and two out-of-range boxes still give one message.
  void twoOutOfRangeBoxesWithRealMessageBoxes() {
    StartedWindow s;
    QVERIFY(s.active);
    s.messages.realBoxes = true;
    s.ds.stifflt = Variant(10.0f);
    s.w().ShowDesignState();
    s.Type("it", "0.05");
    QTest::mouseClick(s.box("ilt"), Qt::LeftButton);
    QTRY_VERIFY(s.w().isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), s.box("it"));
    QTest::qWait(300);
    QCOMPARE(s.messages.shown, QStringList({" 0.1 <= t "}));
    QCOMPARE(QApplication::focusWidget(), s.box("it"));
    QTRY_COMPARE(s.box("it")->selectedText(), QString("0.1"));
    // Mended: the click on the other box now enters it; leaving it reports.
    QTest::keyClick(s.box("it"), Qt::Key_Backspace);
    QTest::keyClicks(s.box("it"), "20");
    QTest::mouseClick(s.box("ilt"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), s.box("ilt"));
    QTest::mouseClick(s.box("isigx"), Qt::LeftButton);
    QTRY_COMPARE(s.messages.shown, QStringList({" 0.1 <= t ", " 50 <= lt "}));
    QTRY_COMPARE(QApplication::focusWidget(), s.box("ilt"));
    QTest::qWait(300);
    QCOMPARE(s.messages.shown.size(), 2);
  }
};

TAMREL_GUI_TEST(ScreenshotTest);

}  // namespace tamrel

#include "screenshot_test.moc"
