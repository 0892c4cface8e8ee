#pragma once
// A started main window over its own design state, with a recording
// message service, an in-memory settings store and desktop services that
// answer at once: file dialogs with queued answers, a printer dialog that
// prints to a PDF file, an opener that records what it was asked to open
// and an end of the program that is only counted.

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "calc/design_state.h"
#include "dialogs/built_up_dialog.h"
#include "dialogs/section_dialog.h"
#include "files/memory_settings_store.h"
#include "gui_support.h"
#include "mainwindow/tamrel_window.h"
#include "platform/document_opener.h"
#include "platform/file_dialog.h"
#include "platform/picture_box.h"
#include "report_support.h"

namespace tamrel::testing {

// File dialogs that answer from a queue (nothing queued, or an empty
// answer: cancelled) and keep what they were asked.
class FakeFileDialogs : public FileDialogService {
 public:
  struct Shown {
    bool save;
    FileDialogRequest request;
  };
  std::vector<Shown> shown;
  std::deque<QString> answers;
  // Runs while the dialog is shown, before it answers.
  std::function<void()> onShow;

  std::optional<QString> OpenFile(QWidget* /*owner*/, const FileDialogRequest& r) override {
    return Answer(false, r);
  }
  std::optional<QString> SaveFile(QWidget* /*owner*/, const FileDialogRequest& r) override {
    return Answer(true, r);
  }

 private:
  std::optional<QString> Answer(bool save, const FileDialogRequest& r) {
    shown.push_back({save, r});
    if (onShow) onShow();
    if (answers.empty()) return std::nullopt;
    const QString a = answers.front();
    answers.pop_front();
    if (a.isEmpty()) return std::nullopt;
    return a;
  }
};

// Records the addresses; can report failure or throw.
class FakeOpener : public DocumentOpener {
 public:
  QList<QUrl> opened;
  bool result = true;
  bool throws = false;
  bool Open(const QUrl& address) override {
    opened.push_back(address);
    if (throws) throw std::runtime_error("no program for this address");
    return result;
  }
};

struct StartedWindow {
  DesignState ds;
  RecordingMessages messages;
  MemorySettingsStore settings;
  FakeFileDialogs fileDialogs;
  PdfPrinterDialog printer;
  FakeOpener opener;
  int programEnded = 0;
  std::unique_ptr<TamrelWindow> window;
  bool started = false;
  bool active = false;

  explicit StartedWindow(const char* dataDir = TAMREL_DATA_DIR, bool show = true) {
    window = std::make_unique<TamrelWindow>(
        ds,
        WindowServices{messages, settings, &fileDialogs, &printer, &opener,
                       [this] {
                         ++programEnded;
                         TamrelWindow::EndProgram();
                       }},
        dataDir);
    started = window->Start();
    if (started && show) {
      window->show();
      window->activateWindow();
      active = QTest::qWaitForWindowActive(window.get());
    }
  }
  ~StartedWindow() {
    window.reset();
    // The end of the program told every event loop to end, and so would
    // every modal window opened after it in this test run, at once: only
    // the application's own loop, run and ended, takes that back.
    if (programEnded > 0) {
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
      QCoreApplication::exec();
    }
  }

  TamrelWindow& w() { return *window; }
  QLineEdit* box(const char* name) { return window->field(name); }

  // The user enters a box, types a text over its selection and leaves with Tab.
  void Type(const char* name, const QString& text) {
    QLineEdit* b = box(name);
    b->setFocus(Qt::MouseFocusReason);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
  }
  void Enter(const char* name) { box(name)->setFocus(Qt::MouseFocusReason); }
  // Moves the focus to another box, as a click on it would.
  void LeaveTo(const char* name) { box(name)->setFocus(Qt::MouseFocusReason); }

  // Waits until the section dialog of a member's code has been activated
  // and has filled itself (its activation recalculates), then brings the
  // main window back to the front as the user's click would.
  bool DialogFilled(Member member, int code) {
    const bool filled = QTest::qWaitFor([&] {
      const SectionDialog* d = window->SectionDialogSet().Existing(member, code);
      return d != nullptr && d->Filled();
    });
    window->activateWindow();
    const bool back = QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); });
    QCoreApplication::processEvents();
    return filled && back;
  }

  // The user clicks into a box of an open built-up dialog, types over its
  // text and goes back to the main window (to its menu bar): the number
  // stands in the box, not yet committed. The box; nullptr when the dialog
  // is not open or a window did not become active.
  QLineEdit* TypeInDialog(Member member, int code, Quantity q, const QString& text) {
    auto* d = dynamic_cast<BuiltUpDialog*>(window->SectionDialogSet().Existing(member, code));
    if (d == nullptr || !d->Loaded()) return nullptr;
    QWidget* dialog = d->Window();
    QLineEdit* typed = d->Box(q);
    dialog->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; })) return nullptr;
    typed->setFocus(Qt::MouseFocusReason);
    typed->selectAll();
    QTest::keyClicks(typed, text);
    window->activateWindow();
    const bool back = QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); });
    return back ? typed : nullptr;
  }
};

// A default locale for the lifetime of a test.
struct LocaleScope {
  QLocale saved;
  explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocaleScope() { QLocale::setDefault(saved); }
};

}  // namespace tamrel::testing
