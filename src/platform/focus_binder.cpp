#include "platform/focus_binder.h"

#include <QApplication>
#include <vector>

namespace tamrel {

FocusBinder::FocusBinder(QObject* parent) : QObject(parent) {
  connect(qApp, &QApplication::focusChanged, this, &FocusBinder::OnFocusChanged);
}

FocusBinder::~FocusBinder() = default;

void FocusBinder::Bind(QWidget* box, Hooks hooks) {
  hooks_[box] = std::move(hooks);
  connect(box, &QObject::destroyed, this, [this, box] { hooks_.erase(box); });
}

FocusBinder::QuietScope::QuietScope(FocusBinder& binder) : binder_(binder) {
  ++binder_.quiet_;
}

FocusBinder::QuietScope::~QuietScope() {
  if (--binder_.quiet_ > 0) return;
  std::vector<QWidget*> windows;
  for (const auto& entry : binder_.tracks_) {
    windows.push_back(const_cast<QWidget*>(entry.first));
  }
  for (QWidget* w : windows) binder_.Settle(w, /*quiet=*/true);
}

void FocusBinder::MoveFocus(QWidget* target) {
  if (!target) return;
  QWidget* window = target->window();
  TrackOf(window);
  {
    QuietScope quiet(*this);
    target->setFocus(Qt::OtherFocusReason);
  }
  Settle(window, /*quiet=*/true);
}

void FocusBinder::TakeFocus(QWidget* target) {
  if (!target) return;
  QWidget* window = target->window();
  QPointer<QWidget> guard(window);
  TrackOf(window);
  target->setFocus(Qt::MouseFocusReason);
  // Settled already by the focus change where the window is active; an
  // inactive window reports no focus change, and the move is settled here.
  if (guard && quiet_ == 0) Settle(window, /*quiet=*/!window->isVisible());
}

bool FocusBinder::CommitEntered(const QWidget* w) {
  if (!w) return false;
  QWidget* window = const_cast<QWidget*>(w)->window();
  Track& track = TrackOf(window);
  if (track.leaving || !track.entered) return false;
  QPointer<QWidget> box = track.entered.data();
  QPointer<QWidget> guard(window);
  track.leaving = true;
  Run(box, &Hooks::leave);
  if (!guard) return true;
  Track& after = TrackOf(window);
  after.leaving = false;
  // The leave may have moved the focus; whatever holds it is entered now.
  QWidget* focused = BoundFor(window->focusWidget());
  after.entered = focused;
  if (focused) Run(focused, &Hooks::enter);
  return true;
}

QWidget* FocusBinder::Entered(const QWidget* w) const {
  if (!w) return nullptr;
  const auto it = tracks_.find(w->window());
  return it == tracks_.end() ? nullptr : it->second.entered.data();
}

bool FocusBinder::LeaveRunning(const QWidget* w) const {
  if (!w) return false;
  const auto it = tracks_.find(w->window());
  return it != tracks_.end() && it->second.leaving;
}

void FocusBinder::OnFocusChanged(QWidget* /*old*/, QWidget* now) {
  // No focus at all (another application, a closing window): not a leave.
  if (!now) return;
  QWidget* window = now->window();
  TrackOf(window);
  if (quiet_ > 0) return;  // settled when the scope ends
  // A window that is no longer shown (a dialog just closed, whose activation
  // the window system delivers late) has no box the user could leave.
  Settle(window, /*quiet=*/!window->isVisible());
}

namespace {
// A box the program has hidden or disabled has lost the focus, whether Qt
// has moved it yet or not: it does not while the window is inactive, and
// moves it only when the window is activated again.
bool CanHoldFocus(const QWidget* box, const QWidget* window) {
  return box->isEnabled() && box->isVisibleTo(window);
}
}  // namespace

void FocusBinder::Settle(QWidget* window, bool quiet) {
  Track& track = TrackOf(window);
  if (track.leaving) return;  // the running leave settles when it returns
  QWidget* focused = BoundFor(window->focusWidget());
  if (focused != nullptr && !CanHoldFocus(focused, window)) focused = nullptr;
  QWidget* entered = track.entered;
  if (focused == entered) return;
  if (entered) {
    track.entered = nullptr;
    // The user leaves only a box that can hold the focus.
    if (quiet || !CanHoldFocus(entered, window)) {
      Run(entered, &Hooks::abandon);
    } else {
      QPointer<QWidget> guard(window);
      track.leaving = true;
      Run(entered, &Hooks::leave);
      if (!guard) return;
      TrackOf(window).leaving = false;
      // The leave may have put the focus back (or elsewhere).
      focused = BoundFor(window->focusWidget());
    }
  }
  if (focused) {
    TrackOf(window).entered = focused;
    Run(focused, &Hooks::enter);
  }
}

QWidget* FocusBinder::BoundFor(QWidget* w) const {
  for (; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (hooks_.count(w)) return w;
  }
  return nullptr;
}

FocusBinder::Track& FocusBinder::TrackOf(QWidget* window) {
  auto it = tracks_.find(window);
  if (it == tracks_.end()) {
    it = tracks_.emplace(window, Track{}).first;
    connect(window, &QObject::destroyed, this, [this, window] { tracks_.erase(window); });
  }
  return it->second;
}

void FocusBinder::Run(QWidget* box, std::function<void()> Hooks::*which) {
  const auto it = hooks_.find(box);
  if (it == hooks_.end()) return;
  // A copy: the handler may rebind or destroy boxes.
  const std::function<void()> handler = it->second.*which;
  if (handler) handler();
}

}  // namespace tamrel
