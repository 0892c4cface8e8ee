// The drawn pictures: every sketch, icon and information picture draws
// something of its own. The images are written to the build folder's
// screenshots directory for a reviewer to look at.

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <set>

#include "gui_support.h"
#include "platform/pictures.h"

namespace tamrel {
namespace {

template <class Draw>
QImage Render(int w, int h, Draw draw) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  draw(p, QRectF(0, 0, w, h));
  return image;
}

int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).lightness() < 200) ++n;
  return n;
}

QString Save(const QImage& image, const QString& name) {
  const QString path = QDir(TAMREL_SCREENSHOT_DIR).filePath(name + ".png");
  image.save(path);
  return path;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void sixDistinctGeometrySketches() {
    const GeometrySketch all[] = {GeometrySketch::pic20, GeometrySketch::pic21,
                                  GeometrySketch::pic26, GeometrySketch::pic22,
                                  GeometrySketch::pic27, GeometrySketch::pic30};
    std::set<QByteArray> distinct;
    for (GeometrySketch s : all) {
      // Twice the design size, as on a 192 dpi screen: the drawing scales.
      const QImage image =
          Render(562, 840, [s](QPainter& p, const QRectF& r) { DrawGeometrySketch(p, r, s); });
      QVERIFY2(InkedPixels(image) > 5000, GeometrySketchName(s));
      distinct.insert(
          QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
      Save(image, QString("sketch_") + GeometrySketchName(s));
    }
    QCOMPARE(distinct.size(), size_t(6));
  }

  void fourteenDistinctProfileIcons() {
    std::set<QByteArray> distinct;
    QImage sheet(14 * 36, 36, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter sp(&sheet);
    for (int i = 0; i <= static_cast<int>(ProfileIcon::gird_i); ++i) {
      const auto icon = static_cast<ProfileIcon>(i);
      const QImage image = ProfileIconPixmap(icon, 32).toImage();
      QVERIFY2(InkedPixels(image) > 40, ProfileIconName(icon));
      distinct.insert(
          QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
      sp.drawImage(i * 36 + 2, 2, image);
    }
    sp.end();
    Save(sheet, "profile_icons");
    QCOMPARE(distinct.size(), size_t(14));
  }

  void informationPictures() {
    const QImage length = Render(371, 544, DrawCylinderLengthInfo);
    const QImage d1 = Render(500, 144, DrawLoadingConditionsTable);
    const QImage e1 = Render(500, 113, DrawBasicUsageFactorTable);
    QVERIFY(InkedPixels(length) > 5000);
    QVERIFY(InkedPixels(d1) > 3000);
    QVERIFY(InkedPixels(e1) > 1500);
    Save(length, "info_cylinder_length");
    Save(d1, "info_table_d1");
    Save(e1, "info_table_e1");
    QVERIFY(InkedPixels(InfoButtonPixmap(16).toImage()) > 30);
  }

  // The windows' icon is the SVG file the package installs for the desktop,
  // compiled into the program: drawn at every size a desktop asks for, with
  // the title blue, the orange rings and the transparent rounded corners.
  void programIconFromItsSvgFile() {
    const QIcon icon = ProgramIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    for (int size : {16, 48, 256}) {
      const QImage image = ProgramIconPixmap(size).toImage();
      const QByteArray at = QByteArray::number(size);
      QCOMPARE(image.size(), QSize(size, size));
      QVERIFY2(image.pixelColor(0, 0).alpha() == 0, at);
      // Above the cylinder: the background.
      const QColor blue = image.pixelColor(size / 2, size * 4 / 48);
      QVERIFY2(blue.red() < 10 && std::abs(blue.green() - 85) < 10 &&
                   std::abs(blue.blue() - 152) < 10 && blue.alpha() == 255,
               at);
      if (size < 48) continue;
      // The middle ring's near half, halfway down.
      const QColor ring = image.pixelColor(static_cast<int>(28.84 * size / 48), size / 2);
      QVERIFY2(ring.red() > 190 && ring.green() > 90 && ring.green() < 160 && ring.blue() < 70, at);
    }
    Save(ProgramIconPixmap(256).toImage(), "program_icon");
  }
};

TAMREL_GUI_TEST(PicturesTest);

}  // namespace tamrel

#include "pictures_test.moc"
