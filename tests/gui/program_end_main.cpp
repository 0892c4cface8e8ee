// The real end of the program, in its own process with a running event
// loop: with a built-up section dialog open and holding a value below its
// limit, Exit (argument "exit") or the close box ends the event loop without
// that dialog's closing checks, messages or stores. Exit code 0 when so.

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <string>

#include "calc/design_state.h"
#include "dialogs/section_dialog.h"
#include "dialogs/section_dialogs.h"
#include "files/memory_settings_store.h"
#include "gui_support.h"
#include "mainwindow/tamrel_window.h"

using namespace tamrel;

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  const bool byExit = argc > 1 && std::string(argv[1]) == "exit";
  DesignState ds;
  testing::RecordingMessages messages;
  MemorySettingsStore settings;
  auto* w = new TamrelWindow(ds, WindowServices{messages, settings}, TAMREL_DATA_DIR);
  if (!w->Start()) return 3;
  w->show();
  Variant before;
  QTimer::singleShot(200, [&] { w->MenuItem("mnustifftb")->trigger(); });
  QTimer::singleShot(700, [&] {
    SectionDialog* d = w->SectionDialogSet().Existing(Member::Stiffener, kTBuiltUp);
    if (d == nullptr || d->Window() == nullptr) {
      app.exit(4);
      return;
    }
    before = ds.stifftb_h;
    d->Window()->findChild<QLineEdit*>(QStringLiteral("isth"))->setText("2");
    if (byExit) {
      w->MenuItem("mnuexit")->trigger();
    } else {
      w->close();
    }
  });
  QTimer::singleShot(10000, [&] { app.exit(5); });  // never ended
  const int rc = app.exec();
  delete w;
  if (rc != 0) {
    std::fprintf(stderr, "event loop ended with %d\n", rc);
    return rc;
  }
  if (!messages.shown.isEmpty()) {
    std::fprintf(stderr, "messages at the end: %s\n",
                 messages.shown.join("|").toUtf8().constData());
    return 6;
  }
  if (ds.stifftb_h.value() != before.value()) {
    std::fprintf(stderr, "the dialog stored H = %g at the end\n", ds.stifftb_h.value());
    return 7;
  }
  return 0;
}
