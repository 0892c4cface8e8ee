#pragma once
// The window of a section dialog: a fixed-size modeless dialog window owned
// by the main window, reporting its activation and its closing by the user;
// and the picture box pic1 that shows the dialog's profile sketch.

#include <QWidget>
#include <functional>

#include "platform/desktop.h"
#include "platform/profile_sketches.h"

namespace tamrel {

class SectionWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SectionWindow(QWidget* owner);

  std::function<void()> onActivated;     // the window became the active window
  std::function<void()> onCloseRequest;  // the user closes the window
  // Runs once, as soon as the window system has put a frame round the
  // shown window (its outer size is known only then); then it is cleared.
  std::function<void()> onFramed;

  // True once the window has a frame of the window system's around it.
  bool Framed() const { return HasWindowFrame(this); }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

// pic1: the profile sketch without a border of its own.
class ProfileSketchBox : public QWidget {
  Q_OBJECT

 public:
  ProfileSketchBox(ProfileSketch sketch, QWidget* parent);
  ProfileSketch Sketch() const { return sketch_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProfileSketch sketch_;
};

}  // namespace tamrel
