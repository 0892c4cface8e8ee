#pragma once
// The main window as the program runs it, for the window benchmarks: the
// new project started, the window shown and active, messages counted
// instead of shown.

#include <QTest>

#include "calc/design_state.h"
#include "files/memory_settings_store.h"
#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"

namespace tamrel::bench {

class SilentMessages : public MessageService {
 public:
  void ShowExclamation(QWidget*, const QString&) override { ++shown; }
  Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::Cancel; }
  int shown = 0;
};

struct RunningWindow {
  DesignState ds;
  SilentMessages messages;
  MemorySettingsStore settings;
  TamrelWindow window{ds, WindowServices{messages, settings}, TAMREL_DATA_DIR};
  bool ok = false;
  RunningWindow() {
    ok = window.Start();
    window.show();
    window.activateWindow();
    ok = ok && QTest::qWaitForWindowActive(&window);
  }
};

}  // namespace tamrel::bench
