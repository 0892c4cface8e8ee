#include "mainwindow/sketch_box.h"

#include <QPainter>

namespace tamrel {

SketchBox::SketchBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SketchBox::SetSketch(GeometrySketch sketch) {
  if (sketch == sketch_) return;
  sketch_ = sketch;
  update();
}

void SketchBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  DrawGeometrySketch(p, QRectF(rect()), sketch_);
}

}  // namespace tamrel
