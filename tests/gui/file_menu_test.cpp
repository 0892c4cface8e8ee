// The File menu through the main window, with file dialogs that answer at
// once: what the dialogs are asked, a project's round trip through Save,
// New and Open, Save As, the recent-file entries (also of a deleted file),
// cancelled dialogs and a file that cannot be read.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "files/project_file.h"
#include "main_window_fixture.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

QString Folder(const QString& path) {
  return path.left(path.lastIndexOf('/') + 1);
}

QStringList RecentCaptions(TamrelWindow& w) {
  QStringList captions;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    QAction* a = w.mnurecentfile[static_cast<std::size_t>(i)];
    if (a->isVisible()) captions << a->text();
  }
  return captions;
}

bool Loaded(TamrelWindow& w, Member m, int code) {
  const SectionDialog* d = w.SectionDialogSet().Existing(m, code);
  return d != nullptr && d->Loaded();
}

}  // namespace

class FileMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // Save of a new project asks for a name; New names the new file; Open
  // reads the project back into every box and closes the section dialogs.
  void roundTripOfAProjectThroughTheWindow() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("silo.tmr");
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    s.Type("icylr", "2500");
    s.LeaveTo("it");
    s.Type("iproj", "Silo 7");  // still in its box: Save takes it from there
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnusave")->trigger();
    QCOMPARE(s.fileDialogs.shown.size(), std::size_t(1));
    const FileDialogRequest& saveAsked = s.fileDialogs.shown[0].request;
    QVERIFY(s.fileDialogs.shown[0].save);
    QCOMPARE(saveAsked.directory, QString());  // where its last use left it
    QCOMPARE(saveAsked.fileName, QString("*.tmr"));
    QCOMPARE(saveAsked.filter, QString("*.tmr"));
    QCOMPARE(saveAsked.defaultSuffix, QString("tmr"));
    QVERIFY(QFile::exists(p1));
    QCOMPARE(w.windowTitle(), "Tamrel DNV: " + p1);
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1}));
    QVERIFY(w.mnurecentfile[0]->isVisible());
    QCOMPARE(QString::fromStdString(s.ds.lastdir), Folder(p1));

    // New: the defaults, and the caption names the new project.
    w.MenuItem("mnunew")->trigger();
    QCOMPARE(s.ds.filename, std::string("New File"));
    QCOMPARE(s.box("icylr")->text(), QString("3333"));
    QCOMPARE(s.box("iproj")->text(), QString("Project"));  // the default name
    QCOMPARE(w.windowTitle(), QString("Tamrel DNV: New File"));

    // Open, with a built-up dialog open: it is closed.
    w.MenuItem("mnustifftb")->trigger();
    QVERIFY(s.DialogFilled(Member::Stiffener, kTBuiltUp));
    s.fileDialogs.answers = {p1};
    const int drawings = w.ResultDrawings();
    w.MenuItem("mnuopen")->trigger();
    const FileDialogRequest& openAsked = s.fileDialogs.shown[1].request;
    QVERIFY(!s.fileDialogs.shown[1].save);
    QCOMPARE(openAsked.directory, Folder(p1));
    QCOMPARE(openAsked.fileName, QString("*.tmr"));
    QCOMPARE(s.ds.filename, p1.toStdString());
    QCOMPARE(s.ds.cylr, 2500.0f);
    QCOMPARE(s.box("icylr")->text(), QString("2500"));
    QCOMPARE(s.box("iproj")->text(), QString("Silo 7"));
    QCOMPARE(w.windowTitle(), "Tamrel DNV: " + p1);
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1}));
    QVERIFY(!Loaded(w, Member::Stiffener, kTBuiltUp));
    QVERIFY(w.ResultDrawings() > drawings);
    QVERIFY(s.messages.shown.isEmpty());

    // Save of a project read from a file: in place, no dialog, list untouched.
    s.Type("iident", "rev B");
    w.MenuItem("mnusave")->trigger();
    QCOMPARE(s.fileDialogs.shown.size(), std::size_t(2));
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1}));
    w.MenuItem("mnunew")->trigger();
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnuopen")->trigger();
    QCOMPARE(s.box("iident")->text(), QString("rev B"));
  }

  // The open dialog is still in front while the project is read and the
  // window refilled (its closing reaches the window later, as on X11). The
  // box the user was in, hidden by the project's cylinder type, is not
  // committed when the window is active again: that would store its
  // rounded text into the project just read and report on a box not shown.
  void openWhileTheDialogIsInFrontCommitsNoHiddenBox() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("column.tmr");
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    {
      DesignState file = s.ds;
      file.mainfrm = nullptr;
      file.cyltype = kColumnBuckling;
      file.stiffspacing = Variant(5.4f);
      WriteProjectFile(file, p1.toStdString());
    }
    s.Enter("is1");
    QWidget dialog;
    bool dialogActive = false;
    s.fileDialogs.onShow = [&] {
      dialog.show();
      dialog.activateWindow();
      dialogActive = QTest::qWaitForWindowActive(&dialog);
    };
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnuopen")->trigger();
    QVERIFY(dialogActive);
    QCOMPARE(s.ds.cyltype, std::int16_t(kColumnBuckling));
    QVERIFY(!s.box("is1")->isVisibleTo(&w));
    dialog.hide();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    s.LeaveTo("ik1");
    QCoreApplication::processEvents();
    QVERIFY2(s.messages.shown.isEmpty(), qPrintable(s.messages.shown.join('|')));
    QCOMPARE(s.ds.stiffspacing.value(), static_cast<double>(5.4f));
  }

  // Opening a project while a built-up dialog of its stiffener type is open:
  // the dialog closes without writing the previous project's dimensions into
  // the set just read, so the project is calculated as the file holds it.
  void openWithABuiltUpDialogOfTheProjectsTypeKeepsTheFile() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("tee.tmr");
    StartedWindow s;
    TamrelWindow& w = s.w();
    {
      DesignState file = s.ds;
      file.mainfrm = nullptr;
      file.stifftype = kTBuiltUp;
      file.hs = Variant::Int(260), file.bs = Variant::Int(110), file.tws = Variant::Int(11);
      file.tfs = 15;
      WriteProjectFile(file, p1.toStdString());
    }
    w.MenuItem("mnustifftb")->trigger();
    QVERIFY(s.DialogFilled(Member::Stiffener, kTBuiltUp));
    QCOMPARE(s.ds.stifftb_h.value(), 200.0);  // the dialog shows the defaults
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnuopen")->trigger();
    QVERIFY(!Loaded(w, Member::Stiffener, kTBuiltUp));
    QCOMPARE(s.ds.stifftype, std::int16_t(kTBuiltUp));
    QCOMPARE(s.ds.stifftb_h.value(), 260.0);
    QCOMPARE(s.ds.stifftb_tf, 15.0f);
    QCOMPARE(s.ds.hs.value(), 260.0);  // the section computed from the set read
    QCOMPARE(s.ds.tfs, 15.0f);
    QVERIFY(s.messages.shown.isEmpty());
  }

  // A number still being typed when Save is chosen from the menu is
  // committed first (a menu is no leave): the file holds what the box shows,
  // the box keeps the focus, and an edited range warning is shown once.
  void saveCommitsTheNumberStillBeingTyped() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("typed.tmr");
    StartedWindow s;
    TamrelWindow& w = s.w();
    s.Type("icylr", "2750");
    QCOMPARE(s.ds.cylr, 3333.0f);  // not yet committed
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnusave")->trigger();
    QCOMPARE(s.ds.cylr, 2750.0f);
    QCOMPARE(s.box("icylr")->text(), QString("2750"));
    QVERIFY(s.box("icylr")->hasFocus());
    DesignState back = s.ds;
    ReadProjectFile(back, p1.toStdString());
    QCOMPARE(back.cylr, 2750.0f);

    // Unedited: Save commits nothing (no second recalculation, no message).
    const int drawings = w.ResultDrawings();
    w.MenuItem("mnusave")->trigger();
    QCOMPARE(w.ResultDrawings(), drawings);

    // An edited value out of range warns as leaving the box would, and is saved.
    s.Type("it", "0.05");
    w.MenuItem("mnusave")->trigger();
    QCOMPARE(s.messages.shown, QStringList({" 0.1 <= t "}));
    ReadProjectFile(back, p1.toStdString());
    QCOMPARE(back.cylt.value(), static_cast<double>(0.05f));
  }

  // A number typed into a box of an open section dialog and not yet left
  // is committed before Save and Save As write, through the box's leave
  // check: passed, the file holds it; failed, its message stops the command
  // before any file dialog, the file stays byte for byte as it was and the
  // focus is back in the box.
  void saveCommitsANumberTypedInASectionDialog() {
    struct Case {
      const char* command;
      Member member;
      int code;
      const char* dialogItem;
      Variant DesignState::*h;
      const char* typed;
      bool passes;
    };
    const Case cases[] = {
        {"mnusave", Member::Stiffener, kTBuiltUp, "mnustifftb", &DesignState::stifftb_h, "290",
         true},
        {"mnusaveas", Member::Stiffener, kTBuiltUp, "mnustifftb", &DesignState::stifftb_h, "290",
         true},
        {"mnusave", Member::RingFrame, kRHS, "mnugirdrhs", &DesignState::girdrhs_h, "290", true},
        {"mnusaveas", Member::RingFrame, kRHS, "mnugirdrhs", &DesignState::girdrhs_h, "290", true},
        {"mnusave", Member::Stiffener, kTBuiltUp, "mnustifftb", &DesignState::stifftb_h, "3",
         false},
        {"mnusaveas", Member::RingFrame, kRHS, "mnugirdrhs", &DesignState::girdrhs_h, "3", false},
    };
    for (const Case& c : cases) {
      const QString name = QString("%1, %2 H = %3").arg(c.command, c.dialogItem, c.typed);
      QTemporaryDir dir;
      const QString p1 = dir.filePath("typed.tmr");
      StartedWindow s;
      TamrelWindow& w = s.w();
      // The member in use: the stiffener of the default stringer-stiffened
      // cylinder, the ring frame of a ring-stiffened one.
      if (c.member == Member::RingFrame) w.cylinder1->click();
      w.MenuItem(c.dialogItem)->trigger();
      QVERIFY2(s.DialogFilled(c.member, c.code), qPrintable(name));
      s.fileDialogs.answers = {p1};
      w.MenuItem("mnusaveas")->trigger();  // the dialog's type is the saved project
      const QByteArray before = [&] {
        QFile f(p1);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
      }();
      QVERIFY2(!before.isEmpty(), qPrintable(name));
      const double shown = (s.ds.*c.h).value();
      QLineEdit* box = s.TypeInDialog(c.member, c.code, Quantity::H, c.typed);
      QVERIFY2(box != nullptr, qPrintable(name));
      QCOMPARE((s.ds.*c.h).value(), shown);  // not yet stored
      const std::size_t dialogs = s.fileDialogs.shown.size();
      s.fileDialogs.answers = {p1};  // Save As: the same file
      w.MenuItem(c.command)->trigger();
      QFile f(p1);
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QByteArray after = f.readAll();
      if (c.passes) {
        QVERIFY2(s.messages.shown.isEmpty(), qPrintable(s.messages.shown.join('|')));
        DesignState back;
        SetDefaults(back);
        ReadProjectFile(back, p1.toStdString());
        QVERIFY2((back.*c.h).value() == 290.0, qPrintable(name));
        QVERIFY2((c.member == Member::Stiffener ? back.stifftype : back.ringtype) == c.code,
                 qPrintable(name));
        QVERIFY2(after != before, qPrintable(name));
      } else {
        QVERIFY2(s.messages.shown == QStringList({" H >= 5 "}),
                 qPrintable(name + ": " + s.messages.shown.join('|')));
        QVERIFY2(s.fileDialogs.shown.size() == dialogs, qPrintable(name));
        QVERIFY2(after == before, qPrintable(name));
        QCOMPARE(w.binder().Entered(box->window()), static_cast<QWidget*>(box));
      }
    }
  }

  // Save As proposes the current path and starts in the last folder; a new
  // path goes to the front of the list, the current one leaves it alone.
  void saveAsAndRecentEntries() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("one.tmr");
    const QString p2 = dir.filePath("two.tmr");
    StartedWindow s;
    TamrelWindow& w = s.w();
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnusaveas")->trigger();
    QCOMPARE(s.fileDialogs.shown[0].request.fileName, QString("New File"));
    QCOMPARE(s.fileDialogs.shown[0].request.directory, QString(TAMREL_DATA_DIR));
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnusaveas")->trigger();  // the same path: list untouched
    QCOMPARE(s.fileDialogs.shown[1].request.fileName, p1);
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1}));
    s.Type("icylr", "4000");
    s.LeaveTo("it");
    s.fileDialogs.answers = {p2};
    w.MenuItem("mnusaveas")->trigger();
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p2, "2. " + p1}));
    QCOMPARE(w.windowTitle(), "Tamrel DNV: " + p2);

    // Entry 2 while p2 is current: p1 is read and moves to the front.
    w.mnurecentfile[2]->trigger();
    QCOMPARE(s.ds.filename, p1.toStdString());
    QCOMPARE(s.ds.cylr, 3333.0f);
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1, "2. " + p2}));
    QCOMPARE(w.windowTitle(), "Tamrel DNV: " + p1);
    // Entry 1, the current project: read again, the list unchanged.
    w.mnurecentfile[1]->trigger();
    QCOMPARE(RecentCaptions(w), QStringList({"1. " + p1, "2. " + p2}));
    w.mnurecentfile[2]->trigger();
    QCOMPARE(s.ds.cylr, 4000.0f);
    QCOMPARE(s.box("icylr")->text(), QString("4000"));
    QCOMPARE(QString::fromStdString(s.ds.lastdir), Folder(p2));
    QVERIFY(s.messages.shown.isEmpty());
    // The list lives in the settings store.
    QCOMPARE(s.settings.GetSetting("Tamrel DNV", "Recent Files", "RecentFile1"), p2.toStdString());
  }

  // Save As of a project never saved, through the desktop's save dialog:
  // it opens in the folder offered (the program directory, at start-up)
  // with "New File" in its name field, and Enter at once saves
  // "New File.tmr" there.
  void saveAsOfANewProjectProposesNewFileInTheDesktopsDialog() {
    QTemporaryDir programDir;  // with the five tables, as installed
    for (const QFileInfo& table : QDir(TAMREL_DATA_DIR).entryInfoList({"*.dat"}, QDir::Files)) {
      QVERIFY(QFile::copy(table.filePath(), programDir.filePath(table.fileName())));
    }
    const QByteArray folder = QFile::encodeName(programDir.path());
    StartedWindow s(folder.constData());
    QVERIFY(s.started);
    TamrelWindow& w = s.w();
    QtFileDialogService desktop;
    QString offeredFolder, nameField;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
      if (name == nullptr || !name->hasFocus()) return;
      poll.stop();
      offeredFolder = dialog->directory().absolutePath();
      nameField = name->text();
      QTest::keyClick(name, Qt::Key_Return);
      if (dialog->isVisible()) dialog->reject();  // Enter saved nothing
    });
    s.fileDialogs.onShow = [&] {
      poll.start(20);
      const std::optional<QString> chosen =
          desktop.SaveFile(&w, s.fileDialogs.shown.back().request);
      s.fileDialogs.answers = {chosen.value_or(QString())};
    };
    w.MenuItem("mnusaveas")->trigger();
    poll.stop();
    const QString saved = QDir(programDir.path()).filePath("New File.tmr");
    QCOMPARE(nameField, QString("New File"));
    QCOMPARE(offeredFolder, QDir(programDir.path()).absolutePath());
    QCOMPARE(QString::fromStdString(s.ds.filename), saved);
    QVERIFY(QFile::exists(saved));
    QCOMPARE(w.windowTitle(), "Tamrel DNV: " + saved);
    QVERIFY(s.messages.shown.isEmpty());
  }

  // A project whose usage-factor line holds a number beyond single
  // precision: the window holds it as an infinite single, shows "n/a" in the
  // box and on the page, and no usage factor is drawn green, on screen or on
  // paper, whatever it is.
  void usageFactorBeyondSinglePrecisionIsNeverGreen() {
    QTemporaryDir dir;
    // (An infinite line itself is no project content:
    // nonFiniteNumberLinesAreRefused.)
    for (const char* line : {"1E+300", "-1E+300"}) {
      const QString path = dir.filePath("uf.tmr");
      StartedWindow s;
      TamrelWindow& w = s.w();
      {
        DesignState file = s.ds;
        file.mainfrm = nullptr;
        file.cyltype = kRingStiffened;
        file.ring = 1;
        WriteProjectFile(file, path.toStdString());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        lines[10] = QByteArray(line) + "\r";  // line 11: UF
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join('\n'));
        f.close();
      }
      s.fileDialogs.answers = {path};
      w.MenuItem("mnuopen")->trigger();
      QVERIFY2(s.messages.shown.isEmpty(), line);
      QVERIFY(!std::isfinite(s.ds.UF.value()));
      QCOMPARE(s.box("iufb")->text(), QString("n/a"));
      const QColor green = PictureBox::PaletteColour(Colour::Green);
      const QColor red = PictureBox::PaletteColour(Colour::Red);
      int coloured = 0;
      for (const PictureBox* pic : {w.pic30, w.pic32}) {
        for (const PictureBox::Item& item : pic->Items()) {
          QVERIFY2(item.colour != green, qPrintable(QString(line) + ": " + item.text));
          if (item.colour == red) ++coloured;
        }
      }
      QCOMPARE(coloured, 3);  // shell, ring area, ring inertia
      testing::DrawnPage page(s.ds);
      int printed = 0;
      for (const ReportPage::Item& item : page.items()) {
        QVERIFY2(item.colour != QColor(0, 128, 0), qPrintable(QString(line) + ": " + item.text));
        if (item.colour == QColor(128, 0, 0)) ++printed;
      }
      QCOMPARE(printed, 3);
      QVERIFY(page.TextStarting(" <= n/a") != nullptr);
    }
  }

  // A project file whose single line (34, cylr) or variant line (11, UF)
  // holds an infinity or a NaN in any spelling: Open shows one message that
  // names the line, and the open project, its boxes, its name and the caption
  // stay as they were.
  void nonFiniteNumberLinesAreRefused() {
    QTemporaryDir dir;
    StartedWindow s;
    TamrelWindow& w = s.w();
    const QString opened = dir.filePath("opened.tmr");
    s.Type("icylr", "1500");
    s.LeaveTo("it");
    s.fileDialogs.answers = {opened};
    w.MenuItem("mnusaveas")->trigger();
    QVERIFY(s.messages.shown.isEmpty());
    const std::string before = ProjectFileText(s.ds);
    const QList<QByteArray> good = [&] {
      QFile f(opened);
      return f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
    }();
    QVERIFY(good.size() >= 59);
    struct Line {
      int n;
      const char* name;
    };
    for (const Line line : {Line{34, "cylr"}, Line{11, "UF"}}) {
      for (const char* text :
           {"NaN", "nan", "-NAN", "nan(7)", "INF", "-inf", "+Infinity", "-INFINITY", "infinity"}) {
        const QString what = QString("line %1: %2").arg(line.n).arg(text);
        QList<QByteArray> lines = good;
        lines[line.n - 1] = QByteArray(text) + "\r";
        const QString damaged = dir.filePath("damaged.tmr");
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join('\n'));
        f.close();
        s.messages.shown.clear();
        s.fileDialogs.answers = {damaged};
        w.MenuItem("mnuopen")->trigger();
        QVERIFY2(s.messages.shown.size() == 1, qPrintable(what));
        const QString expected = QString(", line %1 (%2): ").arg(line.n).arg(line.name);
        QVERIFY2(s.messages.shown[0].contains(expected),
                 qPrintable(what + " " + s.messages.shown[0]));
        QVERIFY2(ProjectFileText(s.ds) == before, qPrintable(what));
        QCOMPARE(s.ds.filename, opened.toStdString());
        QCOMPARE(w.windowTitle(), "Tamrel DNV: " + opened);
        QCOMPARE(s.box("icylr")->text(), QString("1500"));
      }
    }
  }

  // A recent entry whose file has gone: the message with its path; the
  // program and the project go on as they were.
  void recentEntryOfADeletedFile() {
    QTemporaryDir dir;
    const QString p1 = dir.filePath("gone.tmr");
    StartedWindow s;
    TamrelWindow& w = s.w();
    s.fileDialogs.answers = {p1};
    w.MenuItem("mnusave")->trigger();
    w.MenuItem("mnunew")->trigger();
    s.Type("icylr", "1500");
    s.LeaveTo("it");
    QVERIFY(QFile::remove(p1));
    w.mnurecentfile[1]->trigger();
    QCOMPARE(s.messages.shown, QStringList({"can't find file - " + p1}));
    QCOMPARE(s.ds.cylr, 1500.0f);
    QCOMPARE(s.box("icylr")->text(), QString("1500"));
    QVERIFY(w.isVisible());
    s.messages.shown.clear();
    w.cylinder1->click();  // still working
    QCOMPARE(s.ds.cyltype, std::int16_t(kRingStiffened));
    QVERIFY(s.messages.shown.isEmpty());
  }

  // A cancelled dialog does nothing; a file that cannot be read leaves the
  // current project, its name and the caption as they were.
  void cancelledDialogsAndAnUnreadableFile() {
    QTemporaryDir dir;
    StartedWindow s;
    TamrelWindow& w = s.w();
    for (const char* item : {"mnuopen", "mnusave", "mnusaveas"}) {
      w.MenuItem(item)->trigger();
    }
    QCOMPARE(s.fileDialogs.shown.size(), std::size_t(3));
    QCOMPARE(w.windowTitle(), QString("Tamrel DNV: New File"));
    QVERIFY(RecentCaptions(w).isEmpty());
    QVERIFY(s.messages.shown.isEmpty());

    const QString bad = dir.filePath("bad.tmr");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is no project\n");
    f.close();
    s.fileDialogs.answers = {bad};
    w.MenuItem("mnuopen")->trigger();
    QCOMPARE(s.messages.shown.size(), 1);
    QCOMPARE(s.ds.filename, std::string("New File"));
    QCOMPARE(w.windowTitle(), QString("Tamrel DNV: New File"));
    QVERIFY(RecentCaptions(w).isEmpty());
    QCOMPARE(s.box("icylr")->text(), QString("3333"));

    const QString missing = dir.filePath("missing.tmr");
    s.fileDialogs.answers = {missing};
    w.MenuItem("mnuopen")->trigger();
    QCOMPARE(s.messages.shown.back(), "can't find file - " + missing);
    QCOMPARE(s.ds.filename, std::string("New File"));
  }
};

TAMREL_GUI_TEST(FileMenuTest);

}  // namespace tamrel

#include "file_menu_test.moc"
