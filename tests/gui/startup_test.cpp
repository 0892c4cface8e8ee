// Start-up of the main window: its order, caption, size, layout and the
// failure of a data table.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include <sys/stat.h>

#include "main_window_fixture.h"
#include "mainwindow/layout.h"
#include "platform/desktop.h"
#include "platform/picture_box.h"

namespace tamrel {

using testing::LocaleScope;
using testing::StartedWindow;

namespace {

// A copy of the data tables in a temporary folder, one of them replaced:
// by other content, by nothing, by a pipe or by a link to an endless device.
struct TableFolder {
  enum class Put { Content, Nothing, Pipe, LinkToZero };
  QTemporaryDir dir;
  TableFolder(const char* replaced, const QByteArray& content, Put put = Put::Content) {
    for (const char* f : {"DNVmat.dat", "bfprof.dat", "lprof.dat", "tprof.dat", "fprof.dat"}) {
      QFile::copy(QDir(TAMREL_DATA_DIR).filePath(f), dir.filePath(f));
    }
    const QString file = dir.filePath(replaced);
    QFile::remove(file);
    switch (put) {
      case Put::Content: {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(content);
        break;
      }
      case Put::Nothing: break;
      case Put::Pipe: ::mkfifo(QFile::encodeName(file).constData(), 0644); break;
      case Put::LinkToZero: QFile::link(QStringLiteral("/dev/zero"), file); break;
    }
  }
  std::string path() const { return dir.path().toStdString(); }
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpStateAndCaption() {
    const LocaleScope locale{QLocale::c()};
    StartedWindow s;
    QVERIFY(s.started);
    QCOMPARE(s.w().windowTitle(), QString("Tamrel DNV: New File"));
    QCOMPARE(s.ds.mainfrm, &s.w().CalcWindow());
    QCOMPARE(s.ds.apppath, std::string(TAMREL_DATA_DIR));
    QCOMPARE(s.ds.lastdir, s.ds.apppath);
    QCOMPARE(s.ds.decflag.value(), 0.0);
    QVERIFY(s.w().Test->isHidden());
    QCOMPARE(s.ds.filename, std::string("New File"));
    QVERIFY(s.ds.mat.matlast >= 3);  // tables loaded before the refill
    QCOMPARE(s.w().cbofyp->count(), s.ds.mat.matlast + 1);
    // Calculated once the window was filled: three pictures hold tables.
    QVERIFY(s.w().pic30->PlainText().startsWith("Shell Buckling"));
    QVERIFY(s.w().Pic31->PlainText().startsWith("Stiffener Buckling"));
    QVERIFY(s.w().pic32->PlainText().startsWith("Panel Ring Buckling"));
    QVERIFY(s.messages.shown.isEmpty());
    // No recent file yet: the File menu's entries stay hidden.
    for (QAction* a : s.w().mnurecentfile) QVERIFY(!a->isVisible());
  }

  void recentFilesOfTheStoreAreInTheFileMenu() {
    DesignState ds;
    testing::RecordingMessages messages;
    MemorySettingsStore settings;
    settings.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile1", "/p/one.tmr");
    settings.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile2", "/p/two.tmr");
    TamrelWindow w(ds, WindowServices{messages, settings}, TAMREL_DATA_DIR);
    QVERIFY(w.Start());
    QVERIFY(w.mnurecentfile[0]->isVisible());
    QCOMPARE(w.mnurecentfile[1]->text(), QString("1. /p/one.tmr"));
    QCOMPARE(w.mnurecentfile[2]->text(), QString("2. /p/two.tmr"));
    QVERIFY(w.mnurecentfile[2]->isVisible());
    QVERIFY(!w.mnurecentfile[3]->isVisible());
  }

  // A table that cannot be loaded stops the start with a message naming the
  // file and the problem; nothing is calculated.
  // A table that cannot be loaded stops the start with one message naming
  // it and the reason, whole: also a pipe or an endless device in its place
  // (which must neither block nor read without end), a file larger than any
  // table, a line with a NUL in it, and a table that holds no rows.
  void tableLoadFailureStopsStartUp() {
    using Put = TableFolder::Put;
    struct Case {
      const char* file;
      QByteArray content;
      Put put;
      const char* reason;
    };
    const Case cases[] = {
        {"DNVmat.dat", {}, Put::Nothing, "missing"},
        {"lprof.dat", "100,50,6\n", Put::Content, "ends inside row 1"},
        {"fprof.dat", "60,x\n", Put::Content, "not a number"},
        {"tprof.dat", {}, Put::Pipe, "not a regular file"},
        {"bfprof.dat", {}, Put::LinkToZero, "not a regular file"},
        {"lprof.dat", QByteArray(3 << 20, ' '), Put::Content, "larger than any data table"},
        {"fprof.dat", QByteArray("60,6\n70,7\0008\n", 12), Put::Content,
         "value 2 of row 2 is not a number: \"7\\08\""},
        // A table of no rows: a file of no bytes, or of line ends and blanks only.
        {"DNVmat.dat", {}, Put::Content, "the file holds no rows"},
        {"bfprof.dat", {}, Put::Content, "the file holds no rows"},
        {"lprof.dat", {}, Put::Content, "the file holds no rows"},
        {"tprof.dat", {}, Put::Content, "the file holds no rows"},
        {"fprof.dat", {}, Put::Content, "the file holds no rows"},
        {"DNVmat.dat", "\r\n\r\n", Put::Content, "the file holds no rows"},
        {"bfprof.dat", "\n \n", Put::Content, "the file holds no rows"},
        {"lprof.dat", "\r\n\t\r\n", Put::Content, "the file holds no rows"},
        {"tprof.dat", "\n", Put::Content, "the file holds no rows"},
        {"fprof.dat", "  \n\n", Put::Content, "the file holds no rows"},
    };
    for (const Case& c : cases) {
      TableFolder folder(c.file, c.content, c.put);
      DesignState ds;
      testing::RecordingMessages messages;
      MemorySettingsStore settings;
      TamrelWindow w(ds, WindowServices{messages, settings}, folder.path());
      QVERIFY2(!w.Start(), c.file);
      QCOMPARE(messages.shown.size(), 1);
      QVERIFY2(messages.shown[0].contains(c.file), qPrintable(messages.shown[0]));
      QVERIFY2(messages.shown[0].contains(QString::fromUtf8(c.reason)),
               qPrintable(messages.shown[0]));
      QVERIFY2(!messages.shown[0].contains(QChar(0)), c.file);
      QVERIFY(w.pic30->Items().empty());
      QVERIFY(!w.isVisible());
    }
  }

  void windowSizeByDotsPerInchCentred() {
    struct Case {
      int dpi, screenW, screenH, width, height, left, top;
    };
    const Case cases[] = {
        {96, 1920, 1080, 1024, 768, 448, 156},
        {120, 1920, 1080, 1280, 960, 320, 60},
        {96, 800, 600, 1024, 768, -112, -84},  // a smaller screen: negative place
    };
    for (const Case& c : cases) {
      const WindowPlacement p = PlaceMainWindow(c.dpi, c.dpi, c.screenW, c.screenH);
      QCOMPARE(p.width, c.width);
      QCOMPARE(p.height, c.height);
      QCOMPARE(p.left, c.left);
      QCOMPARE(p.top, c.top);
      // 15360 x 11520 twips whatever the dots per inch.
      QCOMPARE(p.width * 1440.0 / c.dpi, kMainWidthTwips);
      QCOMPARE(p.height * 1440.0 / c.dpi, kMainHeightTwips);
    }
    StartedWindow s;
    const ScreenInfo screen = QueryScreen(&s.w());
    QCOMPARE(s.w().DesignOuterSize(),
             QSize(static_cast<int>(std::lround(1024 * screen.dpiX / 96.0)),
                   static_cast<int>(std::lround(768 * screen.dpiY / 96.0))));
    // Centred along a side of the screen it fits; along one it is larger
    // than, from the available area's edge, so that its title and menu bar
    // stay on the screen.
    const QRect frame = s.w().frameGeometry();
    if (frame.width() <= screen.available.width()) {
      QVERIFY(std::abs(frame.center().x() - screen.geometry.center().x()) <= 2);
    } else {
      QCOMPARE(frame.x(), screen.available.x());
    }
    if (frame.height() <= screen.available.height()) {
      QVERIFY(std::abs(frame.center().y() - screen.geometry.center().y()) <= 2);
    } else {
      QCOMPARE(frame.y(), screen.available.y());
    }
  }

  void layoutFromTheWindowSize() {
    const MainLayout l = LayOutMainWindow(15360, 11520);
    struct Case {
      const char* what;
      double got, want;
    };
    const Case cases[] = {
        {"fr20.Left", l.fr20.left, 10447.8},
        {"fr10.Width", l.fr10.width, 10140.6},
        {"fr10.Left", l.fr10.left, 153.6},
        {"fr10.Height", l.fr10.height, 6690},
        {"fr112.Height", l.fr112.height, 2089.8},
        {"fr120.Left", l.fr120.left, 5013.6},
        {"fr120.Width", l.fr120.width, 4954.8},
        {"fr121.Top", l.fr121.top, 2295},
        {"fr123.Top", l.fr123.top, 4605},
        {"fr123.Height", l.fr123.height, 1849.2},
        {"pic20.Left", l.pic20.left, 195},
        {"pic20.Top", l.pic20.top, 312},
        {"fr30.Width", l.fr30.width, 4608},
        {"fr30.Height", l.fr30.height, 4023.6},
        {"fr30.Top", l.fr30.top, 6690},
        {"pic30.Height", l.pic30.height, 3701.712},
        {"pic30.Width", l.pic30.width, 4469.76},
        {"fr31.Width", l.fr31.width, 5068.8},
        {"fr31.Left", l.fr31.left, 4838.4},
        {"fr32.Width", l.fr32.width, 5068.8},
        {"fr32.Left", l.fr32.left, 9984},
        // The column frame keeps its design Left, Top and Height.
        {"fr124.Left", l.fr124.left, 9360},
        {"fr124.Top", l.fr124.top, 6120},
        {"fr124.Height", l.fr124.height, 2640},
        {"fr124.Width", l.fr124.width, 4954.8},
    };
    for (const Case& c : cases) {
      QVERIFY2(std::abs(c.got - c.want) < 1e-6,
               qPrintable(QString("%1 = %2").arg(c.what).arg(c.got)));
    }
    // The result band ends at 0.98 W, where the sketch frame ends.
    QVERIFY(std::abs(l.fr32.right() - 0.98 * 15360) < 1e-6);
    QVERIFY(std::abs(l.fr20.right() - l.fr32.right()) < 1e-6);
    const TwipRect column = PlaceColumnFrame(l);
    QVERIFY(std::abs(column.left - l.fr123.left) < 1e-6);
    QVERIFY(std::abs(column.top - (6690 - 1.06 * 2640)) < 1e-6);

    // The window maps twips to pixels at the screen's dots per inch, and
    // every frame lies inside the client area.
    StartedWindow s;
    const ScreenInfo screen = QueryScreen(&s.w());
    auto px = [&](double twips) { return TwipsToPixels(twips, screen.dpiX); };
    QCOMPARE(s.w().fr30->geometry().left(), px(l.fr30.left));
    QCOMPARE(s.w().fr32->geometry().left(), px(l.fr32.left));
    QCOMPARE(s.w().fr20->geometry().left(), px(l.fr20.left));
    const QRect client = s.w().centralWidget()->rect();
    for (QGroupBox* f : {s.w().fr10, s.w().fr20, s.w().fr30, s.w().fr31, s.w().fr32}) {
      QVERIFY2(client.contains(f->geometry()), qPrintable(f->objectName()));
    }
  }

  // A tidy form: every caption fits its control and no two controls of a
  // frame overlap, for every cylinder type.
  void nothingCutOffOrOverlapping() {
    StartedWindow s;
    TamrelWindow& w = s.w();
    QRadioButton* types[] = {w.cylinder0, w.cylinder1, w.cylinder2, w.cylinder3};
    for (QRadioButton* type : types) {
      type->click();
      QCoreApplication::processEvents();
      // The result tables fit their pictures.
      for (PictureBox* pic : {w.pic30, w.Pic31, w.pic32}) {
        for (const PictureBox::Item& item : pic->Items()) {
          QFont f = pic->font();
          f.setBold(item.bold);
          const QFontMetricsF m(f);
          QVERIFY2(item.pos.x() + m.horizontalAdvance(item.text) <= pic->width() &&
                       item.pos.y() + m.height() <= pic->height(),
                   qPrintable(type->text() + ": " + pic->objectName() + " " + item.text));
        }
      }
      for (QWidget* parent : w.findChildren<QWidget*>()) {
        if (!parent->isVisibleTo(&w)) continue;
        QList<QWidget*> shown;
        for (QObject* o : parent->children()) {
          auto* c = qobject_cast<QWidget*>(o);
          if (c && !c->isWindow() && c->isVisibleTo(&w)) shown << c;
        }
        for (QWidget* c : shown) {
          auto name = [](QWidget* x) {
            auto* l = qobject_cast<QLabel*>(x);
            return QString("%1 '%2' %3,%4 %5x%6")
                .arg(x->objectName(), l ? l->text() : QString())
                .arg(x->x())
                .arg(x->y())
                .arg(x->width())
                .arg(x->height());
          };
          const QString what = type->text() + ": " + parent->objectName() + "/" + name(c);
          QVERIFY2(parent->rect().contains(c->geometry()), qPrintable(what + " outside"));
          if (auto* label = qobject_cast<QLabel*>(c); label && !label->wordWrap()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                         label->contentsRect().width(),
                     qPrintable(what + " cut: " + label->text()));
          }
          if (auto* label = qobject_cast<QLabel*>(c); label && label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(what + " cut"));
          }
          if (qobject_cast<QRadioButton*>(c) || qobject_cast<QCheckBox*>(c)) {
            QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(what + " cut"));
          }
          if (auto* b = qobject_cast<QPushButton*>(c)) {
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width(),
                     qPrintable(what + " cut"));
          }
          for (QWidget* other : shown) {
            if (other == c) continue;
            const bool stacked =
                qobject_cast<QGroupBox*>(parent) == nullptr && parent != w.centralWidget();
            if (stacked) continue;  // inside a picture box (check_ih)
            QVERIFY2(!c->geometry().intersects(other->geometry()),
                     qPrintable(what + " overlaps " + name(other)));
          }
        }
      }
    }
  }

  void commaLocale() {
    const LocaleScope locale{QLocale(QLocale::German, QLocale::Germany)};
    StartedWindow s;
    QVERIFY(s.started);
    QCOMPARE(s.ds.decflag.value(), -1.0);
    QCOMPARE(s.box("it")->text(), QString("20,0"));
    QCOMPARE(s.box("ipp")->text(), QString("-0,300"));
    QCOMPARE(s.box("ie")->text(), QString("2,10E+5"));
    QCOMPARE(s.box("icylr")->text(), QString("3333"));  // no thousands separator
    QVERIFY(s.w().stiffprof->text().contains(','));
  }
};

TAMREL_GUI_TEST(StartupTest);

}  // namespace tamrel

#include "startup_test.moc"
