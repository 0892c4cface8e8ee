#include "report/grey_painting.h"

#include <QBrush>
#include <QFont>
#include <QGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QRegion>
#include <QTransform>
#include <cmath>
#include <optional>
#include <vector>

namespace tamrel {

QColor Grey(const QColor& colour) {
  const int grey = qGray(colour.rgb());
  return QColor(grey, grey, grey, colour.alpha());
}

QImage GreyImage(const QImage& image) {
  if (image.isNull() || image.isGrayscale()) return image;
  const bool alpha = image.hasAlphaChannel();
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  QImage grey(image.size(), alpha ? QImage::Format_ARGB32 : QImage::Format_Grayscale8);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    uchar* out = grey.scanLine(y);
    for (int x = 0; x < argb.width(); ++x) {
      const int g = qGray(in[x]);
      if (alpha) {
        reinterpret_cast<QRgb*>(out)[x] = qRgba(g, g, g, qAlpha(in[x]));
      } else {
        out[x] = static_cast<uchar>(g);
      }
    }
  }
  grey.setDotsPerMeterX(image.dotsPerMeterX());
  grey.setDotsPerMeterY(image.dotsPerMeterY());
  grey.setDevicePixelRatio(image.devicePixelRatio());
  return grey;
}

namespace {

QBrush GreyBrush(const QBrush& brush) {
  if (const QGradient* gradient = brush.gradient()) {
    QGradient grey = *gradient;
    QGradientStops stops = gradient->stops();
    for (QGradientStop& stop : stops) stop.second = Grey(stop.second);
    grey.setStops(stops);
    QBrush greyBrush(grey);
    greyBrush.setTransform(brush.transform());
    return greyBrush;
  }
  QBrush grey = brush;
  // A texture of one bit per pixel is drawn in the brush's colour.
  if (brush.style() == Qt::TexturePattern && brush.textureImage().depth() > 1) {
    grey.setTextureImage(GreyImage(brush.textureImage()));
  } else {
    grey.setColor(Grey(brush.color()));
  }
  return grey;
}

QPen GreyPen(const QPen& pen) {
  QPen grey = pen;
  grey.setBrush(GreyBrush(pen.brush()));
  return grey;
}

// A bitmap (one bit per pixel) is drawn in the pen's colour, grey already.
QPixmap GreyPixmap(const QPixmap& pixmap) {
  if (pixmap.isNull() || pixmap.depth() == 1) return pixmap;
  return QPixmap::fromImage(GreyImage(pixmap.toImage()));
}

}  // namespace

// Passes each call on to the target painter. The painter of the grey device
// gives its whole state with every change (QPaintEngineState): pen, brush,
// transformation and clip are set on the target from it, the colours turned
// grey. The engine claims every feature, so that the grey painter hands
// over paths, gradients, texts and images as they were drawn, and the
// target's own engine renders them as it would have.
class GreyPaintEngine final : public QPaintEngine {
 public:
  explicit GreyPaintEngine(QPainter& target) : QPaintEngine(AllFeatures), target_(target) {}

  bool begin(QPaintDevice* /*device*/) override {
    target_.save();
    base_ = target_.worldTransform();
    baseClip_.reset();
    if (target_.hasClipping()) baseClip_ = target_.clipPath();
    baseOpacity_ = target_.opacity();
    clip_.clear();
    clipEnabled_ = false;
    return true;
  }

  bool end() override {
    target_.restore();
    return true;
  }

  Type type() const override { return User; }

  void updateState(const QPaintEngineState& painterState) override {
    const DirtyFlags flags = painterState.state();
    if (flags & DirtyPen) target_.setPen(GreyPen(painterState.pen()));
    if (flags & DirtyBrush) target_.setBrush(GreyBrush(painterState.brush()));
    if (flags & DirtyBrushOrigin) target_.setBrushOrigin(painterState.brushOrigin());
    if (flags & DirtyTransform) target_.setWorldTransform(painterState.transform() * base_);
    if (flags & DirtyHints) {
      target_.setRenderHints(target_.renderHints(), false);
      target_.setRenderHints(painterState.renderHints(), true);
    }
    if (flags & DirtyCompositionMode) target_.setCompositionMode(painterState.compositionMode());
    if (flags & DirtyOpacity) target_.setOpacity(baseOpacity_ * painterState.opacity());
    if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) UpdateClip(painterState);
    // The painter does not flag a change of the background; it stands in
    // the state all the same.
    target_.setBackgroundMode(painterState.backgroundMode());
    target_.setBackground(GreyBrush(painterState.backgroundBrush()));
  }

  void drawRects(const QRect* rects, int count) override { target_.drawRects(rects, count); }
  void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
  void drawLines(const QLine* lines, int count) override { target_.drawLines(lines, count); }
  void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
  void drawEllipse(const QRectF& rect) override { target_.drawEllipse(rect); }
  void drawEllipse(const QRect& rect) override { target_.drawEllipse(rect); }
  void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
  void drawPoints(const QPointF* points, int count) override { target_.drawPoints(points, count); }
  void drawPoints(const QPoint* points, int count) override { target_.drawPoints(points, count); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    DrawPolygon(points, count, mode);
  }
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
    DrawPolygon(points, count, mode);
  }

  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    target_.drawPixmap(rect, GreyPixmap(pixmap), source);
  }
  void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override {
    target_.drawTiledPixmap(rect, GreyPixmap(pixmap), offset);
  }
  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override {
    target_.drawImage(rect, GreyImage(image), source, flags);
  }

  // A run of text in one font on its baseline at `at`, drawn on the target
  // as text. Underline, overline and strike-out are drawn by the grey
  // painter itself, as lines that come here on their own.
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    QFont font = item.font();
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    target_.setFont(font);
    target_.setLayoutDirection(
        item.renderFlags().testFlag(QTextItem::RightToLeft) ? Qt::RightToLeft : Qt::LeftToRight);
    target_.drawText(at, item.text());
  }

 private:
  template <typename Point>
  void DrawPolygon(const Point* points, int count, PolygonDrawMode mode) {
    switch (mode) {
      case PolylineMode: target_.drawPolyline(points, count); break;
      case ConvexMode: target_.drawConvexPolygon(points, count); break;
      case OddEvenMode: target_.drawPolygon(points, count, Qt::OddEvenFill); break;
      case WindingMode: target_.drawPolygon(points, count, Qt::WindingFill); break;
    }
  }

  // A clip comes in the coordinates of the transformation it was set
  // under; it is kept in device coordinates and set on the target within
  // the clip the target had when the grey painter began.
  void UpdateClip(const QPaintEngineState& painterState) {
    const QTransform transform = painterState.transform();
    const DirtyFlags flags = painterState.state();
    if (flags & DirtyClipRegion) {
      QPainterPath region;
      region.addRegion(painterState.clipRegion());
      Clip(transform.map(region), painterState.clipOperation());
    }
    if (flags & DirtyClipPath)
      Clip(transform.map(painterState.clipPath()), painterState.clipOperation());
    clipEnabled_ = painterState.isClipEnabled();
    target_.setWorldTransform(base_);
    if (baseClip_) {
      target_.setClipPath(*baseClip_);
    } else {
      target_.setClipping(false);
    }
    if (clipEnabled_) {
      for (const QPainterPath& path : clip_) target_.setClipPath(path, Qt::IntersectClip);
    }
    target_.setWorldTransform(transform * base_);
  }

  void Clip(const QPainterPath& path, Qt::ClipOperation operation) {
    switch (operation) {
      case Qt::NoClip: clip_.clear(); break;
      case Qt::ReplaceClip: clip_ = {path}; break;
      case Qt::IntersectClip: clip_.push_back(path); break;
    }
  }

  QPainter& target_;
  QTransform base_;
  std::optional<QPainterPath> baseClip_;
  qreal baseOpacity_ = 1;
  // The clips to intersect, in device coordinates: the target's engine
  // intersects them as it would in colour.
  std::vector<QPainterPath> clip_;
  bool clipEnabled_ = false;
};

GreyPaintDevice::GreyPaintDevice(QPainter& target)
    : device_(*target.device()), engine_(std::make_unique<GreyPaintEngine>(target)) {}

GreyPaintDevice::~GreyPaintDevice() = default;

QPaintEngine* GreyPaintDevice::paintEngine() const {
  return engine_.get();
}

int GreyPaintDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth: return device_.width();
    case PdmHeight: return device_.height();
    case PdmWidthMM: return device_.widthMM();
    case PdmHeightMM: return device_.heightMM();
    case PdmNumColors: return device_.colorCount();
    case PdmDepth: return device_.depth();
    case PdmDpiX: return device_.logicalDpiX();
    case PdmDpiY: return device_.logicalDpiY();
    case PdmPhysicalDpiX: return device_.physicalDpiX();
    case PdmPhysicalDpiY: return device_.physicalDpiY();
    case PdmDevicePixelRatio: return static_cast<int>(std::lround(device_.devicePixelRatio()));
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(std::lround(device_.devicePixelRatio() * devicePixelRatioFScale()));
  }
  return QPaintDevice::metric(metric);
}

}  // namespace tamrel
