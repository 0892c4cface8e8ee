#pragma once
// Which window of the program was active before the one that is becoming
// active. A section dialog's activation handler runs when the user switches
// to it from another window of the program; it must not run again when a
// message box it showed closes, nor when the program comes back from another
// application to the window that was active.
//
// One tracker per program, installed on the application on first use: it
// sees every window activation before the window itself does.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tamrel {

class ActivationTracker : public QObject {
  Q_OBJECT

 public:
  struct Record {
    const QWidget* window = nullptr;  // identity only: it may be gone
    bool modal = false;               // a message box or another modal window
  };

  static ActivationTracker& Instance();

  // While a window handles its activation: the window active before it
  // (window == nullptr when none has been active yet).
  Record Previous() const { return previous_; }
  Record Current() const { return current_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ActivationTracker(QObject* parent);

  Record previous_;
  Record current_;
};

}  // namespace tamrel
