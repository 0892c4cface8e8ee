// Screenshots of the started window under Xvfb, written to the build
// folder's screenshots directory: the default project and the column type.

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
};

TAMREL_GUI_TEST(ScreenshotTest);

}  // namespace tamrel

#include "screenshot_test.moc"
