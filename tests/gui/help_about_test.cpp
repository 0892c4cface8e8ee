// The Help menu: the help window at its contents, index and search page,
// nothing when the help folder is missing, the theory manual through the
// desktop's opener; and the about box: layout, texts, the clicks that close
// it and those that do not, its links and their error message.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "main_window_fixture.h"
#include "mainwindow/about_box.h"
#include "mainwindow/help.h"
#include "mainwindow/info_forms.h"
#include "platform/desktop.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

// A program folder: the data tables and the help file, as the build lays
// them beside the executable.
struct ProgramFolder {
  QTemporaryDir dir;
  explicit ProgramFolder(bool withHelpFile = true) {
    for (const QString& f : QDir(TAMREL_DATA_DIR).entryList({"*.dat"}, QDir::Files)) {
      QFile::copy(QDir(TAMREL_DATA_DIR).filePath(f), dir.filePath(f));
    }
    if (withHelpFile) QFile::copy(TAMREL_HELP_FILE, dir.filePath("tamrel.chm"));
  }
  QByteArray path() const { return dir.path().toLocal8Bit(); }
};

QRect Twips(double left, double top, double width, double height, int dpiX, int dpiY) {
  const int x = TwipsToPixels(left, dpiX);
  const int y = TwipsToPixels(top, dpiY);
  return {x, y, TwipsToPixels(left + width, dpiX) - x, TwipsToPixels(top + height, dpiY) - y};
}

QColor TextColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

AboutBox* OpenAbout(StartedWindow& s) {
  s.w().MenuItem("mnuabout")->trigger();
  return s.w().AboutWindow();
}

// The box closes at once, inside the click; once closed it is deleted.
bool Closed(const QPointer<AboutBox>& box) {
  return box.isNull() || !box->isVisible();
}

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The three entry points open the help window of the program folder, also
  // while the current directory is another folder; the same window each time.
  void helpContentsIndexAndSearch() {
    ProgramFolder folder;
    StartedWindow s(folder.path().constData());
    QVERIFY(s.started);
    TamrelWindow& w = s.w();
    QDir::setCurrent(QDir::tempPath());
    QVERIFY(w.HelpViewer() == nullptr);

    w.MenuItem("mnuhelpcont")->trigger();
    HelpWindow* help = w.HelpViewer();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->parentWidget() == nullptr);  // no owner
    QCOMPARE(help->windowTitle(), QString("Tamrel DNV Help"));
    QCOMPARE(help->CurrentPage(), HelpWindow::Page::Contents);
    QCOMPARE(help->browser->source(), HelpPageUrl(help->Folder(), "contents.html"));
    QCOMPARE(help->browser->source().scheme(), QString("qrc"));
    QVERIFY(help->browser->toPlainText().contains("Reading the result tables"));
    QVERIFY(!help->searchBar->isVisible());
    // A topic of the contents, read from the same file.
    help->browser->setSource(QUrl("inputs.html"));
    QVERIFY(help->browser->toPlainText().contains("tripping length"));

    // The index: the keywords of index.txt in alphabetical order, each a
    // link to its page.
    w.MenuItem("mnuindex")->trigger();
    QCOMPARE(w.HelpViewer(), help);
    QCOMPARE(help->CurrentPage(), HelpWindow::Page::Index);
    const QString index = help->browser->toPlainText();
    for (const char* keyword : {"axial stress", "Enter key", "tripping length", "WSD"}) {
      QVERIFY2(index.contains(keyword), keyword);
    }
    QVERIFY(index.indexOf("design format") < index.indexOf("Enter key"));
    QVERIFY(index.indexOf("Enter key") < index.indexOf("external pressure"));
    QVERIFY(index.indexOf("usage factor") < index.indexOf("WSD"));
    QVERIFY(
        help->browser->toHtml().contains(HelpPageUrl(help->Folder(), "inputs.html").toString()));

    // Search: opened with an empty query, no search started.
    help->query->setText("left over");
    w.MenuItem("mnuhelpsearch")->trigger();
    QCOMPARE(help->CurrentPage(), HelpWindow::Page::Search);
    QVERIFY(help->searchBar->isVisible());
    QCOMPARE(help->query->text(), QString());
    QVERIFY(!help->browser->toPlainText().contains("found"));
    QTest::keyClicks(help->query, "tripping length");
    QTest::keyClick(help->query, Qt::Key_Return);
    const QString found = help->browser->toPlainText();
    QVERIFY(found.contains("found"));
    QVERIFY(found.contains("Inputs, units and signs"));
    QVERIFY(!found.contains("Printing the calculation report"));

    // Any number of times, one window.
    for (int i = 0; i < 3; ++i) w.MenuItem("mnuhelpcont")->trigger();
    QCOMPARE(w.HelpViewer(), help);
    QCOMPARE(help->CurrentPage(), HelpWindow::Page::Contents);
    // F1 opens the contents too.
    w.MenuItem("mnuindex")->trigger();
    w.activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(help->CurrentPage(), HelpWindow::Page::Contents);
    QVERIFY(s.messages.shown.isEmpty());
    QVERIFY(s.opener.opened.isEmpty());
    QDir::setCurrent(QString(TAMREL_SOURCE_DIR));
  }

  // Closing the main window leaves the event loop at once, also while the
  // help window (which has no owner) and the about box are open.
  void closingEndsTheProgramWithTheHelpOpen() {
    ProgramFolder folder;
    DesignState ds;
    testing::RecordingMessages messages;
    MemorySettingsStore settings;
    testing::FakeOpener opener;
    TamrelWindow w(ds, WindowServices{messages, settings, nullptr, nullptr, &opener},
                   folder.path().constData());
    QVERIFY(w.Start());
    w.show();
    w.MenuItem("mnuhelpcont")->trigger();
    w.MenuItem("mnuabout")->trigger();
    QVERIFY(w.HelpViewer() && w.HelpViewer()->isVisible());
    bool timedOut = false;
    QTimer::singleShot(50, &w, [&] { w.MenuItem("mnuexit")->trigger(); });
    QTimer::singleShot(5000, qApp, [&] {
      timedOut = true;
      QCoreApplication::exit(1);
    });
    const int rc = QApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(rc, 0);
    QVERIFY(!w.isVisible());
    QVERIFY(messages.shown.isEmpty());
  }

  // The search over the pages: every word, case ignored; nothing for no words.
  void helpSearchMatchesEveryWord() {
    // The pages as the help file holds them.
    const QString help = OpenHelpFile(TAMREL_HELP_FILE);
    QVERIFY(help.startsWith(':'));
    QCOMPARE(OpenHelpFile(TAMREL_HELP_FILE), help);  // read once
    struct Case {
      const char* query;
      QStringList pages;  // at least these
      QStringList notPages;
    };
    const Case cases[] = {
        {"", {}, {"contents.html", "inputs.html"}},
        {"   ", {}, {"inputs.html"}},
        {"TRIPPING", {"inputs.html"}, {"printing.html"}},
        {"tripping printer", {}, {"inputs.html", "printing.html"}},
        {"four Files", {"files.html"}, {"inputs.html"}},
    };
    for (const Case& c : cases) {
      QStringList pages;
      for (const HelpHit& h : SearchHelp(help, c.query)) pages << h.page;
      for (const QString& p : c.pages) QVERIFY2(pages.contains(p), c.query);
      for (const QString& p : c.notPages) QVERIFY2(!pages.contains(p), c.query);
      if (QString(c.query).trimmed().isEmpty()) QVERIFY(pages.isEmpty());
    }
  }

  // Without a readable help file "tamrel.chm" in the program folder
  // nothing opens and nothing is said: no file at all, the loose pages in
  // a folder instead of the file, an empty file, a file that is no help
  // file, a help file cut short.
  void missingOrUnreadableHelpFileShowsNothing() {
    QFile real(TAMREL_HELP_FILE);
    QVERIFY(real.open(QIODevice::ReadOnly));
    const QByteArray cutShort = real.read(64);
    struct Case {
      const char* name;
      const char* helpFile;  // nullptr: none
    };
    const Case cases[] = {
        {"no help file", nullptr},
        {"empty help file", ""},
        {"no help file inside", "<html><body>Contents</body></html>"},
        {"help file cut short", cutShort.constData()},
    };
    for (const Case& c : cases) {
      ProgramFolder folder(false);
      QDir(folder.dir.path()).mkdir("help");
      QFile::copy(QString(TAMREL_SOURCE_DIR) + "/resources/help/contents.html",
                  folder.dir.filePath("help/contents.html"));
      if (c.helpFile != nullptr) {
        QFile file(folder.dir.filePath("tamrel.chm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(c.helpFile == cutShort.constData() ? cutShort : QByteArray(c.helpFile));
      }
      StartedWindow s(folder.path().constData());
      TamrelWindow& w = s.w();
      const int before = int(QApplication::topLevelWidgets().size());
      for (const char* item : {"mnuhelpcont", "mnuindex", "mnuhelpsearch"}) {
        w.MenuItem(item)->trigger();
      }
      QVERIFY2(w.HelpViewer() == nullptr, c.name);
      QCOMPARE(int(QApplication::topLevelWidgets().size()), before);
      QVERIFY(s.messages.shown.isEmpty());
    }
  }

  // The theory manual: Documentation/"Tamrel DNV Theory Manual.pdf" of the
  // program folder, handed to the desktop; no message whatever it answers.
  // Without the manual (no Documentation folder) nothing is opened at all.
  void theoryManualThroughTheOpener() {
    ProgramFolder folder;
    StartedWindow s(folder.path().constData());
    TamrelWindow& w = s.w();
    w.MenuItem("mnuTheory")->trigger();
    QVERIFY(s.opener.opened.isEmpty());
    QVERIFY(QDir(folder.dir.path()).mkdir("Documentation"));
    const QString path = folder.dir.path() + "/Documentation/Tamrel DNV Theory Manual.pdf";
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    w.MenuItem("mnuTheory")->trigger();
    QCOMPARE(s.opener.opened, QList<QUrl>({QUrl::fromLocalFile(path)}));
    s.opener.result = false;
    w.MenuItem("mnuTheory")->trigger();
    s.opener.throws = true;
    w.MenuItem("mnuTheory")->trigger();
    QCOMPARE(s.opener.opened.size(), 3);
    QVERIFY(s.messages.shown.isEmpty());
  }

  // The layout in twips, the texts, the fonts and the title colour.
  void aboutBoxLayoutAndTexts() {
    StartedWindow s;
    AboutBox* box = OpenAbout(s);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->parentWidget(), &s.w());
    QVERIFY(box->isWindow());
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowTitle(), QString("About Tamrel DNV"));
    const ScreenInfo screen = QueryScreen(&s.w());
    const int dx = screen.dpiX, dy = screen.dpiY;
    QCOMPARE(box->size(), QSize(TwipsToPixels(6690, dx), TwipsToPixels(3390, dy)));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(!(box->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(box->windowFlags() & Qt::WindowMaximizeButtonHint));

    const QColor title(0, 85, 152);
    struct Element {
      QWidget* w;
      QRect at;
      const char* text;  // nullptr: a picture or the line
      double points;
      bool bold;
      QColor colour;
    };
    const Element elements[] = {
        {box->ab1, Twips(1440, 180, 4380, 780, dx, dy), "Tamrel DNV", 27.75, true, title},
        {box->ab2, Twips(1485, 900, 5085, 240, dx, dy),
         "Cylinder shell buckling based on DNV-RP-C202", 9.75, false, Qt::black},
        {box->ab3, Twips(1485, 1170, 4635, 540, dx, dy), kAboutVersion, 9.75, false, Qt::black},
        {box->ab4, Twips(2880, 2295, 3675, 270, dx, dy), kAboutFurtherLine, 9.75, false, Qt::black},
        {box->ab5, Twips(2880, 2610, 1515, 225, dx, dy), nullptr, 9.75, false, title},
        {box->ab6, Twips(2880, 2880, 1515, 270, dx, dy), nullptr, 9.75, false, title},
        {box->Picture1, Twips(135, 2205, 2250, 885, dx, dy), nullptr, 0, false, {}},
        {box->Picture5, Twips(315, 495, 750, 750, dx, dy), nullptr, 0, false, {}},
    };
    for (const Element& e : elements) {
      const QByteArray name = e.w->objectName().toLatin1();
      QCOMPARE(e.w->geometry(), e.at);
      auto* label = qobject_cast<QLabel*>(e.w);
      if (label == nullptr) continue;
      if (e.text != nullptr) QCOMPARE(label->text(), QString(e.text));
      QCOMPARE(label->font().family(), QString("Arial"));
      QCOMPARE(label->font().pointSizeF(), e.points);
      QCOMPARE(label->font().bold(), e.bold);
      QVERIFY2(!label->font().underline(), name.constData());
      QCOMPARE(TextColour(label), e.colour);
      // The text fits its label.
      const QSize need = QFontMetrics(label->font()).size(0, label->text());
      QVERIFY2(need.width() <= label->width() && need.height() <= label->height() + 2,
               name.constData());
    }
    QVERIFY(!box->ab5->text().isEmpty());
    QVERIFY(!box->ab6->text().isEmpty());
    QCOMPARE(box->Line1->geometry().top(), TwipsToPixels(1800, dy));
    QVERIFY(box->Line1->geometry().left() <= 0);
    QVERIFY(box->Line1->geometry().right() >= box->width() - 1);
    QCOMPARE(box->font().pointSizeF(), 9.0);
    box->close();
  }

  // Centred on the screen, not on the main window, by its outer frame once
  // the window system shows it framed; one instance: asking again while it
  // is open only shows it again, where it is.
  void aboutBoxCentredAndOnce() {
    StartedWindow s;
    s.w().move(20, 15);
    AboutBox* box = OpenAbout(s);
    const QRect screen = s.w().screen()->geometry();
    const auto centred = [&](const QWidget* w) {
      const QRect frame = w->frameGeometry();
      return std::abs(frame.center().x() - screen.center().x()) <= 1 &&
             std::abs(frame.center().y() - screen.center().y()) <= 1;
    };
    QTRY_VERIFY(centred(box));
    const QRect frame = box->frameGeometry();
    box->move(frame.topLeft() + QPoint(30, 20));
    const QPoint moved = box->pos();
    QCOMPARE(OpenAbout(s), box);
    QCOMPARE(box->pos(), moved);
    QCOMPARE(s.w().findChildren<AboutBox*>().size(), 1);
    // Closed and asked for again: a new box, centred again.
    box->close();
    QTRY_VERIFY(s.w().AboutWindow() == nullptr);
    AboutBox* again = OpenAbout(s);
    QTRY_VERIFY(centred(again));
  }

  // A click on the name, the description, the version line or the icon
  // closes the box; the further line, the logo and the background do not.
  void aboutBoxClicks() {
    struct Case {
      const char* element;
      bool closes;
    };
    const Case cases[] = {{"ab1", true},  {"ab2", true},       {"ab3", true},    {"Picture5", true},
                          {"ab4", false}, {"Picture1", false}, {"about", false}, {"Line1", false}};
    for (const Case& c : cases) {
      StartedWindow s;
      QPointer<AboutBox> box = OpenAbout(s);
      QWidget* target = QString(c.element) == "about"
                            ? static_cast<QWidget*>(box)
                            : box->findChild<QWidget*>(QString(c.element));
      QVERIFY2(target, c.element);
      QPoint at = target->rect().center();
      if (target == box) at = QPoint(box->width() - 4, 4);  // the background
      QTest::mouseClick(target, Qt::LeftButton, {}, at);
      QCOMPARE(Closed(box), c.closes);
      QTest::qWait(20);
      QCOMPARE(s.w().AboutWindow() == nullptr, c.closes);
      QVERIFY(s.messages.shown.isEmpty());
      QVERIFY(s.opener.opened.isEmpty());
    }
  }

  // The links open their addresses; an opener that throws gives the
  // message, one that only answers "no" gives none.
  void aboutBoxLinks() {
    StartedWindow s;
    AboutBox* box = OpenAbout(s);
    QTest::mouseClick(box->ab5, Qt::LeftButton);
    QTest::mouseClick(box->ab6, Qt::LeftButton);
    QCOMPARE(s.opener.opened,
             QList<QUrl>({QUrl("https://example.com/tamrel"), QUrl("mailto:tamrel@example.com")}));
    QVERIFY(s.messages.shown.isEmpty());
    s.opener.result = false;
    QTest::mouseClick(box->ab5, Qt::LeftButton);
    QVERIFY(s.messages.shown.isEmpty());
    s.opener.throws = true;
    QTest::mouseClick(box->ab6, Qt::LeftButton);
    QTest::mouseClick(box->ab5, Qt::LeftButton);
    QCOMPARE(s.messages.shown,
             QStringList({" There was an error when trying to open a default browser ",
                          " There was an error when trying to open a default browser "}));
    QVERIFY(box->isVisible());
  }
};

TAMREL_GUI_TEST(HelpAboutTest);

}  // namespace tamrel

#include "help_about_test.moc"
