#pragma once
// Helpers of the window tests: a registry that lets several Qt Test classes
// share one executable and one QApplication, and a message service that
// records instead of showing a modal box.

#include <QApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/message_service.h"

namespace tamrel::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& TestRegistry();

struct RegisterTest {
  explicit RegisterTest(TestFactory f) { TestRegistry().push_back(std::move(f)); }
};

#define TAMREL_GUI_TEST(Class)                             \
  static ::tamrel::testing::RegisterTest register_##Class( \
      [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })

// Presses Enter in the next modal window once the window system has
// activated it, as a user would.
inline void CloseNextModalWhenActive() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, timer, [timer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isActiveWindow()) {
      QTest::keyClick(modal, Qt::Key_Return);
      timer->deleteLater();
    }
  });
  timer->start(20);
}

// One notch of the mouse wheel (down: towards the next item) over the
// middle of w, delivered as the window system delivers it: to the widget
// under the pointer, as a spontaneous event through QApplication::notify,
// as QTest delivers its own mouse events to widgets. Only such an event
// gives the focus to a widget whose policy takes it by the wheel.
inline void TurnWheelOver(QWidget* w) {
  QWidget* window = w->window();
  const QPoint inWindow = w->mapTo(window, QPoint(w->width() / 2, w->height() / 2));
  QWidget* target = window->childAt(inWindow);
  if (target == nullptr) target = window;
  const QPointF at = target->mapFrom(window, inWindow);
  QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&e);
  QApplication::instance()->notify(target, &e);
}

// The lines that a text takes in a box of the given width, wrapped at word
// boundaries as labels and message boxes wrap plain text; a line feed
// starts a new line.
inline QStringList WrappedLines(const QString& text, const QFont& font, int width) {
  QStringList lines;
  for (const QString& paragraph : text.split(u'\n')) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
  }
  return lines;
}

// The first line that ends, or starts, inside a formula: with an operator
// sign at its end or start; empty when there is none.
inline QString LineBrokenInAFormula(const QStringList& lines) {
  const QString signs = QStringLiteral("=<>/*+");
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString t = lines[i].trimmed();
    if (t.isEmpty()) continue;
    if ((i + 1 < lines.size() && signs.contains(t.back())) ||
        (i > 0 && signs.contains(t.front()))) {
      return lines[i];
    }
  }
  return {};
}

// Records every message; with realBoxes it also shows the desktop's modal
// box, closed by a simulated Enter once it is active. A question is
// recorded in asked and answered from answers (No when none is left), or,
// with realQuestions, by whoever answers the desktop's modal box.
class RecordingMessages : public MessageService {
 public:
  void ShowExclamation(QWidget* owner, const QString& text) override {
    shown.push_back(text);
    if (onShow) onShow(text);
    if (realBoxes) {
      CloseNextModalWhenActive();
      QtMessageService().ShowExclamation(owner, text);
    }
  }
  Answer AskYesNoCancel(QWidget* owner, const QString& text) override {
    asked.push_back(text);
    if (onAsk) onAsk(text);
    if (realQuestions) return QtMessageService().AskYesNoCancel(owner, text);
    if (answers.empty()) return Answer::No;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  QStringList shown;
  std::function<void(const QString&)> onShow;
  bool realBoxes = false;
  QStringList asked;
  std::deque<Answer> answers;
  bool realQuestions = false;
  std::function<void(const QString&)> onAsk;
};

}  // namespace tamrel::testing
