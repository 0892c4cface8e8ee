// Drives the real main window and the section dialogs through thousands of
// seeded random user actions: texts of every kind typed into random boxes
// and left by Enter, Tab or a click elsewhere; cylinder types, design
// formats, check boxes, options, material grades and profile types chosen;
// texts typed into the editable profile lists; section dialogs opened,
// typed into, picked in, confirmed and closed; the information forms; File
// New, Save As and Open (the file dialog in front while the command runs)
// and Print. Message boxes are answered by the recording service.
//
// After every gesture: it returned (a watchdog ends a hang, a message loop
// ends the run), it showed no more messages than it can cause, and the
// window agrees with the design state: every visible box shows its stored
// value in its pattern (or the text just typed into the box being edited),
// a box left stored what was typed, the switches and lists show the stored
// codes, the frames are those of the cylinder type, the box the focus
// handlers take as entered is the one with the focus, and every
// usage-factor row drawn is a finite number in the colour its comparison
// gives, or a red "n/a". A project opened is the project saved.
//
// TAMREL_FUZZ_SEED and TAMREL_FUZZ_ACTIONS override the seed and the number
// of actions; TAMREL_FUZZ_TRACE=1 prints every gesture.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "calc/format.h"
#include "calc/number_text.h"
#include "calc/result_tables.h"
#include "calc/sections.h"
#include "dialogs/built_up_dialog.h"
#include "main_window_fixture.h"
#include "mainwindow/input_fields.h"
#include "platform/picture_box.h"

namespace tamrel {

using testing::LocaleScope;
using testing::StartedWindow;

namespace {

constexpr const char* kRadiusWarning = " r > height of ringframe  ";
constexpr const char* kUfMessage = " 0.5 < UF < 1.5 ";
// More messages than this from one gesture can only be a loop.
constexpr int kMessageLoop = 60;

// Texts that are numbers only in part, in one locale, or not at all;
// numbers beyond single precision, at and beside the range limits.
constexpr const char* kAwkwardTexts[] = {
    "0",           "-0",     "0.0",   "0,0",  "1e40",  "-1e40",   "3.4e38",  "3.5e38",
    "1e-45",       "1e-300", "1e309", "nan",  "NaN",   "-nan",    "inf",     "-inf",
    "Infinity",    "0x10",   "0X1A",  "abc",  "",      " ",       "   ",     "12abc",
    "1.000,5",     "1 000",  "1e",    "1e+",  "--5",   "+5",      ".",       ",",
    "e5",          "-",      "+",     "1,5",  "1.5",   "2,10E+5", "2.10E+5", "99999999999999999999",
    "-2147483649", "32768",  "65536", "1e38", "-3e38", "0.05",    "0,04",    "49.6",
    "4.6",         "0.19",   "0.2",   "0.1",  "1.6",   "0.49",    "1.5",     "2500",
    "999.6",       "5",      "40",    "3000", "1e5",   "-1e5"};

// Texts a keyboard does not type: other scripts' digits, signs that look
// like ours, control characters, very long texts. They arrive by a paste.
const QStringList& UnusualTexts() {
  static const QStringList texts = {
      QString::fromUtf8("\u00f812"),            // o with stroke
      QString::fromUtf8("\uff11\uff12"),        // full-width digits
      QString::fromUtf8("\u0661\u0662\u0663"),  // Arabic-Indic digits
      QString::fromUtf8("\u00a012"),            // no-break space
      QString::fromUtf8("12\u00a0000"),         // a grouping blank
      QString::fromUtf8("\u00bd"),              // one half
      QString::fromUtf8("\U0001F600"),          // an emoji (a surrogate pair)
      QString::fromUtf8("\u22125"),             // minus sign
      QString::fromUtf8("3\u00d74"),            // times sign
      QStringLiteral("\t7"),
      QStringLiteral("12\n"),
      QStringLiteral("1\t2"),
      QString(400, QLatin1Char('9')),
      QStringLiteral("1") + QString(300, QLatin1Char('0')) + QStringLiteral("e-300"),
      QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"),
      QString(3000, QLatin1Char('x')),
      QString(50, QLatin1Char(' ')) + QStringLiteral("7")};
  return texts;
}

int EnvInt(const char* name, int fallback) {
  const QByteArray v = qgetenv(name);
  bool ok = false;
  const int n = v.toInt(&ok);
  return ok ? n : fallback;
}

// Ends the process when a gesture does not return: a hang is reported with
// the gesture that hung instead of a silent test timeout.
class Watchdog {
 public:
  Watchdog() : thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void Beat(const std::string& what) {
    const std::lock_guard<std::mutex> lock(mutex_);
    what_ = what;
    last_ = std::chrono::steady_clock::now();
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
      wake_.wait_for(lock, std::chrono::seconds(1));
      if (!stop_ && std::chrono::steady_clock::now() - last_ > std::chrono::seconds(30)) {
        std::fprintf(stderr, "FAIL: no return from \"%s\" within 30 s\n", what_.c_str());
        std::fflush(stderr);
        std::abort();
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::string what_ = "start";
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
  std::thread thread_;
};

std::string Display(const DesignState& ds, const VarRef& variable, const char* pattern) {
  return variable.Format(ds, pattern);
}

double Stored(const DesignState& ds, const VarRef& variable) {
  return variable.Get(ds);
}

Variant StoredVariant(const DesignState& ds, const VarRef& variable) {
  return variable.GetVariant(ds);
}

bool IsYield(const std::string& name) {
  return name == "ifyp" || name == "ifys" || name == "ifyg";
}

class Fuzzer {
 public:
  Fuzzer(StartedWindow& s, unsigned seed, bool trace)
      : s_(s), w_(s.w()), ds_(s.ds), rng_(seed), trace_(trace) {
    s_.messages.onShow = [this](const QString& text) {
      ++gestureMessages_;
      if (gestureMessages_ > kMessageLoop) {
        qFatal("message loop in \"%s\": \"%s\" shown %d times", qPrintable(gesture_),
               qPrintable(text), gestureMessages_);
      }
    };
    ufAtDrawing_ = ds_.UF.value();
    fileDialog_.setWindowTitle(QStringLiteral("file dialog"));
    s_.fileDialogs.onShow = [this] {
      fileDialog_.show();
      fileDialog_.activateWindow();
      (void)QTest::qWaitFor([this] { return QApplication::activeWindow() == &fileDialog_; }, 2000);
    };
  }
  ~Fuzzer() {
    s_.messages.onShow = nullptr;
    s_.fileDialogs.onShow = nullptr;
  }

  QStringList problems;
  std::map<QString, int> messageCounts;
  int gestures = 0;
  int dialogLeaves = 0;
  int dialogsOpened = 0;
  int mainLeaves = 0;
  int roundTrips = 0;
  int prints = 0;

  void Run(int actions) {
    for (int i = 0; i < actions && problems.isEmpty(); ++i) {
      action_ = i;
      Act();
    }
  }

 private:
  // ---- Random choices ----

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  template <class T>
  T* PickOf(const std::vector<T*>& v) {
    return v.empty() ? nullptr : v[static_cast<std::size_t>(Pick(static_cast<int>(v.size())))];
  }

  // A number in one of the two decimal-sign styles, near `typical`.
  QString Number(double typical) {
    double v = typical;
    if (v == 0 || !std::isfinite(v) || std::fabs(v) > 1e9) v = 100;
    switch (Pick(6)) {
      case 0: v = -v; break;
      case 1: v *= std::uniform_real_distribution<double>(0.0, 0.2)(rng_); break;
      default: v *= std::uniform_real_distribution<double>(0.5, 2.0)(rng_); break;
    }
    QString text = Chance(0.15) ? QString::number(v, Chance(0.5) ? 'e' : 'E', Pick(4))
                                : QString::number(v, 'f', Pick(4));
    if (Chance(0.5)) text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
  }

  QString Awkward() {
    if (Chance(0.25)) return UnusualTexts()[Pick(static_cast<int>(UnusualTexts().size()))];
    return QString::fromUtf8(kAwkwardTexts[Pick(static_cast<int>(std::size(kAwkwardTexts)))]);
  }

  QString TextFor(double typical) {
    switch (Pick(3)) {
      case 0: return Awkward();
      default: return Number(typical);
    }
  }

  // Types a text over the whole text of a box (or of an editable list's
  // box), as keys where a keyboard would give it, as a paste otherwise.
  static void TypeInto(QWidget* target, QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(target, Qt::Key_Backspace);
    bool keys = text.size() <= 40;
    for (const QChar c : text) keys = keys && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (keys) {
      QTest::keyClicks(target, text);
    } else {
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }
  }
  static void TypeInto(QLineEdit* box, const QString& text) { TypeInto(box, box, text); }

  // ---- Gestures ----

  // One user gesture: runs it, lets the events it caused be handled, and
  // checks how many messages it showed. `allowed` is the number of
  // messages its handlers may show themselves; each recalculation it runs
  // may add a ring-frame warning.
  void Gesture(const QString& what, int allowed, const std::function<void()>& act) {
    gesture_ = QStringLiteral("#%1 %2").arg(action_).arg(what);
    if (trace_) std::fprintf(stderr, "%s\n", qPrintable(gesture_));
    watchdog_.Beat(gesture_.toStdString());
    ++gestures;
    gestureMessages_ = 0;
    const qsizetype before = s_.messages.shown.size();
    const int drawings = w_.ResultDrawings();
    act();
    QCoreApplication::processEvents();
    // A list the gesture dropped down is closed again (Escape).
    for (int i = 0; i < 3 && QApplication::activePopupWidget() != nullptr; ++i) {
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
      QCoreApplication::processEvents();
    }
    const int recalcs = w_.ResultDrawings() - drawings;
    int radius = 0, tripping = 0, own = 0;
    bool uf = false;
    const QStringList shown = s_.messages.shown.mid(before);
    for (const QString& m : shown) {
      ++messageCounts[m];
      if (m == QLatin1String(kRadiusWarning)) {
        ++radius;
      } else if (m == QLatin1String(kTrippingMessage)) {
        ++tripping;
      } else {
        ++own;
        uf = uf || m == QLatin1String(kUfMessage);
      }
    }
    // Each recalculation computes the ring-frame section at most twice (the
    // design stresses of the ring-stiffened type, the panel-ring check), each
    // time with its warning on a ring frame reaching the axis. It warns about
    // the tripping length once, as it puts it within its limit; leaving the
    // tripping-length box may warn before it.
    if (own > allowed || radius > 2 * recalcs || tripping > std::min(recalcs, 1) + 1) {
      Problem(QStringLiteral("%1 messages after %2 recalculations: %3")
                  .arg(shown.size())
                  .arg(recalcs)
                  .arg(shown.join(QLatin1Char('|'))));
    }
    if (ds_.recalculating) Problem(QStringLiteral("still recalculating"));
    // The permitted usage factor the ring-frame table was drawn with: an
    // out-of-range usage factor is stored without a recalculation.
    if (recalcs > 0) {
      ufAtDrawing_ = uf ? std::nullopt : std::optional<double>(ds_.UF.value());
    }
    CheckMainWindow();
  }

  void Problem(const QString& what) {
    problems << QStringLiteral("%1 (seed action %2): %3").arg(gesture_).arg(action_).arg(what);
  }

  bool ActivateWindow(QWidget* window, const QString& what) {
    if (QApplication::activeWindow() == window) return true;
    Gesture(what, 0, [&] {
      window->activateWindow();
      (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 2000);
    });
    if (QApplication::activeWindow() != window) {
      Problem(QStringLiteral("window not activated"));
      return false;
    }
    return true;
  }

  bool MainActive() { return ActivateWindow(&w_, QStringLiteral("back to the main window")); }

  // A click: the press takes the focus (the leave of the box left, whose
  // message a real user closes before the click can end), then the click;
  // a box that put the focus back is left once more by it.
  void Click(QAbstractButton* b, const QString& what, int allowed) {
    if (b->focusPolicy() & Qt::ClickFocus) {
      Gesture(what + QStringLiteral(" (press)"), 1, [&] { b->setFocus(Qt::MouseFocusReason); });
    }
    if (!Usable(b)) return;
    Gesture(what, allowed, [&] {
      const QPoint at(std::min(8, b->width() / 2), b->height() / 2);
      QTest::mouseClick(b, Qt::LeftButton, {}, at);
    });
  }

  static bool Usable(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

  std::vector<QLineEdit*> MainBoxes() const {
    std::vector<QLineEdit*> boxes;
    for (const auto& [name, box] : w_.fields) {
      if (Usable(box)) boxes.push_back(box);
    }
    return boxes;
  }

  // Where a click can send the focus in the main window.
  std::vector<QWidget*> MainTargets() const {
    std::vector<QWidget*> targets;
    for (QLineEdit* b : MainBoxes()) targets.push_back(b);
    for (QWidget* c : {static_cast<QWidget*>(w_.cbofyp), static_cast<QWidget*>(w_.cbofys),
                       static_cast<QWidget*>(w_.cbofyg), static_cast<QWidget*>(w_.cbostiff),
                       static_cast<QWidget*>(w_.cboring)}) {
      if (Usable(c)) targets.push_back(c);
    }
    return targets;
  }

  QString NameOf(const QObject* o) const {
    return o == nullptr ? QStringLiteral("(none)") : o->objectName();
  }

  // ---- Main-window actions ----

  void TypeAndLeave(bool leave) {
    if (!MainActive()) return;
    QLineEdit* target = PickOf(MainBoxes());
    if (target == nullptr) return;
    Gesture(QStringLiteral("click into %1").arg(NameOf(target)), 1,
            [&] { target->setFocus(Qt::MouseFocusReason); });
    // A box that put the focus back keeps it: the user types there.
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (box == nullptr || box->window() != &w_) return;
    const FieldSpec* spec = FindField(box->objectName().toStdString());
    const double typical = spec != nullptr ? Stored(ds_, spec->variable) : 0.0;
    const QString text = spec != nullptr ? TextFor(typical) : Awkward();
    Gesture(QStringLiteral("type \"%1\" into %2").arg(text.left(30), NameOf(box)), 0, [&] {
      TypeInto(box, text);
      typed_[box] = box->text();
    });
    if (!leave) return;
    LeaveMainBox(box);
  }

  void LeaveMainBox(QLineEdit* box) {
    ++mainLeaves;
    const QString typed = box->text();
    const FieldSpec* spec = FindField(box->objectName().toStdString());
    const double before = spec != nullptr ? Stored(ds_, spec->variable) : 0.0;
    const qsizetype shownBefore = s_.messages.shown.size();
    bool enter = false;
    switch (Pick(4)) {
      case 0:
        enter = true;
        Gesture(QStringLiteral("Enter in %1").arg(NameOf(box)), 1,
                [&] { QTest::keyClick(box, Qt::Key_Return); });
        break;
      case 1:
        Gesture(QStringLiteral("Tab from %1").arg(NameOf(box)), 1,
                [&] { QTest::keyClick(box, Qt::Key_Tab); });
        break;
      default: {
        QWidget* next = PickOf(MainTargets());
        if (next == nullptr || next == box) return;
        Gesture(QStringLiteral("click from %1 into %2").arg(NameOf(box), NameOf(next)), 1,
                [&] { next->setFocus(Qt::MouseFocusReason); });
        break;
      }
    }
    CheckMainLeave(box, spec, typed, before, enter, s_.messages.shown.mid(shownBefore));
  }

  // Leaving a box stored what was typed: the text unchanged, the number it
  // holds (Enter stores it once more as rewritten in its pattern; the
  // tripping length is corrected below its limit), or nothing for a text
  // that is no number.
  void CheckMainLeave(QLineEdit* box, const FieldSpec* spec, const QString& typed, double before,
                      bool enter, const QStringList& shown) {
    if (spec == nullptr) {
      const std::string& stored =
          box->objectName() == QLatin1String("iproj") ? ds_.proj : ds_.ident;
      if (QString::fromStdString(stored) != typed) {
        Problem(QStringLiteral("%1 stored \"%2\" for \"%3\"")
                    .arg(NameOf(box), QString::fromStdString(stored), typed));
      }
      return;
    }
    const double stored = Stored(ds_, spec->variable);
    const std::optional<float> parsed = ParseNumber(ds_.decflag, typed.toStdString());
    if (!parsed) {
      if (!shown.contains(QLatin1String(kInputStringMismatch)) || stored != before ||
          box->text() != typed) {
        Problem(QStringLiteral("\"%1\" in %2: no mismatch, or stored %3 over %4")
                    .arg(typed.left(30), NameOf(box))
                    .arg(stored)
                    .arg(before));
      }
      return;
    }
    bool ok = stored == static_cast<double>(*parsed);
    if (enter) {
      const std::optional<float> rewritten = ParseNumber(ds_.decflag, box->text().toStdString());
      ok = ok || (rewritten && stored == static_cast<double>(*rewritten));
    }
    if (spec->kind == FieldSpec::Kind::TrippingLength) {
      ok = ok || shown.contains(QLatin1String(kTrippingMessage));
    }
    if (!ok) {
      Problem(
          QStringLiteral("\"%1\" in %2 stored %3").arg(typed.left(30), NameOf(box)).arg(stored));
    }
  }

  // A key on whatever has the focus: Enter walks the Enter order, Tab the
  // tab order, arrows and the space bar choose options, items and buttons.
  Qt::Key NavigationKey() {
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return,  Qt::Key_Tab,  Qt::Key_Backtab,
                                   Qt::Key_Space,  Qt::Key_Up,      Qt::Key_Down, Qt::Key_Left,
                                   Qt::Key_Right,  Qt::Key_Home,    Qt::Key_End,  Qt::Key_Escape,
                                   Qt::Key_PageUp, Qt::Key_PageDown};
    return keys[Pick(static_cast<int>(std::size(keys)))];
  }

  void KeyOnFocus() {
    if (!MainActive()) return;
    QWidget* f = QApplication::focusWidget();
    if (f == nullptr || f->window() != &w_) return;
    const Qt::Key key = NavigationKey();
    Gesture(QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), NameOf(f)), 1, [&] {
      QTest::keyClick(f, key);
      // The space bar in a box types a blank.
      auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      if (box != nullptr && box->isModified()) typed_[box] = box->text();
    });
    AfterProfileChoice();
  }

  void ClickVisible(const std::vector<QAbstractButton*>& buttons, int allowed = 1) {
    std::vector<QAbstractButton*> usable;
    for (QAbstractButton* b : buttons) {
      if (Usable(b)) usable.push_back(b);
    }
    QAbstractButton* b = PickOf(usable);
    if (b == nullptr || !MainActive()) return;
    Click(b, QStringLiteral("click %1").arg(NameOf(b)), allowed);
  }

  void ChooseInList(QComboBox* combo) {
    if (!Usable(combo) || !MainActive()) return;
    Gesture(QStringLiteral("click into %1").arg(NameOf(combo)), 1,
            [&] { combo->setFocus(Qt::MouseFocusReason); });
    if (QApplication::focusWidget() != combo) return;
    if (Chance(0.7)) {
      const int i = Pick(combo->count());
      Gesture(QStringLiteral("choose item %1 of %2").arg(i).arg(NameOf(combo)), 0, [&] {
        combo->setCurrentIndex(i);
        emit combo->activated(i);
      });
    } else {
      static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                     Qt::Key_Return};
      const Qt::Key key = keys[Pick(5)];
      Gesture(QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), NameOf(combo)), 1,
              [&] { QTest::keyClick(combo, key); });
    }
    AfterProfileChoice();
  }

  void TypeInProfileList() {
    QComboBox* combo = Chance(0.5) ? w_.cbostiff : w_.cboring;
    if (!Usable(combo) || !MainActive()) return;
    Gesture(QStringLiteral("click into %1").arg(NameOf(combo)), 1,
            [&] { combo->setFocus(Qt::MouseFocusReason); });
    if (QApplication::focusWidget() != combo) return;
    const std::int16_t stifftype = ds_.stifftype;
    const std::int16_t ringtype = ds_.ringtype;
    const QString text = Chance(0.5) ? combo->itemText(Pick(combo->count())) : Awkward();
    Gesture(QStringLiteral("type \"%1\" into %2").arg(text.left(30), NameOf(combo)), 0,
            [&] { TypeInto(combo, combo->lineEdit(), text); });
    if (Chance(0.5)) {
      Gesture(QStringLiteral("Enter in %1").arg(NameOf(combo)), 0,
              [&] { QTest::keyClick(combo, Qt::Key_Return); });
    } else if (QWidget* next = PickOf(MainTargets())) {
      Gesture(QStringLiteral("click from %1 into %2").arg(NameOf(combo), NameOf(next)), 0,
              [&] { next->setFocus(Qt::MouseFocusReason); });
    }
    // Typed text chooses nothing.
    if (ds_.stifftype != stifftype || ds_.ringtype != ringtype) {
      Problem(QStringLiteral("text typed into a profile list changed the profile type"));
    }
  }

  void ProfilesMenu() {
    if (!MainActive() || !w_.mnuprofiles->menuAction()->isVisible()) return;
    static const char* const stiff[] = {"mnustiffl", "mnustifflb",  "mnustifft",  "mnustifftb",
                                        "mnustifff", "mnustiffflb", "mnustiffhp", "mnustiffrhs",
                                        "mnustiffu", "mnustiffib"};
    static const char* const ring[] = {"mnugirdl", "mnugirdlb", "mnugirdt",  "mnugirdtb",
                                       "mnugirdf", "mnugirdfb", "mnugirdhp", "mnugirdrhs",
                                       "mnugirdu", "mnugirdib"};
    const bool stiffener = Chance(0.5);
    QMenu* sub = stiffener ? w_.mnustiff : w_.mnuring;
    if (!sub->menuAction()->isVisible()) return;
    QAction* item = w_.MenuItem((stiffener ? stiff : ring)[Pick(10)]);
    if (item == nullptr) return;
    Gesture(QStringLiteral("menu %1").arg(item->objectName()), 0, [&] { item->trigger(); });
    AfterProfileChoice();
  }

  void FileNew() {
    if (!MainActive()) return;
    // New commits a number still being typed first, as Save does: one
    // message at most.
    Gesture(QStringLiteral("File New"), 1, [&] { w_.MenuItem("mnunew")->trigger(); });
  }

  // Print, to a PDF file: the report of whatever the project holds.
  void Print() {
    if (!MainActive()) return;
    s_.printer.path = files_.filePath(QStringLiteral("report.pdf"));
    Gesture(QStringLiteral("Print"), 1, [&] { w_.MenuItem("mnuprint")->trigger(); });
    ++prints;
  }

  // The inputs a project file keeps, as the window shows or uses them.
  struct Inputs {
    std::string proj, ident;
    std::vector<std::int16_t> codes;
    std::vector<double> numbers;
  };

  // A text line of the file: a line break in it is written as a blank.
  static std::string OneLine(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      out += c == '\r' || c == '\n' ? ' ' : c;
    }
    return out;
  }

  Inputs Snapshot() const {
    Inputs in{OneLine(ds_.proj), OneLine(ds_.ident), {}, {}};
    in.codes = {ds_.cyltype, ds_.lrfd, ds_.outside, ds_.ring, ds_.hring,     ds_.ih,      ds_.odmom,
                ds_.ringfab, ds_.matp, ds_.mats,    ds_.matg, ds_.stifftype, ds_.ringtype};
    const std::int16_t grades[] = {ds_.matp, ds_.mats, ds_.matg};
    for (const FieldSpec& f : NumericFields()) {
      const std::string name = f.name;
      // The strength of a table grade is looked up again, not kept.
      const int yield = name == "ifyp" ? 0 : name == "ifys" ? 1 : name == "ifyg" ? 2 : -1;
      const bool lookedUp = yield >= 0 && grades[yield] != ds_.mat.matlast;
      in.numbers.push_back(lookedUp ? 0.0 : Stored(ds_, f.variable));
    }
    return in;
  }

  // A file command whose dialog is in front while the command runs; the
  // window is active again only afterwards (as on X11).
  void FileCommand(const QString& what, const char* item, int allowed, const QString& path,
                   const std::function<void()>& afterCommand) {
    s_.fileDialogs.answers = {path};
    Gesture(what, allowed, [&] {
      w_.MenuItem(item)->trigger();
      // A box the refill hid or disabled is no longer entered, though Qt
      // moves the focus only when the window is active again.
      if (QWidget* entered = w_.binder().Entered(&w_);
          entered != nullptr && (!entered->isVisibleTo(&w_) || !entered->isEnabled())) {
        Problem(QStringLiteral("%1 still entered, hidden or disabled").arg(NameOf(entered)));
      }
      afterCommand();
      fileDialog_.hide();
      w_.activateWindow();
      (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == &w_; }, 2000);
    });
  }

  // Save As into one of three files, or Open of one saved before: the
  // project comes back as it was saved. Numbers are written with the
  // precision of their kind (7 digits for a single).
  void SaveOrOpen() {
    if (!MainActive()) return;
    const int k = Pick(3);
    const QString path = files_.filePath(QStringLiteral("project%1.tmr").arg(k));
    if (Chance(0.5) || !savedFiles_.count(k)) {
      FileCommand(QStringLiteral("Save As %1").arg(k), "mnusaveas", 1, path,
                  [&] { savedFiles_[k] = Snapshot(); });
      return;
    }
    const qsizetype shownBefore = s_.messages.shown.size();
    FileCommand(QStringLiteral("Open %1").arg(k), "mnuopen", 1, path, [] {});
    // The recalculation checks the tripping length before it computes the
    // ring-frame section: a project saved between a change of the ring
    // frame and the next recalculation is corrected once it is opened.
    const bool tripping =
        s_.messages.shown.mid(shownBefore).contains(QLatin1String(kTrippingMessage));
    const Inputs& saved = savedFiles_[k];
    const Inputs opened = Snapshot();
    bool same =
        saved.proj == opened.proj && saved.ident == opened.ident && saved.codes == opened.codes;
    for (std::size_t i = 0; same && i < saved.numbers.size(); ++i) {
      const double a = saved.numbers[i], b = opened.numbers[i];
      // Choosing the column type, also by the refill, makes the column
      // length the distance between ring frames.
      const FieldSpec& f = NumericFields()[i];
      if (ds_.cyltype == kColumnBuckling && f.variable == FindField("il")->variable &&
          b == static_cast<double>(ds_.cyll)) {
        continue;
      }
      if (tripping && f.kind == FieldSpec::Kind::TrippingLength) continue;
      same = a == b || std::fabs(a - b) <= 1e-6 * std::max(std::fabs(a), std::fabs(b)) ||
             (std::isnan(a) && std::isnan(b));
      if (!same) {
        Problem(
            QStringLiteral("%1 saved %2, opened %3").arg(NumericFields()[i].name).arg(a).arg(b));
      }
    }
    if (!same) {
      QStringList codes;
      for (std::size_t i = 0; i < saved.codes.size(); ++i) {
        codes << QStringLiteral("%1/%2").arg(saved.codes[i]).arg(opened.codes[i]);
      }
      Problem(QStringLiteral("the project opened is not the project saved: \"%1\"/\"%2\", "
                             "\"%3\"/\"%4\", %5")
                  .arg(QString::fromStdString(saved.proj), QString::fromStdString(opened.proj),
                       QString::fromStdString(saved.ident), QString::fromStdString(opened.ident),
                       codes.join(' ')));
    }
    ++roundTrips;
  }

  // A chosen profile type shows its dialog, which fills itself when it
  // becomes active.
  void AfterProfileChoice() {
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = w_.SectionDialogSet().Existing(m, code);
        if (d == nullptr || d->Window() == nullptr) continue;
        if (QApplication::activeWindow() != d->Window()) continue;
        if (!shownDialogs_.count(d)) ++dialogsOpened;
        shownDialogs_.insert(d);
        if (!d->Filled()) {
          Gesture(QStringLiteral("wait for %1").arg(d->Entry().name), 0, [&] {
            (void)QTest::qWaitFor([&] { return d->Filled() || !d->Loaded(); }, 2000);
          });
          if (d->Loaded() && !d->Filled()) Problem(QStringLiteral("dialog not filled"));
        }
      }
    }
  }

  // ---- Dialog actions ----

  std::vector<SectionDialog*> OpenDialogs() const {
    std::vector<SectionDialog*> open;
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = w_.SectionDialogSet().Existing(m, code);
        if (d != nullptr && d->Window() != nullptr && d->Window()->isVisible()) open.push_back(d);
      }
    }
    return open;
  }

  // A few gestures in one of the open dialogs.
  void DialogActions() {
    SectionDialog* d = PickOf(OpenDialogs());
    if (d == nullptr) return;
    const QString name = QString::fromLatin1(d->Entry().name);
    for (int n = 1 + Pick(4); n > 0 && d->Loaded() && problems.isEmpty(); --n) {
      if (!ActivateWindow(d->Window(), QStringLiteral("switch to %1").arg(name))) return;
      if (!d->Loaded()) return;
      if (!d->Filled()) Problem(QStringLiteral("%1 active but not filled").arg(name));
      DialogGesture(d, name);
    }
  }

  void DialogGesture(SectionDialog* d, const QString& name) {
    auto* ok = d->Window()->findChild<QPushButton*>(QStringLiteral("Command1"));
    const auto* built = dynamic_cast<BuiltUpDialog*>(d);
    const int closeMessages = built ? static_cast<int>(built->BuiltUp().closeBoxes.size()) : 0;
    // OK reads back and checks its boxes, then closing reads back its own;
    // the click on it may first leave a box.
    const int okMessages =
        built ? 1 + closeMessages + static_cast<int>(built->BuiltUp().confirmBoxes.size()) : 0;
    switch (Pick(10)) {
      case 0: Click(ok, QStringLiteral("OK in %1").arg(name), okMessages); return;
      case 1:
        Gesture(QStringLiteral("close %1").arg(name), closeMessages, [&] { d->Window()->close(); });
        return;
      case 2: {
        // A key on whatever has the focus (Enter or the space bar on OK
        // presses it).
        QWidget* f = d->Window()->focusWidget();
        if (f == nullptr) return;
        const Qt::Key key = NavigationKey();
        Gesture(
            QStringLiteral("key %1 on %2 of %3").arg(QKeySequence(key).toString(), NameOf(f), name),
            okMessages, [&] { QTest::keyClick(f, key); });
        return;
      }
      default:
        if (built) return TypeIntoDialog(const_cast<BuiltUpDialog*>(built), ok);
        if (auto* cbo = d->Window()->findChild<QComboBox*>(QStringLiteral("cbo"));
            cbo && cbo->count() > 0) {
          const int i = Pick(cbo->count());
          Gesture(QStringLiteral("pick %1 in %2").arg(i).arg(name), 0, [&] {
            cbo->setFocus(Qt::MouseFocusReason);
            cbo->setCurrentIndex(i);
            emit cbo->activated(i);
          });
        }
        return;
    }
  }

  // The information forms: opened from the main window, closed by a click
  // on their picture or by their close box.
  void InfoForms() {
    for (QWidget* form : {w_.InfoTamrelWindow(), w_.InfoUfWindow()}) {
      if (form == nullptr || !form->isVisible() || !Chance(0.5)) continue;
      auto* picture = form->findChild<QWidget*>(QStringLiteral("Picture1"));
      if (picture != nullptr && Chance(0.5)) {
        Gesture(QStringLiteral("click on the picture of %1").arg(form->metaObject()->className()),
                0, [&] { QTest::mouseClick(picture, Qt::LeftButton); });
      } else {
        Gesture(QStringLiteral("close %1").arg(form->metaObject()->className()), 0,
                [&] { form->close(); });
      }
      return;
    }
    ClickVisible({w_.cmd_wsd, w_.Picture});
  }

  void TypeIntoDialog(BuiltUpDialog* d, QPushButton* ok) {
    const BuiltUpEntry& e = d->BuiltUp();
    const QString name = QString::fromLatin1(e.d.name);
    QLineEdit* target =
        d->Box(e.boxes[static_cast<std::size_t>(Pick(static_cast<int>(e.boxes.size())))].quantity);
    if (target == nullptr) return;
    Gesture(QStringLiteral("click into %1 of %2").arg(NameOf(target), name), 1,
            [&] { target->setFocus(Qt::MouseFocusReason); });
    if (!d->Loaded()) return;
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (box == nullptr || box->window() != d->Window()) return;
    std::size_t i = 0;
    while (i < e.boxes.size() && d->Box(e.boxes[i].quantity) != box) ++i;
    if (i == e.boxes.size()) return;
    const BoxEntry& entry = e.boxes[i];
    const QString text = TextFor(entry.set.Get(ds_));
    Gesture(QStringLiteral("type \"%1\" into %2 of %3").arg(text.left(30), NameOf(box), name), 0,
            [&] { TypeInto(box, text); });
    const QString typed = box->text();
    const qsizetype before = s_.messages.shown.size();
    switch (Pick(5)) {
      case 0:
        Gesture(QStringLiteral("Enter in %1 of %2").arg(NameOf(box), name), 1,
                [&] { QTest::keyClick(box, Qt::Key_Return); });
        break;
      case 1:
        Gesture(QStringLiteral("Tab from %1 of %2").arg(NameOf(box), name), 1,
                [&] { QTest::keyClick(box, Qt::Key_Tab); });
        break;
      case 2: {
        QLineEdit* next = d->Box(
            e.boxes[static_cast<std::size_t>(Pick(static_cast<int>(e.boxes.size())))].quantity);
        if (next == nullptr || next == box) return;
        Gesture(QStringLiteral("click from %1 into %2 of %3").arg(NameOf(box), NameOf(next), name),
                1, [&] { next->setFocus(Qt::MouseFocusReason); });
        break;
      }
      case 3:
        Click(ok, QStringLiteral("OK in %1").arg(name),
              1 + static_cast<int>(e.confirmBoxes.size() + e.closeBoxes.size()));
        return;
      default: return;  // left for later
    }
    ++dialogLeaves;
    CheckDialogLeave(d, entry, typed, s_.messages.shown.mid(before));
  }

  // The box left stored its number (or the limit it is set back to) in the
  // dialog's set, and the display routine rewrote every box.
  void CheckDialogLeave(BuiltUpDialog* d, const BoxEntry& entry, const QString& typed,
                        const QStringList& shown) {
    const std::optional<float> parsed = ParseNumber(ds_.decflag, typed.toStdString());
    if (!parsed) {
      if (!shown.contains(QLatin1String(kInputStringMismatch))) {
        Problem(QStringLiteral("no mismatch message for \"%1\"").arg(typed));
      }
      return;
    }
    double want = *parsed;
    if (static_cast<double>(*parsed) < entry.limit && !entry.setBack.empty()) {
      want = entry.setBack.value();
    }
    // A single-precision set variable holds the limit in single precision.
    if (entry.set.kind() == VarKind::Single) want = static_cast<float>(want);
    const double got = entry.set.Get(ds_);
    if (!(got == want || (std::isnan(got) && std::isnan(want)))) {
      Problem(QStringLiteral("%1 stored %2 for \"%3\", expected %4")
                  .arg(entry.control)
                  .arg(got)
                  .arg(typed)
                  .arg(want));
    }
    if (!d->Loaded()) return;
    const BuiltUpEntry& e = d->BuiltUp();
    for (const BoxEntry& b : e.boxes) {
      const VarRef value = e.showsOwnSet ? b.set : VarsOf(e.d.member).Of(b.quantity);
      const QString want_text =
          QString::fromStdString(value.Format(ds_, BoxDisplayPattern(b.quantity)));
      QLineEdit* box = d->Box(b.quantity);
      if (box != nullptr && box->text() != want_text) {
        Problem(QStringLiteral("%1 of %2 shows \"%3\", the display routine writes \"%4\"")
                    .arg(b.control, e.d.name, box->text(), want_text));
      }
    }
  }

  // ---- One action ----

  void Act() {
    const std::vector<QAbstractButton*> cylinders = {w_.cylinder0, w_.cylinder1, w_.cylinder2,
                                                     w_.cylinder3};
    if (!OpenDialogs().empty() && Chance(0.3)) return DialogActions();
    const int roll = Pick(100);
    if (roll < 42) return TypeAndLeave(true);
    if (roll < 48) return TypeAndLeave(false);
    if (roll < 51) return KeyOnFocus();
    if (roll < 58) return ClickVisible(cylinders);
    if (roll < 62) return ClickVisible({w_.opt_lrfd, w_.opt_wsd});
    if (roll < 69) return ClickVisible({w_.Outside_ch, w_.ring_ch, w_.hring_ch, w_.check_ih});
    if (roll < 72) return ClickVisible({w_.odmom1, w_.odmom2, w_.ringfab0, w_.ringfab1});
    if (roll < 78) {
      QComboBox* lists[] = {w_.cbofyp, w_.cbofys, w_.cbofyg};
      return ChooseInList(lists[Pick(3)]);
    }
    if (roll < 85) return ChooseInList(Chance(0.5) ? w_.cbostiff : w_.cboring);
    if (roll < 87) return TypeInProfileList();
    if (roll < 89) return ClickVisible({w_.cmdpic_stiff, w_.cmdpic_gird});
    if (roll < 91) return ProfilesMenu();
    if (roll < 93) return ClickVisible({w_.Command3});
    if (roll < 94) return ClickVisible({w_.cmd_lrfd}, 2);
    if (roll < 95) return FileNew();
    if (roll < 97) return SaveOrOpen();
    if (roll < 98) return InfoForms();
    if (roll < 99) return Print();
    return TypeAndLeave(true);
  }

  // ---- The window against the design state ----

  void CheckMainWindow() {
    const int type = ds_.cyltype;
    if (type < 0 || type > 3) {
      Problem(QStringLiteral("cylinder type %1").arg(type));
      return;
    }
    // Switches.
    QRadioButton* cyl[] = {w_.cylinder0, w_.cylinder1, w_.cylinder2, w_.cylinder3};
    for (int t = 0; t < 4; ++t) {
      if (cyl[t]->isChecked() != (t == type)) Problem(QStringLiteral("cylinder option %1").arg(t));
    }
    if (w_.opt_lrfd->isChecked() != (ds_.lrfd == kLRFD) ||
        w_.opt_wsd->isChecked() != (ds_.lrfd != kLRFD)) {
      Problem(QStringLiteral("design format option"));
    }
    const QString ufCaption = ds_.lrfd == kLRFD ? QStringLiteral("Allowable Usage Factor UF =")
                                                : QStringLiteral("Basic Usage Factor, n0 =");
    if (w_.text_ufb->text() != ufCaption) Problem(QStringLiteral("usage-factor caption"));
    if (w_.ringfab0->isChecked() != (ds_.ringfab == kFabricated) ||
        w_.ringfab1->isChecked() != (ds_.ringfab == kColdFormed)) {
      Problem(QStringLiteral("fabrication option"));
    }
    if (type == kRingStiffened || type == kStringerStiffened) {
      if (w_.Outside_ch->isChecked() != (ds_.outside != 0)) Problem(QStringLiteral("Outside_ch"));
      if (w_.ring_ch->isChecked() != (ds_.ring != 0)) Problem(QStringLiteral("ring_ch"));
      if (w_.hring_ch->isChecked() != (ds_.hring != 0)) Problem(QStringLiteral("hring_ch"));
      if (w_.pic32->isVisibleTo(&w_) != (ds_.ring != 0)) Problem(QStringLiteral("pic32 shown"));
    }
    if (type == kStringerStiffened && w_.check_ih->isChecked() != (ds_.ih != 0)) {
      Problem(QStringLiteral("check_ih"));
    }
    if (type == kColumnBuckling && (w_.odmom1->isChecked() != (ds_.odmom == kMaximumMoment) ||
                                    w_.odmom2->isChecked() != (ds_.odmom == kReducedMoment))) {
      Problem(QStringLiteral("dimensioning-moment option"));
    }
    // Frames of the cylinder type.
    const bool frames[4][4] = {{false, false, true, false},
                               {false, true, true, false},
                               {true, true, true, false},
                               {false, false, false, true}};
    QGroupBox* fr[] = {w_.fr120, w_.fr121, w_.fr123, w_.fr124};
    for (int i = 0; i < 4; ++i) {
      if (fr[i]->isVisibleTo(&w_) != frames[type][i]) {
        Problem(QStringLiteral("%1 shown: %2").arg(NameOf(fr[i])).arg(fr[i]->isVisibleTo(&w_)));
      }
    }
    // Lists.
    const std::int16_t grades[] = {ds_.matp, ds_.mats, ds_.matg};
    QComboBox* lists[] = {w_.cbofyp, w_.cbofys, w_.cbofyg};
    const char* yields[] = {"ifyp", "ifys", "ifyg"};
    for (int m = 0; m < 3; ++m) {
      if (lists[m]->currentIndex() != grades[m] || lists[m]->count() != ds_.mat.matlast + 1) {
        Problem(QStringLiteral("%1 shows item %2 of %3 for grade %4")
                    .arg(NameOf(lists[m]))
                    .arg(lists[m]->currentIndex())
                    .arg(lists[m]->count())
                    .arg(grades[m]));
      }
      if (w_.field(yields[m])->isEnabled() != (grades[m] == ds_.mat.matlast)) {
        Problem(QStringLiteral("%1 enabled").arg(yields[m]));
      }
    }
    for (auto [combo, text] : {std::pair{w_.cbostiff, &StiffProfileTypeText},
                               std::pair{w_.cboring, &RingProfileTypeText}}) {
      bool same = combo->count() == 10;
      for (int i = 0; same && i < 10; ++i) {
        same = combo->itemText(i) == QString::fromUtf8(text(i));
      }
      if (!same) Problem(QStringLiteral("items of %1 changed").arg(NameOf(combo)));
    }
    CheckBoxes();
    CheckFocus();
    CheckPictures();
  }

  void CheckBoxes() {
    QWidget* entered = w_.binder().Entered(&w_);
    const char sign = DecimalSign(ds_);
    for (const auto& [name, box] : w_.fields) {
      if (!box->isVisibleTo(&w_)) continue;
      const QString text = box->text();
      // The box being edited may hold what was typed and not yet committed.
      const auto typed = typed_.find(box);
      const bool pending = box == entered && typed != typed_.end() && typed->second == text;
      std::vector<std::string> accepted;
      if (name == "iproj" || name == "iident") {
        accepted.push_back(name == "iproj" ? ds_.proj : ds_.ident);
      } else {
        const FieldSpec* f = FindField(name);
        const Variant value = StoredVariant(ds_, f->variable);
        if (!IsYield(name) || box->isEnabled())
          accepted.push_back(Display(ds_, f->variable, f->pattern));
        if (IsYield(name)) {
          // Locked: the strength used, as plain text. Typed grade: the
          // refill's "#000", or the text the box kept when it was unlocked.
          accepted.push_back(PlainNumberText(value, sign));
          if (box->isEnabled()) accepted.push_back(FormatNumber(value, "#000", sign));
        }
      }
      bool ok = pending;
      for (const std::string& a : accepted) ok = ok || text == QString::fromStdString(a);
      if (!ok) {
        Problem(QStringLiteral("%1 shows \"%2\", stored \"%3\"")
                    .arg(QString::fromStdString(name), text.left(60),
                         QString::fromStdString(accepted.front()).left(60)));
      }
    }
  }

  void CheckFocus() {
    QWidget* focus = w_.focusWidget();
    if (focus != nullptr && (!focus->isVisibleTo(&w_) || !focus->isEnabled())) {
      Problem(QStringLiteral("focus on %1, hidden or disabled").arg(NameOf(focus)));
    }
    // The box the binder takes as entered is the one with the focus.
    QWidget* entered = w_.binder().Entered(&w_);
    QWidget* box = nullptr;
    for (const auto& [name, b] : w_.fields) {
      if (b == focus) box = b;
    }
    if (entered != box) {
      Problem(
          QStringLiteral("entered %1 while %2 has the focus").arg(NameOf(entered), NameOf(focus)));
    }
  }

  // A usage factor as the check stored it, and its permitted value.
  struct Usage {
    Variant value;
    double permitted;
  };

  void CheckPicture(const PictureBox* pic, const std::vector<Usage>& rows) {
    const QColor green = PictureBox::PaletteColour(Colour::Green);
    const QColor red = PictureBox::PaletteColour(Colour::Red);
    const QColor black = PictureBox::PaletteColour(Colour::Black);
    std::size_t seen = 0;
    for (const PictureBox::Item& item : pic->Items()) {
      if (item.text.contains(QLatin1String("nan")) || item.text.contains(QLatin1String("inf"))) {
        Problem(QStringLiteral("%1 draws \"%2\"").arg(NameOf(pic), item.text));
      }
      if (item.colour == black) continue;
      if (item.colour != green && item.colour != red) {
        Problem(QStringLiteral("%1 draws in %2").arg(NameOf(pic), item.colour.name()));
        continue;
      }
      if (seen >= rows.size()) {
        Problem(QStringLiteral("%1: more coloured texts than usage-factor rows").arg(NameOf(pic)));
        return;
      }
      const Usage& u = rows[seen++];
      const QString want = QString::fromStdString(FormatNumber(u.value, "0.00", DecimalSign(ds_)));
      const double value = u.value.value();
      const bool passes = UsageFactorPasses(value, u.permitted);
      if (item.text != want || (item.colour == green) != passes ||
          (!std::isfinite(value) && item.text != QLatin1String(kNotANumberText))) {
        Problem(QStringLiteral("%1 draws \"%2\" in %3 for %4 against %5")
                    .arg(NameOf(pic), item.text, item.colour == green ? "green" : "red")
                    .arg(value)
                    .arg(u.permitted));
      }
    }
  }

  void CheckPictures() {
    CheckPicture(w_.pic30, {{ds_.UFshell, ds_.UFpermShell.value()}});
    if (ds_.cyltype == kStringerStiffened) {
      CheckPicture(w_.Pic31, {{ds_.UFst, ds_.UFpermst.value()}});
    } else if (ds_.cyltype == kColumnBuckling) {
      CheckPicture(w_.Pic31, {{ds_.UF1, ds_.UFperm.value()}, {ds_.UF2, ds_.UFperm.value()}});
    }
    if (ufAtDrawing_) {
      CheckPicture(w_.pic32,
                   {{ds_.UFarea, *ufAtDrawing_}, {Variant(ds_.UFinertia), *ufAtDrawing_}});
    }
  }

  StartedWindow& s_;
  TamrelWindow& w_;
  DesignState& ds_;
  std::mt19937 rng_;
  bool trace_;
  Watchdog watchdog_;
  int action_ = 0;
  QString gesture_;
  int gestureMessages_ = 0;
  std::optional<double> ufAtDrawing_;
  std::map<QLineEdit*, QString> typed_;
  std::set<SectionDialog*> shownDialogs_;
  QTemporaryDir files_;
  std::map<int, Inputs> savedFiles_;
  QWidget fileDialog_;  // stands in for the file dialogs' window
};

// The offscreen platform's notes on what it cannot do (raise a window ...)
// are dropped; everything else goes on to the test's own handler.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
    return;
  previousHandler(type, context, text);
}

}  // namespace

class GuiRobustnessTest : public QObject {
  Q_OBJECT

 private:
  void Sweep(unsigned seed, int actions) {
    previousHandler = qInstallMessageHandler(QuietPlatform);
    struct Restore {
      ~Restore() { qInstallMessageHandler(previousHandler); }
    } restore;
    StartedWindow s;
    QVERIFY(s.active);
    Fuzzer fuzz(s, static_cast<unsigned>(EnvInt("TAMREL_FUZZ_SEED", static_cast<int>(seed))),
                qEnvironmentVariableIntValue("TAMREL_FUZZ_TRACE") != 0);
    const int run = EnvInt("TAMREL_FUZZ_ACTIONS", actions);
    fuzz.Run(run);
    QVERIFY2(fuzz.problems.isEmpty(), qPrintable(fuzz.problems.mid(0, 10).join('\n')));
    // The sweep reached what it is meant to reach.
    QVERIFY(fuzz.mainLeaves > run / 4);
    QVERIFY(fuzz.dialogsOpened > 0);
    QVERIFY(fuzz.dialogLeaves > 0);
    QVERIFY(fuzz.roundTrips > 0);
    QVERIFY(fuzz.messageCounts[QLatin1String(kInputStringMismatch)] > 0);
    QVERIFY(fuzz.messageCounts[QLatin1String(kUfMessage)] > 0);
    QString summary;
    for (const auto& [text, n] : fuzz.messageCounts)
      summary += QStringLiteral("\"%1\" %2; ").arg(text).arg(n);
    qInfo(
        "%d gestures, %d main-window leaves, %d dialog leaves, %d dialogs opened, %d round "
        "trips, %d prints; messages: %s",
        fuzz.gestures, fuzz.mainLeaves, fuzz.dialogLeaves, fuzz.dialogsOpened, fuzz.roundTrips,
        fuzz.prints, qPrintable(summary));
  }

 private slots:
  void randomActionsPointLocale() {
    const LocaleScope locale{QLocale::c()};
    Sweep(20261211, 1000);
  }
  void randomActionsCommaLocale() {
    const LocaleScope locale{QLocale(QLocale::German, QLocale::Germany)};
    Sweep(20261212, 1000);
  }
};

TAMREL_GUI_TEST(GuiRobustnessTest);

}  // namespace tamrel

#include "robustness_test.moc"
