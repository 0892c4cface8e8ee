// Drawing through the grey paint device: what reaches the target is the
// colour drawing with each colour turned to its grey, whatever it is drawn
// with (pens, brushes, text, gradients, patterns, images, pixmaps), and
// under the painter's transformation, clip and opacity as in colour.

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QTest>
#include <functional>
#include <vector>

#include "gui_support.h"
#include "platform/pictures.h"
#include "platform/profile_sketches.h"
#include "report/grey_painting.h"
#include "report_support.h"

namespace tamrel {

namespace {

using Drawing = std::function<void(QPainter&)>;

QImage WhiteSheet() {
  QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

// The drawing on a white sheet, drawn as it is or through the grey device.
QImage Drawn(const Drawing& draw, bool grey) {
  QImage sheet = WhiteSheet();
  QPainter painter(&sheet);
  if (grey) {
    GreyPaintDevice device(painter);
    QPainter greyPainter(&device);
    draw(greyPainter);
  } else {
    draw(painter);
  }
  return sheet;
}

// Pixels of a colour that is not grey.
int Coloured(const QImage& image) {
  int coloured = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ++coloured;
    }
  }
  return coloured;
}

// A picture of four coloured squares, half of it transparent.
QImage Squares(bool transparent) {
  QImage image(40, 40, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  image.fill(transparent ? Qt::transparent : Qt::yellow);
  QPainter p(&image);
  p.fillRect(0, 0, 20, 20, QColor(200, 30, 30));
  p.fillRect(20, 20, 20, 20, QColor(30, 160, 60));
  p.fillRect(20, 0, 20, 20, QColor(40, 60, 220, 128));
  return image;
}

struct Case {
  const char* name;
  Drawing draw;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"geometry sketch: pens, brushes, texts",
       [](QPainter& p) {
         DrawGeometrySketch(p, QRectF(10, 10, 180, 270), GeometrySketch::pic27);
         DrawGeometrySketch(p, QRectF(200, 10, 180, 270), GeometrySketch::pic26);
       }},
      {"profile sketches",
       [](QPainter& p) {
         DrawProfileSketch(p, QRectF(10, 10, 180, 180), ProfileSketch::pic_stiff_hp);
         DrawProfileSketch(p, QRectF(200, 10, 180, 180), ProfileSketch::pic_gird_rhs);
       }},
      {"underlined, overlined and struck-out texts",
       [](QPainter& p) {
         QFont font(QStringLiteral("Arial"));
         font.setPixelSize(19);
         font.setUnderline(true);
         p.setPen(QColor(0, 120, 40));
         p.setFont(font);
         p.drawText(QPointF(10.3, 40.6), QStringLiteral("Shell Buckling: (Ch 3.3.2)"));
         font.setOverline(true);
         font.setStrikeOut(true);
         font.setItalic(true);
         p.setFont(font);
         p.rotate(12);
         p.drawText(QRectF(60, 60, 300, 120), Qt::AlignCenter | Qt::TextWordWrap,
                    QStringLiteral("Stringer stiffened cylinder\nstiffening inside"));
       }},
      {"logo: gradient and coloured text",
       [](QPainter& p) { DrawAboutLogo(p, QRectF(10, 10, 380, 150), QColor(0, 70, 140)); }},
      {"gradients and patterns",
       [](QPainter& p) {
         QRadialGradient radial(QPointF(100, 100), 80);
         radial.setColorAt(0, Qt::red);
         radial.setColorAt(1, QColor(20, 200, 40, 100));
         p.fillRect(QRectF(20, 20, 160, 160), radial);
         QLinearGradient linear(QPointF(0, 0), QPointF(1, 0));
         linear.setCoordinateMode(QGradient::ObjectBoundingMode);
         linear.setColorAt(0, Qt::blue);
         linear.setColorAt(1, Qt::yellow);
         p.setPen(QPen(QBrush(linear), 6));
         p.setBrush(QBrush(QColor(230, 120, 0), Qt::Dense4Pattern));
         p.drawEllipse(QRectF(200, 40, 180, 120));
       }},
      {"images, pixmaps, textures",
       [](QPainter& p) {
         p.drawImage(QRectF(10, 10, 80, 80), Squares(false));
         p.drawImage(QRectF(100, 10, 80, 80), Squares(true));
         p.drawPixmap(QRectF(190, 10, 80, 80), QPixmap::fromImage(Squares(true)), QRectF());
         p.drawPixmap(QRect(280, 10, 64, 64), ProfileIconPixmap(ProfileIcon::gird_hp, 64));
         p.drawTiledPixmap(QRectF(10, 100, 180, 90), QPixmap::fromImage(Squares(false)));
         p.fillRect(QRectF(200, 100, 180, 90), QBrush(Squares(true)));
       }},
      {"transformation, clip, opacity",
       [](QPainter& p) {
         p.translate(200, 150);
         p.rotate(20);
         p.scale(1.5, 0.8);
         p.setClipRect(QRectF(-80, -60, 120, 100));
         p.fillRect(QRectF(-200, -200, 400, 400), QColor(240, 140, 20));  // spills over
         p.save();
         QPainterPath diamond;
         diamond.addPolygon(QPolygonF({{0, -70}, {70, 0}, {0, 70}, {-70, 0}}));
         p.setClipPath(diamond, Qt::IntersectClip);
         p.setOpacity(0.5);
         p.fillRect(QRectF(-200, -200, 400, 400), QColor(20, 60, 220));
         p.restore();
         p.setPen(QColor(200, 0, 120));
         p.setFont(QFont(QStringLiteral("Arial"), 14));
         p.drawText(QRectF(-80, -60, 120, 100), Qt::AlignCenter | Qt::TextWordWrap,
                    QStringLiteral("clipped and turned"));
       }},
  };
  return cases;
}

}  // namespace

class GreyPaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void drawnAsInColourWithEachColourGrey() {
    for (const Case& c : Cases()) {
      const QImage colour = Drawn(c.draw, false);
      const QImage grey = Drawn(c.draw, true);
      QVERIFY2(Coloured(colour) > 500, c.name);
      QVERIFY2(testing::PixelsNotTheirGrey(colour, grey) == 0,
               qPrintable(QString("%1: %2 pixels")
                              .arg(QLatin1String(c.name))
                              .arg(testing::PixelsNotTheirGrey(colour, grey))));
    }
  }

  // The target is left as it was: its pen, brush, transformation and clip,
  // which also bound what is drawn through the grey device.
  void targetStateKeptAndItsClipHolds() {
    QImage sheet = WhiteSheet();
    QPainter painter(&sheet);
    painter.translate(100, 50);
    painter.setClipRect(QRect(0, 0, 100, 100));
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::green);
    {
      GreyPaintDevice device(painter);
      QPainter greyPainter(&device);
      greyPainter.setClipRect(QRect(50, 0, 200, 200));  // within the target's clip only
      greyPainter.fillRect(QRect(-100, -100, 400, 400), QColor(0, 0, 255));
    }
    QCOMPARE(painter.pen(), QPen(Qt::red, 3));
    QCOMPARE(painter.brush(), QBrush(Qt::green));
    QCOMPARE(painter.transform(), QTransform::fromTranslate(100, 50));
    QCOMPARE(painter.clipBoundingRect(), QRectF(0, 0, 100, 100));
    painter.end();
    const int blueGrey = qGray(qRgb(0, 0, 255));
    QCOMPARE(qRed(sheet.pixel(175, 100)), blueGrey);       // in both clips
    QCOMPARE(sheet.pixel(125, 100), qRgb(255, 255, 255));  // outside the grey painter's
    QCOMPARE(sheet.pixel(225, 100), qRgb(255, 255, 255));  // outside the target's
    QCOMPARE(Coloured(sheet), 0);
  }

  // An image turns to its grey pixel by pixel, transparency kept; a grey
  // image is kept as it is.
  void greyImageKeepsTransparency() {
    const QImage image = Squares(true);
    const QImage grey = GreyImage(image);
    QCOMPARE(grey.size(), image.size());
    for (const QPoint at : {QPoint(5, 5), QPoint(25, 5), QPoint(25, 25), QPoint(5, 25)}) {
      const QRgb c = image.pixel(at);
      QCOMPARE(grey.pixel(at), qRgba(qGray(c), qGray(c), qGray(c), qAlpha(c)));
    }
    const QImage opaque = GreyImage(Squares(false));
    QCOMPARE(opaque.format(), QImage::Format_Grayscale8);
    QCOMPARE(GreyImage(opaque), opaque);
  }
};

TAMREL_GUI_TEST(GreyPaintingTest);

}  // namespace tamrel

#include "grey_painting_test.moc"
