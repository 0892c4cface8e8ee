#pragma once
// The picture box pic20 of the main window: shows the geometry sketch of
// the current cylinder type.

#include <QWidget>

#include "platform/pictures.h"

namespace tamrel {

class SketchBox : public QWidget {
  Q_OBJECT

 public:
  explicit SketchBox(QWidget* parent = nullptr);
  void SetSketch(GeometrySketch sketch);
  GeometrySketch Sketch() const { return sketch_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GeometrySketch sketch_ = GeometrySketch::pic20;
};

}  // namespace tamrel
