#pragma once
// A section dialog of the started program, shown as the profile buttons
// show it, and where its placement puts it beside the main window.

#include <QApplication>
#include <QPointF>
#include <QRect>
#include <QTest>
#include <cstdint>

#include "dialogs/section_dialog.h"
#include "main_window_fixture.h"

namespace tamrel::testing {

// The section dialog of a member's code, shown as the profile buttons do,
// once it is active and framed.
inline SectionDialog* OpenDialog(StartedWindow& s, Member m, int code) {
  (m == Member::Stiffener ? s.ds.stifftype : s.ds.ringtype) = static_cast<std::int16_t>(code);
  if (m == Member::Stiffener) {
    s.w().SectionDialogSet().ShowStiffDialog();
  } else {
    s.w().SectionDialogSet().ShowRingDialog();
  }
  SectionDialog* d = s.w().SectionDialogSet().Existing(m, code);
  if (d == nullptr || d->Window() == nullptr) return nullptr;
  QWidget* window = d->Window();
  if (!QTest::qWaitFor([&] {
        return QApplication::activeWindow() == window &&
               window->frameGeometry() != window->geometry();
      })) {
    return nullptr;
  }
  return d;
}

// How far the dialog's outer frame stands from where the placement puts it:
// Top = main Top + (main Height / 2 - dialog Height / 2) and Left = main
// Left + f x (main Width - dialog Width), on the outer rectangles.
inline QPointF Misplacement(const QRect& main, const QRect& dialog, float f) {
  const double top = main.y() + (main.height() / 2.0 - dialog.height() / 2.0);
  const double left = main.x() + static_cast<double>(f) * (main.width() - dialog.width());
  return {dialog.x() - left, dialog.y() - top};
}

}  // namespace tamrel::testing
