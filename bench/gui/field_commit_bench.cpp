// Speed of one field commit in the running main window: the focus leaves a
// box holding a typed value, and its leave handler parses, stores,
// rewrites, range-tests and recalculates; then the event loop runs until the
// result pictures are repainted. Each box is given one of two values in
// turn, so every commit changes the results and no drawn value repeats from
// the commit before.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include "platform/picture_box.h"
#include "running_window.h"

namespace {

using namespace tamrel;
using tamrel::bench::RunningWindow;

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
  long paints = 0;
};

struct BoxValues {
  const char* name;
  const char* values[2];
};

// One commit per iteration: the focus alternates between two boxes of the
// cylinder type shown, and each move commits the box left.
void BM_FieldCommit(benchmark::State& state, BoxValues a, BoxValues b) {
  RunningWindow w;
  if (!w.ok) {
    state.SkipWithError("the window did not start");
    return;
  }
  PaintCounter counter;
  for (PictureBox* p : {w.window.pic30, w.window.Pic31, w.window.pic32})
    p->installEventFilter(&counter);
  QLineEdit* boxes[] = {w.window.field(a.name), w.window.field(b.name)};
  const QString values[2][2] = {
      {QString::fromLatin1(a.values[0]), QString::fromLatin1(a.values[1])},
      {QString::fromLatin1(b.values[0]), QString::fromLatin1(b.values[1])}};
  boxes[0]->setFocus();
  QCoreApplication::processEvents();
  const long paintsBefore = counter.paints;
  long i = 0;
  for (auto _ : state) {
    const long box = i % 2;
    boxes[box]->setText(values[box][(i / 2) % 2]);
    boxes[1 - box]->setFocus();         // leave: parse, store, rewrite, test, recalculate
    QCoreApplication::processEvents();  // the repaint the commit asked for
    ++i;
  }
  state.counters["messages"] = w.messages.shown;
  state.counters["paints"] = benchmark::Counter(static_cast<double>(counter.paints - paintsBefore),
                                                benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BM_FieldCommit, radius_and_thickness, BoxValues{"icylr", {"3333", "3350"}},
                  BoxValues{"it", {"20", "21"}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FieldCommit, stiffener_spacing_and_axial_stress,
                  BoxValues{"is1", {"600", "610"}}, BoxValues{"isigx", {"-100", "-110"}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
