// The printer page as a text surface: its user scale is mapped by the page
// itself, so fonts keep their point size whatever the scale, and texts are
// measured with the metrics of the device the page is drawn on.

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

#include "gui_support.h"
#include "report/report_page.h"

namespace tamrel {

namespace {

// A white image of w x h pixels at a resolution of dpi.
QImage Sheet(int w, int h, int dpi) {
  QImage image(w, h, QImage::Format_ARGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  return image;
}

// Rows [top, bottom) of the image that hold a dark pixel.
std::pair<int, int> InkedRows(const QImage& image) {
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).lightness() < 128) {
        if (top < 0) top = y;
        bottom = y + 1;
        break;
      }
    }
  }
  return {top, bottom};
}

QFont Arial(double points) {
  QFont f(QStringLiteral("arial"));
  f.setPointSizeF(points);
  return f;
}

}  // namespace

class ReportPageTest : public QObject {
  Q_OBJECT

 private slots:
  void scaleCoversTheDrawingArea() {
    QImage image = Sheet(1000, 800, 96);
    ReportPage page(image);
    page.SetScale(136, 88);
    QCOMPARE(page.ToDevice(0, 0), QPointF(0, 0));
    QCOMPARE(page.ToDevice(136, 88), QPointF(1000, 800));
    QCOMPARE(page.ToDevice(68, 44), QPointF(500, 400));
    page.SetPos(13.6, 10);
    page.Print("Geometry:");
    const ReportPage::Item& item = page.Items().back();
    QCOMPARE(item.x, 13.6);
    QCOMPARE(item.y, 10.0);
    QVERIFY(qAbs(item.devicePos.x() - 100.0) < 1e-9);
    QVERIFY(qAbs(item.devicePos.y() - 10 * 800.0 / 88) < 1e-9);
    // Lines, boxes and pictures are placed by the same mapping.
    page.Line(13.6, 31.41, 129.2, 31.41);
    QVERIFY(qAbs(page.Items().back().deviceLine.x2() - 129.2 * 1000 / 136) < 1e-9);
    page.PaintPicture(92.6, 10, 30, 19.41, "pic22", {});
    const QRectF r = page.Items().back().deviceRect;
    QVERIFY(qAbs(r.left() - 92.6 * 1000 / 136) < 1e-9);
    QVERIFY(qAbs(r.height() - 19.41 * 800 / 88) < 1e-9);
  }

  void paperIsMeasuredAndTheAreaDrawnOn() {
    QImage image = Sheet(900, 1300, 96);
    ReportPage page(image, QSize(1000, 1400));
    QCOMPARE(page.PageWidth(), 1000);
    QCOMPARE(page.PageHeight(), 1400);
    QCOMPARE(page.AreaWidth(), 900);
    page.SetScale(136, 88);
    QCOMPARE(page.ToDevice(136, 88), QPointF(900, 1300));
    page.SetDeviceScale();
    QCOMPARE(page.ToDevice(450, 650), QPointF(450, 650));
  }

  // A font keeps its point size under any scale: text widths in device
  // pixels do not change with the scale, and they follow the device's own
  // metrics (a device of three times the resolution, three times the pixels).
  void fontsKeepTheirSizeAndAreMeasuredOnTheDevice() {
    const QString text = QStringLiteral("UF = SigjSd/fksd = 111.4/149.0 = ");
    const std::string utf8 = text.toStdString();
    double deviceWidth[2] = {0, 0};
    int i = 0;
    for (int dpi : {100, 300}) {
      QImage image = Sheet(827 * dpi / 100, 1169 * dpi / 100, dpi);
      ReportPage page(image);
      page.SetFontName("arial");
      page.SetFontSize(8);
      page.SetScale(136, 88);
      const double inBody = page.TextWidth(utf8) * page.DevicePerUnitX();
      page.SetScale(10, 10);
      const double inCoarse = page.TextWidth(utf8) * page.DevicePerUnitX();
      page.SetDeviceScale();
      const double inPixels = page.TextWidth(utf8);
      QVERIFY(qAbs(inBody - inCoarse) < 1e-6);
      QVERIFY(qAbs(inBody - inPixels) < 1e-6);
      QCOMPARE(inPixels, QFontMetricsF(Arial(8), &image).horizontalAdvance(text));
      deviceWidth[i++] = inPixels;
    }
    const double ratio = deviceWidth[1] / deviceWidth[0];
    QVERIFY2(qAbs(ratio - 3.0) < 0.06, qPrintable(QString::number(ratio)));
  }

  void printAdvancesByTheWidthInTheCurrentFont() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ReportPage page(printer);
    page.SetFontName("arial");
    page.SetFontSize(8);
    page.SetScale(136, 88);
    const double regular = page.TextWidth("Shell Buckling: (Ch 3.3.2)");
    page.SetBold(true);
    const double bold = page.TextWidth("Shell Buckling: (Ch 3.3.2)");
    QVERIFY(bold > regular * 1.03);
    // Measured with the printer's metrics, in body units.
    QFont f = Arial(8);
    f.setBold(true);
    const double expected =
        QFontMetricsF(f, &printer).horizontalAdvance("Shell Buckling: (Ch 3.3.2)") /
        (printer.width() / 136.0);
    QVERIFY(qAbs(bold - expected) < 1e-9);

    page.SetPos(13.6, 50);
    page.Print("Shell Buckling: (Ch 3.3.2)");
    QVERIFY(qAbs(page.CurrentX() - (13.6 + bold)) < 1e-9);
    QCOMPARE(page.CurrentY(), 50.0);
    QVERIFY(page.Items().back().font.bold());
    // The empty text draws nothing and does not move.
    page.Print("");
    QCOMPARE(page.Items().size(), size_t(1));

    // A line end goes back to the left edge, one line of the font down.
    page.SetBold(false);
    page.PrintLine("Note");
    QCOMPARE(page.CurrentX(), 0.0);
    const double line = QFontMetricsF(Arial(8), &printer).lineSpacing() / (printer.height() / 88.0);
    QVERIFY(qAbs(page.CurrentY() - (50 + line)) < 1e-9);
    QVERIFY(qAbs(page.TextHeight("x") - line) < 1e-9);
    // One 8-point line fits in a body row of an A4 page.
    QVERIFY(line < 1.0);
  }

  void fontFlagsAndColours() {
    QImage image = Sheet(800, 600, 96);
    ReportPage page(image);
    page.SetItalic(true);
    page.SetUnderline(true);
    page.SetColour(Colour::Red);
    page.Print("Loading:");
    const ReportPage::Item& a = page.Items().back();
    QVERIFY(a.font.italic());
    QVERIFY(a.font.underline());
    QVERIFY(!a.font.bold());
    QCOMPARE(a.colour, QColor(128, 0, 0));
    page.SetItalic(false);
    page.SetUnderline(false);
    page.SetColour(Colour::Green);
    page.Print("0.75");
    QCOMPARE(page.Items().back().colour, QColor(0, 128, 0));
    QVERIFY(!page.Items().back().font.italic());
    page.SetColour(Colour::Black);
    page.Print(" <= 1.00");
    QCOMPARE(page.Items().back().colour, QColor(0, 0, 0));
    page.Clear();
    QVERIFY(page.Items().empty());
    QCOMPARE(page.CurrentX(), 0.0);
  }

  // Replayed on a painter, a text stands below its position (the position
  // is the top of its line), and a picture stays inside its rectangle.
  void replayPutsTextsAndPicturesWhereTheyWereDrawn() {
    QImage image = Sheet(1000, 1000, 300);
    ReportPage page(image);
    page.SetFontName("arial");
    page.SetFontSize(11);
    page.SetScale(100, 100);
    page.SetPos(10, 20);
    page.Print("Tamrel DNV");
    {
      QPainter p(&image);
      page.Replay(p);
    }
    const auto [top, bottom] = InkedRows(image);
    QVERIFY2(top >= 200, qPrintable(QString::number(top)));
    QVERIFY(bottom <= 200 + page.TextHeight("x") * 10 + 1);
    QVERIFY(bottom - top > 20);  // 11 points at 300 dpi: about 46 pixels per line

    QImage sheet = Sheet(400, 400, 96);
    ReportPage pictures(sheet);
    pictures.SetScale(40, 40);
    pictures.PaintPicture(10, 10, 20, 10, "filled", [](QPainter& p, const QRectF& r) {
      p.fillRect(r.adjusted(-100, -100, 100, 100), Qt::black);  // spills over
    });
    pictures.Box(5, 25, 35, 35);
    {
      QPainter p(&sheet);
      pictures.Replay(p);
    }
    QVERIFY(sheet.pixelColor(200, 150).lightness() < 50);   // inside the picture
    QVERIFY(sheet.pixelColor(200, 90).lightness() > 250);   // above it: clipped
    QVERIFY(sheet.pixelColor(310, 150).lightness() > 250);  // beside it
    QVERIFY(sheet.pixelColor(200, 250).lightness() < 128);  // the box's top edge
    QVERIFY(sheet.pixelColor(200, 300).lightness() > 250);  // inside the box: not filled
  }
};

TAMREL_GUI_TEST(ReportPageTest);

}  // namespace tamrel

#include "report_page_test.moc"
