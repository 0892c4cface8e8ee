// The result pictures drawn as the main window draws them, compared pixel
// for pixel with a plain drawing of the same tables that converts, measures
// and lays out every text afresh and asks for a repaint per text. What the
// pictures keep between drawings (Qt strings, widths, fonts, laid-out texts)
// and the repaint requests they join must not change a single pixel, also
// when the values change from one drawing to the next.

#include <QDir>
#include <QEvent>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QTest>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/window.h"
#include "files/table_loaders.h"
#include "gui_support.h"
#include "platform/picture_box.h"

namespace tamrel {
namespace {

constexpr double kUnitX = 8;
constexpr double kUnitY = 16;
const QSize kPictureSize(412, 241);  // a result picture of the main window at 96 dpi

// The straightforward text surface: nothing is kept between texts.
class PlainPicture : public QWidget, public TextSurface {
 public:
  PlainPicture() { setAttribute(Qt::WA_OpaquePaintEvent); }

  void Clear() override {
    items_.clear();
    x_ = 0;
    y_ = 0;
    update();
  }
  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override { x_ = x; }
  void SetCurrentY(double y) override { y_ = y; }
  void Print(std::string_view text) override {
    const QString q = ToQString(text);
    if (!q.isEmpty()) {
      items_.push_back(Item{QPointF(x_ * kUnitX, y_ * kUnitY), q, bold_, underline_, colour_});
      update();
    }
    x_ += Metrics(bold_, underline_).horizontalAdvance(q) / kUnitX;
  }
  void PrintLine(std::string_view text) override {
    Print(text);
    x_ = 0;
    y_ += Metrics(bold_, underline_).height() / kUnitY;
  }
  double TextWidth(std::string_view text) const override {
    return Metrics(bold_, underline_).horizontalAdvance(ToQString(text)) / kUnitX;
  }
  void SetBold(bool on) override { bold_ = on; }
  void SetUnderline(bool on) override { underline_ = on; }
  void SetColour(Colour c) override { colour_ = PictureBox::PaletteColour(c); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (const Item& item : items_) {
      const QFont f = Font(item.bold, item.underline);
      p.setFont(f);
      p.setPen(item.colour);
      if (item.underline) {
        const qreal ascent = Metrics(item.bold, item.underline).ascent();
        p.drawText(QPointF(item.pos.x(), item.pos.y() + ascent), item.text);
      } else {
        QStaticText laid(item.text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), f);
        p.drawStaticText(item.pos, laid);
      }
    }
  }

 private:
  using Item = PictureBox::Item;
  static QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }
  QFont Font(bool bold, bool underline) const {
    QFont f = font();
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
  }
  QFontMetricsF Metrics(bool bold, bool underline) const {
    return QFontMetricsF(Font(bold, underline), this);
  }

  std::vector<Item> items_;
  double x_ = 0;
  double y_ = 0;
  bool bold_ = false;
  bool underline_ = false;
  QColor colour_ = Qt::black;
};

// A window whose three result pictures are the given surfaces.
class PicturesWindow : public NullWindow {
 public:
  explicit PicturesWindow(std::array<TextSurface*, 3> s) : surfaces_(s) {}
  TextSurface* ResultPictureSurface(ResultPicture which) override {
    return surfaces_[static_cast<std::size_t>(which)];
  }

 private:
  std::array<TextSurface*, 3> surfaces_;
};

struct Project {
  const char* name;
  std::int16_t cyltype;
  bool specialIh;
  std::function<void(DesignState&)> set;
};

const Project kProjects[] = {
    {"unstiffened cylinder", kCylinder, false, nullptr},
    {"ring stiffened", kRingStiffened, false, nullptr},
    {"ring stiffened, special calculation of Ih", kRingStiffened, true, nullptr},
    {"stringer stiffened", kStringerStiffened, false, nullptr},
    {"stringer stiffened, special calculation of Ih", kStringerStiffened, true, nullptr},
    {"column", kColumnBuckling, false, nullptr},
    // T profiles 100 x 5 x 30 x 150: flanges thicker than the profile is high.
    {"stringer stiffened, degenerate stiffener and ring frame", kStringerStiffened, false,
     [](DesignState& ds) {
       ds.stifftype = kTBuiltUp;
       ds.stifftb_h = Variant::Int(100);
       ds.stifftb_b = Variant::Int(5);
       ds.stifftb_tw = Variant::Int(30);
       ds.stifftb_tf = 150.0f;
       ds.ringtype = kTBuiltUp;
       ds.girdtb_h = Variant::Int(100);
       ds.girdtb_b = Variant::Int(5);
       ds.girdtb_tw = Variant::Int(30);
       ds.girdtb_tf = 150.0f;
     }},
};

// Two input states that change every value drawn: radius, thickness, loads.
void SetInputs(DesignState& ds, int which) {
  ds.cylr = which == 0 ? 3333.0f : 3350.0f;
  ds.cylt = Variant::Int(which == 0 ? 20 : 21);
  ds.Sigx = Variant::Int(which == 0 ? -100 : -110);
  ds.Tau = which == 0 ? 40.0f : 42.0f;
  ds.naxial = Variant::Int(which == 0 ? -1000 : -1100);
}

QImage Rendered(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int DarkPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).lightness() < 160) ++n;
  return n;
}

// Saves both images of a picture that differs, for a reviewer to compare.
QString SaveDifference(const QImage& kept, const QImage& plain, const QString& name) {
  const QDir dir(TAMREL_SCREENSHOT_DIR);
  kept.save(dir.filePath(name + "_kept.png"));
  plain.save(dir.filePath(name + "_plain.png"));
  return dir.filePath(name + "_kept.png");
}

}  // namespace

class PictureDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  // Every cylinder type and a degenerate profile, drawn four times with the
  // inputs alternating: each drawing of the kept pictures equals a plain
  // drawing of the same tables.
  void pictureForPictureAsAPlainDrawing() {
    for (const Project& project : kProjects) {
      DesignState ds;
      ds.apppath = TAMREL_DATA_DIR;
      SetDefaults(ds);
      LoadAllTables(ds);
      ds.cyltype = project.cyltype;
      ds.hring = 1;
      ds.ih = project.specialIh ? 1 : 0;
      if (project.set) project.set(ds);
      PictureBox kept[3];
      PlainPicture plain[3];
      for (int i = 0; i < 3; ++i) {
        kept[i].resize(kPictureSize);
        kept[i].SetScale(kUnitX, kUnitY);
        plain[i].resize(kPictureSize);
      }
      PicturesWindow keptWindow({&kept[0], &kept[1], &kept[2]});
      PicturesWindow plainWindow({&plain[0], &plain[1], &plain[2]});
      for (int drawing = 0; drawing < 4; ++drawing) {
        SetInputs(ds, drawing % 2);
        ds.mainfrm = &keptWindow;
        Recalculate(ds);
        ds.mainfrm = &plainWindow;
        Recalculate(ds);
        for (int i = 0; i < 3; ++i) {
          const QString what =
              QString("%1, picture %2, drawing %3").arg(project.name).arg(i).arg(drawing);
          const QImage a = Rendered(kept[i]);
          const QImage b = Rendered(plain[i]);
          // The stiffener picture of the unstiffened and the ring-stiffened
          // cylinder stays empty; every other picture shows a table.
          if (i != 1 || project.cyltype >= kStringerStiffened)
            QVERIFY2(DarkPixels(b) > 500, qPrintable(what));
          if (a != b) {
            const QString path = SaveDifference(a, b, QString("picture_drawing_%1").arg(i));
            QFAIL(qPrintable(what + " differs, see " + path));
          }
        }
      }
    }
  }

  // A value that never comes back lets old texts go once there are many;
  // what is drawn afterwards is still the same as a plain drawing.
  void manyChangingValuesDrawTheSame() {
    PictureBox kept;
    PlainPicture plain;
    kept.resize(kPictureSize);
    kept.SetScale(kUnitX, kUnitY);
    plain.resize(kPictureSize);
    for (int drawing = 0; drawing < 60; ++drawing) {
      for (TextSurface* s : {static_cast<TextSurface*>(&kept), static_cast<TextSurface*>(&plain)}) {
        s->Clear();
        s->SetPos(1, 0.3);
        s->SetBold(true);
        s->SetUnderline(true);
        s->Print("Shell Buckling: (Ch 3.4.2)");
        s->SetUnderline(false);
        s->SetBold(false);
        for (int row = 0; row < 14; ++row) {
          s->SetPos(1, 1.4 + row);
          s->Print("fk =");
          const std::string value = std::to_string(drawing * 1000 + row * 7) + ".5";
          s->SetCurrentX(1 + 15 - s->TextWidth(value));
          s->SetColour(row % 3 == 0 ? Colour::Red : Colour::Black);
          s->Print(value);
          s->SetColour(Colour::Black);
          s->PrintLine("  MPa");
        }
      }
      if (drawing % 20 != 19) continue;
      const QImage a = Rendered(kept);
      const QImage b = Rendered(plain);
      QVERIFY(DarkPixels(b) > 500);
      QVERIFY2(a == b, qPrintable(SaveDifference(a, b, "picture_drawing_changing")));
    }
  }

  // Each change of the content is repainted, whether it starts with a clear
  // or adds to what is drawn.
  void everyChangeIsRepainted() {
    QWidget top;
    top.resize(kPictureSize);
    auto* box = new PictureBox(&top);
    box->setGeometry(QRect(QPoint(0, 0), kPictureSize));
    box->SetScale(kUnitX, kUnitY);
    struct PaintCounter : QObject {
      int paints = 0;
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
      }
    } counter;
    box->installEventFilter(&counter);
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QCoreApplication::processEvents();
    const QImage empty = Rendered(*box);

    auto painted = [&](auto draw) {
      const int before = counter.paints;
      draw();
      QCoreApplication::processEvents();
      return counter.paints - before;
    };
    QCOMPARE(painted([&] {
               box->Clear();
               for (int row = 0; row < 10; ++row) {
                 box->SetPos(1, row);
                 box->Print("Usage factor");
               }
             }),
             1);
    const QImage first = Rendered(*box);
    QVERIFY(first != empty);
    QCOMPARE(painted([&] {
               box->SetPos(1, 11);
               box->Print("0.50");
             }),
             1);
    QVERIFY(Rendered(*box) != first);
    QCOMPARE(painted([] {}), 0);
    QCOMPARE(painted([&] { box->Clear(); }), 1);
    QCOMPARE(Rendered(*box), empty);
  }
};

TAMREL_GUI_TEST(PictureDrawingTest);

}  // namespace tamrel

#include "picture_drawing_test.moc"
