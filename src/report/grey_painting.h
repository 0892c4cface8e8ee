#pragma once
// Drawing in shades of grey on another painter, for a printer set to
// grayscale. A painter begun on a GreyPaintDevice passes every drawing call
// on to the target painter as it comes, with each colour turned to the grey
// of the same lightness: pens, brushes and text colours, the stops of
// gradients, and the pixels of images, pixmaps and brush textures. Texts
// stay texts and lines stay lines, so that a grey page is drawn and printed
// like a colour one, only without colour.
//
// The device has the metrics of the target's device, so that what is drawn
// on it is laid out and measured as on the target. Coordinates are the
// target's as they stand when the grey painter begins (its transformation
// and clip); the target's state is as before when the grey painter ends.

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <memory>

class QPainter;

namespace tamrel {

// The grey of the same lightness, as a grayscale printer prints a colour;
// the alpha is kept.
QColor Grey(const QColor& colour);
// Every pixel turned to its grey, transparency kept; an image that is grey
// already is returned as it is.
QImage GreyImage(const QImage& image);

class GreyPaintEngine;

class GreyPaintDevice final : public QPaintDevice {
 public:
  // `target` is active; it must stay so while a painter draws on the device.
  explicit GreyPaintDevice(QPainter& target);
  ~GreyPaintDevice() override;
  GreyPaintDevice(const GreyPaintDevice&) = delete;
  GreyPaintDevice& operator=(const GreyPaintDevice&) = delete;

  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QPaintDevice& device_;
  std::unique_ptr<GreyPaintEngine> engine_;
};

}  // namespace tamrel
