#pragma once
// Focus and leave handlers with the semantics the input boxes rely on.
//
// Every top-level window keeps track of the bound box the user has entered.
// When the focus moves, inside that window, away from the entered box, its
// leave handler runs (edited or not), then the focus handler of the bound box
// that has the focus afterwards. Focus going to another window (a menu, a
// combo popup, a message box, a dialog) or to another application is not a
// leave: the box stays entered, and nothing runs when the focus comes back.
//
// While a leave handler runs, focus moves inside its window are only
// recorded: afterwards the box that then holds the focus gets its focus
// handler. A handler that puts the focus back therefore never runs the leave
// handler of the box that received the focus only for an instant, so two
// out-of-range boxes cannot pass a message back and forth.
//
// Focus moves the program makes (a refill hiding or disabling the focused
// box, a recalculation asking for a field) run no leave handler: inside a
// QuietScope, or through MoveFocus, the entered box is only abandoned (its
// abandon hook resets its look) and the box that ends with the focus gets its
// focus handler.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace tamrel {

class FocusBinder : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void()> enter;    // focus gained
    std::function<void()> leave;    // left by the user after being entered
    std::function<void()> abandon;  // lost its entered state by a program move
  };

  explicit FocusBinder(QObject* parent = nullptr);
  ~FocusBinder() override;

  void Bind(QWidget* box, Hooks hooks);

  // Focus moves made while a scope is alive run no leave handler.
  class QuietScope {
   public:
    explicit QuietScope(FocusBinder& binder);
    ~QuietScope();
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

   private:
    FocusBinder& binder_;
  };

  // A focus move asked for by the program: the entered box is abandoned
  // without its leave handler; the target gets its focus handler.
  void MoveFocus(QWidget* target);

  // A focus move the user asked for by a click on a button that does not
  // take the focus itself on the press: the target gets the focus and the
  // entered box's leave handler runs, as for a click on another box. The
  // handler may put the focus back; the caller goes on with its command.
  void TakeFocus(QWidget* target);

  // Runs the leave handler of the box the user has entered in the window of
  // w as if it were left, while it keeps the focus: a command chosen from a
  // menu (Save, Print) commits a value still being typed. The box stays
  // entered with its focus look. True when a leave handler ran.
  bool CommitEntered(const QWidget* w);

  // The bound box the user has entered in the window of w, or nullptr.
  QWidget* Entered(const QWidget* w) const;
  bool LeaveRunning(const QWidget* w) const;

 private:
  struct Track {
    QPointer<QWidget> entered;
    bool leaving = false;
  };

  void OnFocusChanged(QWidget* old, QWidget* now);
  void Settle(QWidget* window, bool quiet);
  QWidget* BoundFor(QWidget* w) const;
  Track& TrackOf(QWidget* window);
  void Run(QWidget* box, std::function<void()> Hooks::*which);

  std::map<const QWidget*, Hooks> hooks_;
  std::map<const QWidget*, Track> tracks_;  // by top-level window
  int quiet_ = 0;
};

}  // namespace tamrel
