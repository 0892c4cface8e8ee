// The sixteen profile sketches, and how the section dialogs look: each
// image is written to the build folder's screenshots directory for a
// reviewer to look at.

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <set>

#include "dialog_fixture.h"
#include "dialogs/built_up_dialog.h"
#include "platform/profile_sketches.h"

namespace tamrel {

using testing::DialogWorld;

namespace {

QImage RenderSketch(ProfileSketch sketch, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawProfileSketch(p, QRectF(0, 0, size, size), sketch);
  return image;
}

// Pixels of a colour family: blue for stiffeners, orange for ring frames.
int Count(const QImage& image, bool (*is)(const QColor&)) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (is(image.pixelColor(x, y))) ++n;
  return n;
}
bool Blue(const QColor& c) {  // the stiffener's fill, not the dark blue dimension lines
  return c.blue() > 170 && c.red() < 80 && c.green() > c.red() + 30 && c.green() < 140;
}
bool Orange(const QColor& c) {
  return c.red() > 190 && c.green() > 90 && c.green() < 160 && c.blue() < 70;
}
bool Inked(const QColor& c) {
  return c.alpha() > 0 && c.lightness() < 200;
}

QString Save(const QImage& image, const QString& name) {
  const QString path = QDir(TAMREL_SCREENSHOT_DIR).filePath(name + ".png");
  image.save(path);
  return path;
}

const ProfileSketch kAll[] = {
    ProfileSketch::pic_stiff_L,   ProfileSketch::pic_stiff_Lb, ProfileSketch::pic_stiff_t,
    ProfileSketch::pic_stiff_f,   ProfileSketch::pic_stiff_hp, ProfileSketch::pic_stiff_rhs,
    ProfileSketch::pic_stiff_usp, ProfileSketch::pic_stiff_i,  ProfileSketch::pic_gird_L,
    ProfileSketch::pic_gird_Lb,   ProfileSketch::pic_gird_t,   ProfileSketch::pic_gird_f,
    ProfileSketch::pic_gird_hp,   ProfileSketch::pic_gird_rhs, ProfileSketch::pic_gird_usp,
    ProfileSketch::pic_gird_i};

}  // namespace

class ProfileSketchesTest : public QObject {
  Q_OBJECT

 private slots:
  void sixteenDistinctSketchesInTheMembersColour() {
    std::set<QByteArray> distinct;
    for (const ProfileSketch s : kAll) {
      const QImage image = RenderSketch(s, kProfileSketchSize);
      // White, framed, filling the whole picture.
      QCOMPARE(image.pixelColor(kProfileSketchSize / 2, 3), QColor(Qt::white));
      QVERIFY2(Inked(image.pixelColor(0, kProfileSketchSize / 2)), ProfileSketchName(s));
      QVERIFY2(Count(image, Inked) > 1500, ProfileSketchName(s));
      const bool ring = IsRingFrameSketch(s);
      QVERIFY2(Count(image, ring ? Orange : Blue) > 400, ProfileSketchName(s));
      QVERIFY2(Count(image, ring ? Blue : Orange) == 0, ProfileSketchName(s));
      distinct.insert(
          QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
      Save(RenderSketch(s, 2 * kProfileSketchSize), QString("profile_") + ProfileSketchName(s));
    }
    QCOMPARE(distinct.size(), size_t(16));
  }

  void eachTypeHasTheSketchOfItsDialog() {
    QCOMPARE(SketchForProfile(false, kTBuiltUp), ProfileSketch::pic_stiff_t);
    QCOMPARE(SketchForProfile(true, kFlatbarBuiltUp), ProfileSketch::pic_gird_f);
    QCOMPARE(SketchForProfile(true, kLBuiltUp), ProfileSketch::pic_gird_Lb);
    QCOMPARE(SketchForProfile(false, kIBuiltUp), ProfileSketch::pic_stiff_i);
    QVERIFY(!IsRingFrameSketch(ProfileSketch::pic_stiff_i));
    QVERIFY(IsRingFrameSketch(ProfileSketch::pic_gird_L));
  }

  // Screenshots of every dialog as it opens: nothing may be cut off, so
  // every label and box must lie inside the window and show its whole text.
  void dialogsShowEveryTextInFull() {
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        DialogWorld w;
        // Long texts: a ring frame whose limits all fail, four-digit areas.
        w.ds.cylr = 500.0f;
        SectionDialog* d = w.Open(m, code);
        QVERIFY(d != nullptr);
        QWidget* win = d->Window();
        const QRect inside = win->rect();
        for (QLabel* l : win->findChildren<QLabel*>()) {
          const QRect r(l->mapTo(win, QPoint(0, 0)), l->size());
          QVERIFY2(inside.contains(r), qPrintable(l->objectName()));
          QVERIFY2(
              l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
              qPrintable(QString("%1 %2: %3").arg(d->Entry().name, l->objectName(), l->text())));
        }
        for (QLineEdit* e : win->findChildren<QLineEdit*>()) {
          const QRect r(e->mapTo(win, QPoint(0, 0)), e->size());
          QVERIFY2(inside.contains(r), qPrintable(e->objectName()));
        }
        Save(win->grab().toImage(), QString("dialog_") + d->Entry().name);
      }
    }
  }
};

TAMREL_GUI_TEST(ProfileSketchesTest);

}  // namespace tamrel

#include "profile_sketches_test.moc"
