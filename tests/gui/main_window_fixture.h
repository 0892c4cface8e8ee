#pragma once
// A started main window over its own design state, with a recording
// message service and an in-memory settings store.

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

#include "calc/design_state.h"
#include "dialogs/section_dialog.h"
#include "files/memory_settings_store.h"
#include "gui_support.h"
#include "mainwindow/tamrel_window.h"
#include "platform/picture_box.h"

namespace tamrel::testing {

struct StartedWindow {
  DesignState ds;
  RecordingMessages messages;
  MemorySettingsStore settings;
  std::unique_ptr<TamrelWindow> window;
  bool started = false;
  bool active = false;

  explicit StartedWindow(const char* dataDir = TAMREL_DATA_DIR, bool show = true) {
    window = std::make_unique<TamrelWindow>(ds, WindowServices{messages, settings}, dataDir);
    started = window->Start();
    if (started && show) {
      window->show();
      window->activateWindow();
      active = QTest::qWaitForWindowActive(window.get());
    }
  }
  ~StartedWindow() { window.reset(); }

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
};

// A default locale for the lifetime of a test.
struct LocaleScope {
  QLocale saved;
  explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocaleScope() { QLocale::setDefault(saved); }
};

}  // namespace tamrel::testing
