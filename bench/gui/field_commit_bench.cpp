// Speed of one field commit in the running main window: the focus leaves a
// box holding a typed value, and its leave handler parses, stores,
// rewrites, range-tests and recalculates; then the three result pictures
// are repainted. Runs on the offscreen platform unless another is set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "calc/design_state.h"
#include "files/memory_settings_store.h"
#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"
#include "platform/picture_box.h"

namespace {

using namespace tamrel;

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

// One commit per iteration: the focus alternates between two boxes of the
// cylinder type shown, and each move commits the box left.
void BM_FieldCommit(benchmark::State& state, const char* a, const char* b, const char* va,
                    const char* vb) {
  RunningWindow w;
  if (!w.ok) {
    state.SkipWithError("the window did not start");
    return;
  }
  QLineEdit* boxes[] = {w.window.field(a), w.window.field(b)};
  const QString values[] = {QString::fromLatin1(va), QString::fromLatin1(vb)};
  boxes[0]->setFocus();
  int i = 0;
  for (auto _ : state) {
    QLineEdit* left = boxes[i % 2];
    left->setText(values[i % 2]);
    boxes[(i + 1) % 2]->setFocus();  // leave: parse, store, rewrite, test, recalculate
    for (PictureBox* p : {w.window.pic30, w.window.Pic31, w.window.pic32}) p->repaint();
    ++i;
  }
  state.counters["messages"] = w.messages.shown;
}

BENCHMARK_CAPTURE(BM_FieldCommit, radius_and_thickness, "icylr", "it", "3333", "20")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FieldCommit, stiffener_spacing_and_axial_stress, "is1", "isigx", "600", "-100")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
