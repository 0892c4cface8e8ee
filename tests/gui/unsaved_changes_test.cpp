// Nothing lost without asking: New, Open, a recent-file entry, Exit and the
// window's close box, through the main window's own menu items and close
// event, with a project that has changed since the last New, Open or Save.
// The question names the file; Yes saves first (Save As for a project never
// saved), No goes on, Cancel keeps everything; a save that fails or is
// cancelled stops the command. Nothing is asked when nothing changed,
// whatever the change was made with.

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "dialogs/built_up_dialog.h"
#include "files/project_file.h"
#include "main_window_fixture.h"

namespace tamrel {

using testing::StartedWindow;
using Answer = MessageService::Answer;

namespace {

enum class Command { New, Open, Recent, Exit, CloseBox };

const char* NameOf(Command c) {
  switch (c) {
    case Command::New: return "New";
    case Command::Open: return "Open";
    case Command::Recent: return "recent entry";
    case Command::Exit: return "Exit";
    case Command::CloseBox: return "close box";
  }
  return "";
}

constexpr Command kCommands[] = {Command::New, Command::Open, Command::Recent, Command::Exit,
                                 Command::CloseBox};

QString Question(const QString& file) {
  return "The project has changed. Save the changes to " + file + "?";
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

float SavedRadius(const QString& path) {
  DesignState back;
  SetDefaults(back);
  ReadProjectFile(back, path.toStdString());
  return back.cylr;
}

// The window system's close box: a spontaneous close event to the window.
void ClickCloseBox(TamrelWindow& w) {
  QCloseEvent e;
  QSpontaneKeyEvent::setSpontaneous(&e);
  QCoreApplication::sendEvent(w.windowHandle(), &e);
}

// A started window with two project files: other.tmr, which the commands
// open (and which is in the recent-file list), and mine.tmr in a folder of
// its own, the current project where one has been saved.
struct Session {
  QTemporaryDir dir;
  QString other = dir.filePath("other.tmr");
  QString mine = dir.filePath("sub/mine.tmr");
  StartedWindow s;
  TamrelWindow& w = s.w();

  // saved: mine.tmr is the current project; otherwise a project never saved.
  explicit Session(bool saved) {
    QDir(dir.path()).mkdir("sub");
    DesignState o = s.ds;
    o.mainfrm = nullptr;
    o.proj = "Other";
    o.cylr = 2000.0f;
    WriteProjectFile(o, other.toStdString());
    s.fileDialogs.answers = {other};
    w.MenuItem("mnuopen")->trigger();
    if (saved) {
      s.fileDialogs.answers = {mine};
      w.MenuItem("mnusaveas")->trigger();
    } else {
      w.MenuItem("mnunew")->trigger();
    }
    s.fileDialogs.shown.clear();
    s.messages.asked.clear();
  }

  QString Current() const { return QString::fromStdString(s.ds.filename); }

  void Change() {
    s.Type("icylr", "4000");
    s.LeaveTo("it");
  }

  void Run(Command c) {
    switch (c) {
      case Command::New: w.MenuItem("mnunew")->trigger(); break;
      case Command::Open:
        s.fileDialogs.answers.push_back(other);
        w.MenuItem("mnuopen")->trigger();
        break;
      case Command::Recent:
        for (int i = 1; i <= kRecentFileCount; ++i) {
          QAction* entry = w.mnurecentfile[static_cast<std::size_t>(i)];
          if (entry->isVisible() && entry->text().endsWith(other)) {
            entry->trigger();
            return;
          }
        }
        QFAIL("other.tmr is not in the recent-file list");
        break;
      case Command::Exit: w.MenuItem("mnuexit")->trigger(); break;
      case Command::CloseBox: ClickCloseBox(w); break;
    }
  }

  // The command did its own work after the question.
  bool WentOn(Command c) const {
    switch (c) {
      case Command::New:
        return s.ds.filename == kNewFile && s.ds.cylr == 3333.0f &&
               w.windowTitle() == QLatin1String("Tamrel DNV: New File");
      case Command::Open:
      case Command::Recent: return Current() == other && s.ds.proj == "Other";
      case Command::Exit:
      case Command::CloseBox: return s.programEnded == 1 && !w.isVisible();
    }
    return false;
  }

  // Everything as it was before the command.
  bool Kept(const QString& file) {
    return Current() == file && s.ds.cylr == 4000.0f &&
           s.box("icylr")->text() == QLatin1String("4000") && s.programEnded == 0 &&
           w.isVisible() && w.windowTitle() == "Tamrel DNV: " + file;
  }
};

}  // namespace

class UnsavedChangesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // After Open and Save As, or Open and New, and a box left with the value
  // it held: nothing is asked and every command goes on.
  void nothingIsAskedWhenNothingChanged() {
    for (const Command c : kCommands) {
      for (const bool saved : {false, true}) {
        Session t(saved);
        t.s.Type("icylr", t.s.box("icylr")->text());
        t.s.LeaveTo("it");
        t.Run(c);
        QVERIFY2(t.s.messages.asked.isEmpty(), NameOf(c));
        QVERIFY2(t.WentOn(c), NameOf(c));
        QVERIFY(t.s.messages.shown.isEmpty());
      }
    }
  }

  void noGoesOnWithoutSaving() {
    for (const Command c : kCommands) {
      Session t(/*saved=*/true);
      const QByteArray before = Bytes(t.mine);
      t.Change();
      t.s.messages.answers = {Answer::No};
      t.Run(c);
      QCOMPARE(t.s.messages.asked, QStringList({Question(t.mine)}));
      QVERIFY2(t.WentOn(c), NameOf(c));
      QCOMPARE(Bytes(t.mine), before);
    }
  }

  void cancelKeepsEverything() {
    for (const Command c : kCommands) {
      for (const bool saved : {false, true}) {
        Session t(saved);
        const QString file = t.Current();
        const QByteArray before = Bytes(t.mine);
        t.Change();
        t.s.messages.answers = {Answer::Cancel};
        t.Run(c);
        QCOMPARE(t.s.messages.asked, QStringList({Question(saved ? t.mine : "New File")}));
        QVERIFY2(t.Kept(file), NameOf(c));
        QVERIFY2(t.s.fileDialogs.shown.empty(), NameOf(c));  // not even the open dialog
        QCOMPARE(Bytes(t.mine), before);
      }
    }
  }

  // Yes saves in place, without a dialog, then the command goes on.
  void yesSavesTheProjectFirst() {
    for (const Command c : kCommands) {
      Session t(/*saved=*/true);
      t.Change();
      t.s.messages.answers = {Answer::Yes};
      t.Run(c);
      QCOMPARE(t.s.messages.asked, QStringList({Question(t.mine)}));
      QCOMPARE(SavedRadius(t.mine), 4000.0f);
      QVERIFY2(t.WentOn(c), NameOf(c));
      QVERIFY(t.s.messages.shown.isEmpty());
      if (c != Command::Open) QVERIFY(t.s.fileDialogs.shown.empty());
    }
  }

  // A project never saved: Yes asks for a name first; cancelling that
  // dialog stops the command with the project kept.
  void yesOnAProjectNeverSavedAsksForAName() {
    for (const Command c : kCommands) {
      Session t(/*saved=*/false);
      const QString fresh = t.dir.filePath("fresh.tmr");
      t.Change();
      t.s.messages.answers = {Answer::Yes};
      t.s.fileDialogs.answers = {fresh};
      t.Run(c);
      QCOMPARE(t.s.messages.asked, QStringList({Question("New File")}));
      QVERIFY(!t.s.fileDialogs.shown.empty());
      QVERIFY(t.s.fileDialogs.shown[0].save);
      QCOMPARE(SavedRadius(fresh), 4000.0f);
      QVERIFY2(t.WentOn(c), NameOf(c));
    }
    for (const Command c : kCommands) {
      Session t(/*saved=*/false);
      t.Change();
      t.s.messages.answers = {Answer::Yes};
      t.s.fileDialogs.answers = {QString()};  // cancelled
      t.Run(c);
      QCOMPARE(t.s.fileDialogs.shown.size(), std::size_t(1));
      QVERIFY(t.s.fileDialogs.shown[0].save);
      QVERIFY2(t.Kept("New File"), NameOf(c));
    }
  }

  // Yes, and the project's file cannot be written (its folder is gone):
  // the save says so and the command stops with the project kept.
  void yesWithAFailingSaveStopsTheCommand() {
    for (const Command c : kCommands) {
      Session t(/*saved=*/true);
      t.Change();
      QVERIFY(QDir(t.dir.filePath("sub")).removeRecursively());
      t.s.messages.answers = {Answer::Yes};
      t.Run(c);
      QCOMPARE(t.s.messages.asked, QStringList({Question(t.mine)}));
      QCOMPARE(t.s.messages.shown, QStringList({"can't save file - " + t.mine}));
      QVERIFY2(t.Kept(t.mine), NameOf(c));
      // Asked again next time: the changes are still unsaved.
      t.s.messages.answers = {Answer::Cancel};
      t.Run(c);
      QCOMPARE(t.s.messages.asked.size(), 2);
    }
  }

  // Whatever the change is made with, the project has changed; a value
  // still being typed counts, and Yes saves it.
  void everyKindOfChangeCounts() {
    struct Case {
      const char* name;
      std::function<void(Session&)> change;
    };
    const Case cases[] = {
        {"typed and left", [](Session& t) { t.Change(); }},
        {"typed, still in the box", [](Session& t) { t.s.Type("icylr", "4000"); }},
        {"project name", [](Session& t) { t.s.Type("iproj", "Silo 2"); }},
        {"plate material list",
         [](Session& t) {
           QComboBox* list = t.w.cbofyp;
           list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
           emit list->activated(list->currentIndex());
         }},
        {"cylinder type option", [](Session& t) { t.w.cylinder3->click(); }},
        {"ring-frame control", [](Session& t) { t.w.ring_ch->click(); }},
        {"built-up dialog",
         [](Session& t) {
           t.w.MenuItem("mnustiffib")->trigger();  // the stiffener's type becomes I built-up
           QVERIFY(t.s.DialogFilled(Member::Stiffener, kIBuiltUp));
         }},
    };
    for (const Case& k : cases) {
      Session t(/*saved=*/true);
      const QByteArray before = Bytes(t.mine);
      k.change(t);
      QByteArray atQuestion;
      t.s.messages.onAsk = [&](const QString&) {
        atQuestion = QByteArray::fromStdString(ProjectFileText(t.s.ds));
      };
      t.s.messages.answers = {Answer::Yes};
      t.w.MenuItem("mnunew")->trigger();
      QVERIFY2(t.s.messages.asked.size() == 1, k.name);
      QVERIFY2(atQuestion != before, k.name);
      QVERIFY2(Bytes(t.mine) == atQuestion, k.name);  // what was asked about was saved
      QVERIFY2(t.WentOn(Command::New), k.name);
    }
  }

  // A number typed into a section dialog's box and not yet left is a
  // change: before New, Exit or the close box ask, it goes through the
  // box's leave check. Passed, it counts and Yes saves it; failed, its
  // message stops the command with the number stored and the focus back in
  // its box.
  void aNumberTypedInASectionDialogCounts() {
    struct Case {
      Command command;
      const char* typed;
      bool passes;
    };
    const Case cases[] = {
        {Command::New, "260", true}, {Command::Exit, "260", true}, {Command::CloseBox, "260", true},
        {Command::New, "3", false},  {Command::Exit, "3", false},  {Command::CloseBox, "3", false},
    };
    for (const Case& c : cases) {
      const QString name = QString("%1 after H = %2").arg(NameOf(c.command)).arg(c.typed);
      Session t(/*saved=*/true);
      t.w.MenuItem("mnustiffrhs")->trigger();
      QVERIFY(t.s.DialogFilled(Member::Stiffener, kRHS));
      t.w.MenuItem("mnusave")->trigger();  // the box-profile stiffener is the saved project
      const QByteArray before = Bytes(t.mine);
      auto* d =
          static_cast<BuiltUpDialog*>(t.w.SectionDialogSet().Existing(Member::Stiffener, kRHS));
      QWidget* dialog = d->Window();
      QLineEdit* isth = d->Box(Quantity::H);
      const double shown = t.s.ds.stiffrhs_h.value();
      // The user clicks into H and types, then goes to the main window's menu.
      dialog->activateWindow();
      QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
      isth->setFocus(Qt::MouseFocusReason);
      isth->selectAll();
      QTest::keyClicks(isth, c.typed);
      t.w.activateWindow();
      QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &t.w; }));
      QCOMPARE(t.s.ds.stiffrhs_h.value(), shown);  // not yet stored
      t.s.messages.answers = {Answer::Yes};
      t.Run(c.command);
      if (c.passes) {
        QVERIFY2(t.s.messages.shown.isEmpty(), qPrintable(name));
        QVERIFY2(t.s.messages.asked == QStringList({Question(t.mine)}), qPrintable(name));
        QVERIFY2(t.WentOn(c.command), qPrintable(name));
        DesignState back;
        SetDefaults(back);
        ReadProjectFile(back, t.mine.toStdString());
        QVERIFY2(back.stifftype == kRHS && back.stiffrhs_h.value() == 260.0, qPrintable(name));
      } else {
        QVERIFY2(t.s.messages.shown == QStringList({" H >= 5 "}), qPrintable(name));
        QVERIFY2(t.s.messages.asked.isEmpty(), qPrintable(name));
        QVERIFY2(t.s.programEnded == 0 && t.w.isVisible(), qPrintable(name));
        QVERIFY2(t.Current() == t.mine && t.s.ds.stifftype == kRHS, qPrintable(name));
        QCOMPARE(t.s.ds.stiffrhs_h.value(), 3.0);  // stored, as leaving the box stores it
        QCOMPARE(t.w.binder().Entered(dialog), isth);
        QCOMPARE(Bytes(t.mine), before);
      }
    }
  }
};

TAMREL_GUI_TEST(UnsavedChangesTest);

}  // namespace tamrel

#include "unsaved_changes_test.moc"
