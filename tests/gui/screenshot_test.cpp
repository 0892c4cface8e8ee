// The main window on a real X server (Xvfb): screenshots of the started
// window written to the build folder's screenshots directory (the default
// project and the column type), and range messages shown in real modal
// message boxes.

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"

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
    s.w().cylinder3->click();
    Shoot(s.w(), "main_window_column.png");
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
