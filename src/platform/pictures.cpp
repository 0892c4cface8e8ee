#include "platform/pictures.h"

#include <QFontMetricsF>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <QSvgRenderer>
#include <QtMath>
#include <cmath>

#include "calc/design_state.h"

namespace tamrel {

namespace {

const QColor kInk(20, 20, 20);
const QColor kShellGrey(150, 150, 150);
const QColor kStiffenerBlue(30, 90, 200);
const QColor kRingOrange(225, 125, 20);
const QColor kDimension(0, 0, 140);

// Draws in a fixed logical size w x h, scaled into r.
class Canvas {
 public:
  Canvas(QPainter& p, const QRectF& r, double w, double h) : p_(p) {
    p_.save();
    p_.translate(r.topLeft());
    p_.scale(r.width() / w, r.height() / h);
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
  }
  ~Canvas() { p_.restore(); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

 private:
  QPainter& p_;
};

QFont PixelFont(double px, bool bold = false, bool italic = false) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QPen Pen(const QColor& c, double width, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(c, width, style, Qt::FlatCap, Qt::MiterJoin);
  return pen;
}

void ArrowHead(QPainter& p, QPointF tip, QPointF from, double size) {
  const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
  const QPointF a = tip - QPointF(std::cos(angle - 0.4) * size, std::sin(angle - 0.4) * size);
  const QPointF b = tip - QPointF(std::cos(angle + 0.4) * size, std::sin(angle + 0.4) * size);
  p.save();
  p.setBrush(p.pen().color());
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({tip, a, b}));
  p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, double head = 6.0) {
  p.drawLine(from, to);
  ArrowHead(p, to, from, head);
}

// A dimension line with arrows at both ends and its letter beside it.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& label, QPointF labelAt) {
  p.save();
  p.setPen(Pen(kDimension, 1.0));
  p.drawLine(a, b);
  ArrowHead(p, a, b, 6.0);
  ArrowHead(p, b, a, 6.0);
  p.setFont(PixelFont(13, false, true));
  p.drawText(QRectF(labelAt.x() - 20, labelAt.y() - 10, 40, 20), Qt::AlignCenter, label);
  p.restore();
}

void Text(QPainter& p, const QRectF& box, const QString& text, double px, bool bold = false,
          int flags = Qt::AlignCenter) {
  p.save();
  p.setPen(kInk);
  p.setFont(PixelFont(px, bold));
  p.drawText(box, flags | Qt::TextWordWrap, text);
  p.restore();
}

// ---- Geometry sketches (281 x 420) ----

struct Cylinder {
  double cx = 150, rx = 68, ry = 16, top = 70, bottom = 292;
  QRectF Ellipse(double y, double scale = 1.0) const {
    return QRectF(cx - rx * scale, y - ry * scale, 2 * rx * scale, 2 * ry * scale);
  }
  double X(double degrees) const { return cx + rx * std::sin(qDegreesToRadians(degrees)); }
  double FrontY(double y, double degrees) const {
    return y + ry * std::cos(qDegreesToRadians(degrees));
  }
};

void DrawShell(QPainter& p, const Cylinder& c) {
  // Centre line.
  p.setPen(Pen(kInk, 0.8, Qt::DashDotLine));
  p.drawLine(QPointF(c.cx, c.top - 34), QPointF(c.cx, c.bottom + 32));
  // Wall: outer and inner surfaces, the thickness t between them.
  p.setPen(Pen(kInk, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c.Ellipse(c.top));
  p.setPen(Pen(kInk, 0.8));
  p.drawEllipse(c.Ellipse(c.top, 0.95));
  p.setPen(Pen(kInk, 1.6));
  p.drawLine(QPointF(c.cx - c.rx, c.top), QPointF(c.cx - c.rx, c.bottom));
  p.drawLine(QPointF(c.cx + c.rx, c.top), QPointF(c.cx + c.rx, c.bottom));
  p.drawArc(c.Ellipse(c.bottom), 180 * 16, 180 * 16);
  p.setPen(Pen(kInk, 0.8, Qt::DashLine));
  p.drawArc(c.Ellipse(c.bottom), 0, 180 * 16);
  // Radius r to the mid-plane of the wall.
  p.setPen(Pen(kDimension, 1.0));
  Arrow(p, QPointF(c.cx, c.top), QPointF(c.cx + c.rx * 0.975, c.top));
  p.setFont(PixelFont(13, false, true));
  p.drawText(QRectF(c.cx + 14, c.top - 18, 30, 16), Qt::AlignCenter, QStringLiteral("r"));
  // Wall thickness t with a leader to the wall.
  p.drawLine(QPointF(c.cx + c.rx * 0.97, c.top - c.ry * 0.6),
             QPointF(c.cx + c.rx + 22, c.top - c.ry - 12));
  p.drawText(QRectF(c.cx + c.rx + 20, c.top - c.ry - 26, 20, 16), Qt::AlignCenter,
             QStringLiteral("t"));
  // Length L.
  const double x = c.cx - c.rx - 28;
  p.setPen(Pen(kDimension, 0.6));
  p.drawLine(QPointF(c.cx - c.rx - 4, c.top), QPointF(x - 6, c.top));
  p.drawLine(QPointF(c.cx - c.rx - 4, c.bottom), QPointF(x - 6, c.bottom));
  Dimension(p, QPointF(x, c.top), QPointF(x, c.bottom), QStringLiteral("L"),
            QPointF(x - 14, (c.top + c.bottom) / 2));
}

void DrawRings(QPainter& p, const Cylinder& c, bool outside) {
  const double ys[] = {130, 190, 250};
  for (double y : ys) {
    if (outside) {
      p.setPen(Pen(kRingOrange, 3.0));
      p.drawArc(c.Ellipse(y, 1.06), 180 * 16, 180 * 16);
      p.setPen(Pen(kRingOrange, 1.0));
      p.setBrush(kRingOrange);
      p.drawRect(QRectF(c.cx - c.rx * 1.12, y - 2, c.rx * 0.12, 4));
      p.drawRect(QRectF(c.cx + c.rx, y - 2, c.rx * 0.12, 4));
      p.setBrush(Qt::NoBrush);
    } else {
      p.setPen(Pen(kRingOrange, 2.0, Qt::DashLine));
      p.drawArc(c.Ellipse(y, 0.92), 180 * 16, 180 * 16);
      p.drawLine(QPointF(c.cx - c.rx, y), QPointF(c.cx - c.rx * 0.86, y));
      p.drawLine(QPointF(c.cx + c.rx * 0.86, y), QPointF(c.cx + c.rx, y));
    }
  }
  const double x = c.cx + c.rx + 30;
  p.setPen(Pen(kDimension, 0.6));
  p.drawLine(QPointF(c.cx + c.rx + 6, ys[0]), QPointF(x + 6, ys[0]));
  p.drawLine(QPointF(c.cx + c.rx + 6, ys[1]), QPointF(x + 6, ys[1]));
  Dimension(p, QPointF(x, ys[0]), QPointF(x, ys[1]), QStringLiteral("l"),
            QPointF(x + 12, (ys[0] + ys[1]) / 2));
}

void DrawStringers(QPainter& p, const Cylinder& c, bool outside) {
  const double angles[] = {-60, -30, 0, 30, 60};
  p.setPen(outside ? Pen(kStiffenerBlue, 2.2) : Pen(kStiffenerBlue, 1.4, Qt::DashLine));
  for (double a : angles) {
    p.drawLine(QPointF(c.X(a), c.FrontY(c.top, a)), QPointF(c.X(a), c.FrontY(c.bottom, a)));
  }
  // The stringers all round, seen on the top edge.
  p.setPen(Pen(kStiffenerBlue, 2.0));
  for (int i = 0; i < 16; ++i) {
    const double t = 2.0 * M_PI * i / 16.0;
    const double k0 = 1.0;
    const double k1 = outside ? 1.12 : 0.86;
    const QPointF a(c.cx + c.rx * k0 * std::sin(t), c.top + c.ry * k0 * std::cos(t));
    const QPointF b(c.cx + c.rx * k1 * std::sin(t), c.top + c.ry * k1 * std::cos(t));
    p.drawLine(a, b);
  }
  const double y = c.bottom + c.ry + 14;
  p.setPen(Pen(kDimension, 0.6));
  p.drawLine(QPointF(c.X(0), c.FrontY(c.bottom, 0) + 2), QPointF(c.X(0), y + 4));
  p.drawLine(QPointF(c.X(30), c.FrontY(c.bottom, 30) + 2), QPointF(c.X(30), y + 4));
  Dimension(p, QPointF(c.X(0), y), QPointF(c.X(30), y), QStringLiteral("s"),
            QPointF((c.X(0) + c.X(30)) / 2, y + 11));
}

// A cross-section through the shell plating with the profiles on the
// stiffening side.
void DrawDetail(QPainter& p, double top, bool rings, bool stringers, bool outside) {
  const double plateY = outside ? top + 52 : top + 16;
  const double x0 = 40;
  const double x1 = 250;
  p.setPen(Pen(kInk, 0.8));
  p.setBrush(kShellGrey);
  p.drawRect(QRectF(x0, plateY, x1 - x0, 5));
  p.setBrush(Qt::NoBrush);
  p.setFont(PixelFont(10));
  p.setPen(kInk);
  p.drawText(QRectF(x0, outside ? plateY + 6 : plateY - 15, 100, 13), Qt::AlignLeft,
             QStringLiteral("shell plating"));
  const double dir = outside ? -1.0 : 1.0;  // profiles grow away from the plate
  const double base = outside ? plateY : plateY + 5;
  auto tee = [&](double x, double depth, double flange, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double webTop = std::min(base, base + dir * depth);
    p.drawRect(QRectF(x - 1.5, webTop, 3, depth));
    const double fy = base + dir * depth - (outside ? 0 : 3);
    p.drawRect(QRectF(x - flange / 2, outside ? fy - 3 : fy, flange, 3));
    p.setBrush(Qt::NoBrush);
  };
  if (stringers) {
    tee(110, 22, 14, kStiffenerBlue);
    p.setPen(kStiffenerBlue);
    p.drawText(QRectF(78, outside ? base - 38 : base + 24, 70, 13), Qt::AlignCenter,
               QStringLiteral("stiffener"));
  }
  if (rings) {
    tee(190, 34, 22, kRingOrange);
    p.setPen(kRingOrange);
    p.drawText(QRectF(150, outside ? base - 50 : base + 36, 80, 13), Qt::AlignCenter,
               QStringLiteral("ring frame"));
  }
  p.setPen(kInk);
  p.setFont(PixelFont(10, false, true));
  p.drawText(QRectF(x1 - 60, top, 60, 12), Qt::AlignRight, QStringLiteral("outside"));
  p.drawText(QRectF(x1 - 60, top + 62, 60, 12), Qt::AlignRight, QStringLiteral("inside"));
}

void DrawMoment(QPainter& p, QPointF centre, bool clockwise, const QString& label,
                QPointF labelAt) {
  const double radius = 12;
  QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  p.setPen(Pen(kStiffenerBlue, 1.4));
  const int start = 200;
  const int span = clockwise ? -250 : 250;
  p.drawArc(box, start * 16, span * 16);
  const double end = qDegreesToRadians(static_cast<double>(start + span));
  const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
  const double back = qDegreesToRadians(static_cast<double>(start + span - (clockwise ? -20 : 20)));
  const QPointF from(centre.x() + radius * std::cos(back), centre.y() - radius * std::sin(back));
  ArrowHead(p, tip, from, 6);
  p.setFont(PixelFont(11));
  p.setPen(kInk);
  p.drawText(QRectF(labelAt.x() - 20, labelAt.y() - 8, 40, 16), Qt::AlignCenter, label);
}

void DrawColumn(QPainter& p) {
  Cylinder c;
  c.top = 92;
  c.bottom = 282;
  DrawShell(p, c);
  // Axial force N at both ends.
  p.setPen(Pen(kStiffenerBlue, 2.0));
  Arrow(p, QPointF(c.cx, c.top - c.ry - 34), QPointF(c.cx, c.top - c.ry - 4), 8);
  Arrow(p, QPointF(c.cx, c.bottom + c.ry + 34), QPointF(c.cx, c.bottom + c.ry + 4), 8);
  p.setPen(kInk);
  p.setFont(PixelFont(12, true));
  p.drawText(QRectF(c.cx + 6, c.top - c.ry - 38, 24, 16), Qt::AlignLeft, QStringLiteral("N"));
  p.drawText(QRectF(c.cx + 6, c.bottom + c.ry + 20, 24, 16), Qt::AlignLeft, QStringLiteral("N"));
  // End moments about axes 1 and 2.
  DrawMoment(p, QPointF(c.cx - 40, c.top - 30), true, QStringLiteral("M1a"),
             QPointF(c.cx - 68, c.top - 36));
  DrawMoment(p, QPointF(c.cx + 40, c.top - 30), false, QStringLiteral("M2a"),
             QPointF(c.cx + 68, c.top - 36));
  DrawMoment(p, QPointF(c.cx - 40, c.bottom + 32), false, QStringLiteral("M1b"),
             QPointF(c.cx - 68, c.bottom + 38));
  DrawMoment(p, QPointF(c.cx + 40, c.bottom + 32), true, QStringLiteral("M2b"),
             QPointF(c.cx + 68, c.bottom + 38));
  // Cross-section with the axes.
  const QPointF o(c.cx, 376);
  p.setPen(Pen(kInk, 1.6));
  p.drawEllipse(o, 22, 22);
  p.setPen(Pen(kInk, 0.8));
  p.drawEllipse(o, 19, 19);
  p.setPen(Pen(kDimension, 1.2));
  Arrow(p, o - QPointF(34, 0), o + QPointF(40, 0));
  Arrow(p, o + QPointF(0, 34), o - QPointF(0, 38));
  p.setFont(PixelFont(12, false, true));
  p.drawText(QRectF(o.x() + 40, o.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("1"));
  p.drawText(QRectF(o.x() + 4, o.y() - 44, 16, 16), Qt::AlignCenter, QStringLiteral("2"));
  p.setFont(PixelFont(10));
  p.setPen(kInk);
  p.drawText(QRectF(o.x() - 130, o.y() - 7, 90, 14), Qt::AlignRight,
             QStringLiteral("section axes"));
}

QString SketchTitle(GeometrySketch s) {
  switch (s) {
    case GeometrySketch::pic20: return QStringLiteral("Unstiffened cylinder");
    case GeometrySketch::pic21: return QStringLiteral("Ring stiffened cylinder\nstiffening inside");
    case GeometrySketch::pic26:
      return QStringLiteral("Ring stiffened cylinder\nstiffening outside");
    case GeometrySketch::pic22:
      return QStringLiteral("Stringer stiffened cylinder\nstiffening inside");
    case GeometrySketch::pic27:
      return QStringLiteral("Stringer stiffened cylinder\nstiffening outside");
    case GeometrySketch::pic30: return QStringLiteral("Column buckling");
  }
  return {};
}

}  // namespace

std::optional<GeometrySketch> GeometrySketchFor(std::int16_t cyltype, bool outside) {
  switch (cyltype) {
    case kCylinder: return GeometrySketch::pic20;
    case kRingStiffened: return outside ? GeometrySketch::pic26 : GeometrySketch::pic21;
    case kStringerStiffened: return outside ? GeometrySketch::pic27 : GeometrySketch::pic22;
    case kColumnBuckling: return GeometrySketch::pic30;
    default: return std::nullopt;
  }
}

const char* GeometrySketchName(GeometrySketch sketch) {
  switch (sketch) {
    case GeometrySketch::pic20: return "pic20";
    case GeometrySketch::pic21: return "pic21";
    case GeometrySketch::pic26: return "pic26";
    case GeometrySketch::pic22: return "pic22";
    case GeometrySketch::pic27: return "pic27";
    case GeometrySketch::pic30: return "pic30";
  }
  return "";
}

void DrawGeometrySketch(QPainter& p, const QRectF& r, GeometrySketch sketch) {
  p.fillRect(r, Qt::white);
  Canvas canvas(p, r, 281, 420);
  Text(p, QRectF(0, 2, 281, 34), SketchTitle(sketch), 12, true);
  const bool outside = sketch == GeometrySketch::pic26 || sketch == GeometrySketch::pic27;
  const bool rings = sketch != GeometrySketch::pic20 && sketch != GeometrySketch::pic30;
  const bool stringers = sketch == GeometrySketch::pic22 || sketch == GeometrySketch::pic27;
  if (sketch == GeometrySketch::pic30) {
    DrawColumn(p);
    return;
  }
  Cylinder c;
  DrawShell(p, c);
  if (rings) DrawRings(p, c, outside);
  if (stringers) DrawStringers(p, c, outside);
  DrawDetail(p, 338, rings, stringers, outside);
}

// ---- Profile icons (32 x 32) ----

void DrawProfileIcon(QPainter& p, const QRectF& r, ProfileIcon icon) {
  Canvas canvas(p, r, 32, 32);
  p.setPen(Qt::NoPen);
  p.setBrush(kShellGrey);
  p.drawRect(QRectF(2, 3, 28, 4));
  const bool ring = static_cast<int>(icon) >= static_cast<int>(ProfileIcon::gird_l);
  const QColor colour = ring ? kRingOrange : kStiffenerBlue;
  p.setBrush(colour);
  switch (icon) {
    case ProfileIcon::stiff_l:
    case ProfileIcon::gird_l:
      p.drawRect(QRectF(12, 7, 3.5, 21));
      p.drawRect(QRectF(12, 24.5, 13, 3.5));
      break;
    case ProfileIcon::stiff_t:
    case ProfileIcon::gird_t:
      p.drawRect(QRectF(14.25, 7, 3.5, 18));
      p.drawRect(QRectF(7, 24.5, 18, 3.5));
      break;
    case ProfileIcon::stiff_f:
    case ProfileIcon::gird_f: p.drawRect(QRectF(14, 7, 4, 21)); break;
    case ProfileIcon::stiff_hp:
    case ProfileIcon::gird_hp: {
      QPainterPath bulb;
      bulb.moveTo(14, 7);
      bulb.lineTo(17, 7);
      bulb.lineTo(17, 19);
      bulb.cubicTo(21, 21, 22, 27, 19, 28);
      bulb.lineTo(14, 28);
      bulb.closeSubpath();
      p.drawPath(bulb);
      break;
    }
    case ProfileIcon::stiff_rhs:
    case ProfileIcon::gird_rhs:
      p.setBrush(Qt::NoBrush);
      p.setPen(Pen(colour, 3.0));
      p.drawRoundedRect(QRectF(9.5, 8.5, 13, 18), 3, 3);
      break;
    case ProfileIcon::stiff_u:
    case ProfileIcon::gird_u: {
      p.setBrush(Qt::NoBrush);
      QPen pen = Pen(colour, 3.0);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
      p.drawPolyline(
          QPolygonF({QPointF(6, 7), QPointF(11, 26.5), QPointF(21, 26.5), QPointF(26, 7)}));
      break;
    }
    case ProfileIcon::stiff_i:
    case ProfileIcon::gird_i:
      p.drawRect(QRectF(8, 7, 16, 3.5));
      p.drawRect(QRectF(14.25, 10.5, 3.5, 14));
      p.drawRect(QRectF(8, 24.5, 16, 3.5));
      break;
  }
}

QPixmap ProfileIconPixmap(ProfileIcon icon, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  DrawProfileIcon(p, QRectF(0, 0, size, size), icon);
  return pm;
}

QPixmap InfoButtonPixmap(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  Canvas canvas(p, QRectF(0, 0, size, size), 16, 16);
  p.setPen(Pen(QColor(10, 50, 140), 0.8));
  p.setBrush(QColor(40, 100, 200));
  p.drawEllipse(QRectF(0.8, 0.8, 14.4, 14.4));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(7, 3, 2.2, 2.2));
  p.drawRect(QRectF(7.1, 6.5, 2.0, 6.5));
  return pm;
}

// ---- Information pictures ----

namespace {

// One horizontal cylinder (elevation) between x0 and x1 with light rings.
void HorizontalShell(QPainter& p, double x0, double x1, double yc, double halfH) {
  p.setPen(Pen(kInk, 1.5));
  p.drawLine(QPointF(x0, yc - halfH), QPointF(x1, yc - halfH));
  p.drawLine(QPointF(x0, yc + halfH), QPointF(x1, yc + halfH));
  p.setPen(Pen(kInk, 0.7, Qt::DashDotLine));
  p.drawLine(QPointF(x0 - 14, yc), QPointF(x1 + 14, yc));
  p.setPen(Pen(kRingOrange, 1.2));
  for (double x = x0 + 22; x < x1 - 10; x += 22) {
    p.drawLine(QPointF(x, yc - halfH), QPointF(x, yc - halfH + 6));
    p.drawLine(QPointF(x, yc + halfH), QPointF(x, yc + halfH - 6));
  }
}

void LengthMark(QPainter& p, double x0, double x1, double y) {
  p.setPen(Pen(kDimension, 0.6));
  p.drawLine(QPointF(x0, y - 30), QPointF(x0, y + 5));
  p.drawLine(QPointF(x1, y - 30), QPointF(x1, y + 5));
  Dimension(p, QPointF(x0, y), QPointF(x1, y), QStringLiteral("L"), QPointF((x0 + x1) / 2, y + 11));
}

// Auto-fitting table text: the largest font size (down to 6 px) for which
// every cell fits its rectangle.
struct Cell {
  QRectF box;
  QString text;
  bool bold = false;
  int align = Qt::AlignLeft | Qt::AlignVCenter;
};

double FitFont(const std::vector<Cell>& cells, double start) {
  for (double px = start; px > 6.0; px -= 0.5) {
    bool fits = true;
    for (const Cell& c : cells) {
      const QFontMetricsF m(PixelFont(px, c.bold));
      const QRectF need =
          m.boundingRect(c.box.adjusted(3, 1, -3, -1), Qt::TextWordWrap | c.align, c.text);
      if (need.width() > c.box.width() - 4 || need.height() > c.box.height() - 1) {
        fits = false;
        break;
      }
    }
    if (fits) return px;
  }
  return 6.0;
}

void DrawCells(QPainter& p, const std::vector<Cell>& cells, double px, bool grid) {
  for (const Cell& c : cells) {
    if (grid) {
      p.setPen(Pen(kInk, 0.8));
      p.setBrush(Qt::NoBrush);
      p.drawRect(c.box);
    }
    p.setPen(kInk);
    p.setFont(PixelFont(px, c.bold));
    p.drawText(c.box.adjusted(3, 1, -3, -1), Qt::TextWordWrap | c.align, c.text);
  }
}

}  // namespace

void DrawCylinderLengthInfo(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  Canvas canvas(p, r, 371, 544);
  Text(p, QRectF(8, 6, 355, 36),
       QStringLiteral("L = distance between effective supports of the cylinder"), 14, true);
  Text(p, QRectF(8, 42, 355, 20), QStringLiteral("Effective supports may be types A-C"), 12);

  const double x0 = 80;
  const double x1 = 290;
  const double halfH = 30;
  auto heading = [&](double y0, const QString& text) {
    Text(p, QRectF(8, y0, 355, 18), text, 12, true, Qt::AlignLeft | Qt::AlignVCenter);
  };
  // A: end closures of depth H; L ends 0.4 H inside each closure.
  {
    const double y0 = 72;
    const double yc = y0 + 72;
    heading(y0, QStringLiteral("A:  End closures"));
    HorizontalShell(p, x0, x1, yc, halfH);
    const double H = 36;
    p.setPen(Pen(kInk, 1.5));
    p.drawArc(QRectF(x0 - H, yc - halfH, 2 * H, 2 * halfH), 90 * 16, 180 * 16);
    p.drawArc(QRectF(x1 - H, yc - halfH, 2 * H, 2 * halfH), 270 * 16, 180 * 16);
    const double line1 = yc + halfH + 12;
    p.setPen(Pen(kDimension, 0.6));
    p.drawLine(QPointF(x0 - H, yc), QPointF(x0 - H, line1 + 4));
    p.drawLine(QPointF(x0, yc + halfH), QPointF(x0, line1 + 4));
    p.drawLine(QPointF(x1, yc + halfH), QPointF(x1, line1 + 4));
    p.drawLine(QPointF(x1 + 0.4 * H, yc + halfH - 4), QPointF(x1 + 0.4 * H, line1 + 4));
    Dimension(p, QPointF(x0 - H, line1), QPointF(x0, line1), QStringLiteral("H"),
              QPointF(x0 - H / 2, line1 + 10));
    p.save();
    p.setPen(Pen(kDimension, 1.0));
    p.drawLine(QPointF(x1, line1), QPointF(x1 + 0.4 * H, line1));
    p.setFont(PixelFont(11, false, true));
    p.drawText(QRectF(x1 + 0.4 * H + 4, line1 - 8, 50, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("0.4 H"));
    p.restore();
    LengthMark(p, x0 - 0.4 * H, x1 + 0.4 * H, line1 + 24);
  }
  // B: bulkheads.
  {
    const double y0 = 236;
    const double yc = y0 + 72;
    heading(y0, QStringLiteral("B:  Bulkheads"));
    HorizontalShell(p, x0 - 50, x1 + 50, yc, halfH);
    p.setPen(Qt::NoPen);
    p.setBrush(kShellGrey);
    p.drawRect(QRectF(x0 - 3, yc - halfH, 6, 2 * halfH));
    p.drawRect(QRectF(x1 - 3, yc - halfH, 6, 2 * halfH));
    p.setBrush(Qt::NoBrush);
    Text(p, QRectF(x0 - 50, yc - halfH - 18, 100, 16), QStringLiteral("bulkhead"), 10);
    Text(p, QRectF(x1 - 50, yc - halfH - 18, 100, 16), QStringLiteral("bulkhead"), 10);
    LengthMark(p, x0, x1, yc + halfH + 18);
  }
  // C: heavy ring frames.
  {
    const double y0 = 392;
    const double yc = y0 + 72;
    heading(y0, QStringLiteral("C:  Heavy ring frames"));
    HorizontalShell(p, x0 - 50, x1 + 50, yc, halfH);
    p.setPen(Qt::NoPen);
    p.setBrush(kRingOrange);
    for (double x : {x0, x1}) {
      p.drawRect(QRectF(x - 2.5, yc - halfH, 5, 16));
      p.drawRect(QRectF(x - 2.5, yc + halfH - 16, 5, 16));
      p.drawRect(QRectF(x - 8, yc - halfH + 14, 16, 3));
      p.drawRect(QRectF(x - 8, yc + halfH - 17, 16, 3));
    }
    p.setBrush(Qt::NoBrush);
    Text(p, QRectF(x0 - 60, yc - halfH - 18, 120, 16), QStringLiteral("heavy ring frame"), 10);
    Text(p, QRectF(x1 - 60, yc - halfH - 18, 120, 16), QStringLiteral("heavy ring frame"), 10);
    LengthMark(p, x0, x1, yc + halfH + 18);
  }
}

void DrawLoadingConditionsTable(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  Canvas canvas(p, r, 500, 144);
  const QStringList conditions = {
      QStringLiteral("Functional loads"),
      QStringLiteral("Maximum combination of environmental loads and associated functional loads"),
      QStringLiteral("Accidental loads and associated functional loads"),
      QStringLiteral("Annual most probable value of environmental loads and associated functional "
                     "loads after credible failures, or after accidental events"),
      QStringLiteral("Annual most probable value of environmental loads and associated functional "
                     "loads in a heeled condition corresponding to accidental flooding"),
  };
  std::vector<Cell> cells;
  cells.push_back({QRectF(4, 2, 492, 18), QStringLiteral("Table D1  Loading conditions"), true});
  const double heights[] = {15, 18, 15, 27, 27};
  double y = 21;
  cells.push_back({QRectF(4, y, 70, 15), QStringLiteral("Condition"), true});
  cells.push_back({QRectF(74, y, 422, 15), QStringLiteral("Loads"), true});
  y += 15;
  const char letters[] = "abcde";
  for (int i = 0; i < 5; ++i) {
    cells.push_back({QRectF(4, y, 70, heights[i]), QString(QChar(letters[i])) + QStringLiteral(")"),
                     false, Qt::AlignHCenter | Qt::AlignVCenter});
    cells.push_back({QRectF(74, y, 422, heights[i]), conditions[i]});
    y += heights[i];
  }
  const double px = FitFont(cells, 11);
  // The title has no grid; the table cells have.
  DrawCells(p, {cells.front()}, px + 1, false);
  DrawCells(p, std::vector<Cell>(cells.begin() + 1, cells.end()), px, true);
}

void DrawBasicUsageFactorTable(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  Canvas canvas(p, r, 500, 113);
  std::vector<Cell> cells;
  cells.push_back(
      {QRectF(4, 2, 492, 18), QStringLiteral("Table E1  Basic usage factors \u03b7\u2080"), true});
  const double y0 = 22;
  const double y1 = 40;
  const double labelW = 142;
  const double colW = (492 - labelW) / 5;
  cells.push_back({QRectF(4, y0, labelW, 18), QStringLiteral("Loading conditions"), true});
  cells.push_back({QRectF(4, y1, labelW, 18), QStringLiteral("\u03b7\u2080"), true});
  const char* factors[] = {"0.60", "0.80", "1.00", "1.00", "1.00"};
  const char letters[] = "abcde";
  for (int i = 0; i < 5; ++i) {
    const double x = 4 + labelW + i * colW;
    cells.push_back({QRectF(x, y0, colW, 18), QString(QChar(letters[i])) + QStringLiteral(")"),
                     true, Qt::AlignCenter});
    cells.push_back(
        {QRectF(x, y1, colW, 18), QString::fromLatin1(factors[i]), false, Qt::AlignCenter});
  }
  cells.push_back({QRectF(4, 62, 492, 48),
                   QStringLiteral("Note: For units unmanned during extreme environmental "
                                  "conditions, the basic usage factor \u03b7\u2080 may be taken "
                                  "as 0.84 for loading condition b)."),
                   false, Qt::AlignLeft | Qt::AlignTop});
  const double px = FitFont(cells, 12);
  DrawCells(p, {cells.front()}, px + 1, false);
  DrawCells(p, std::vector<Cell>(cells.begin() + 1, cells.end() - 1), px, true);
  DrawCells(p, {cells.back()}, px, false);
}

// ---- Program icon and about-box logo ----

namespace {

// A ring-stiffened cylinder seen at a slant: the shell in blue-grey with
// its near end open, orange rings around it.
void StiffenedCylinder(QPainter& p, const QRectF& body, int rings) {
  const double rx = body.height() * 0.22;  // half width of the end ellipses
  const QRectF nearEnd(body.left(), body.top(), 2 * rx, body.height());
  const QRectF farEnd(body.right() - 2 * rx, body.top(), 2 * rx, body.height());
  QPainterPath shell;
  shell.moveTo(nearEnd.center().x(), body.top());
  shell.lineTo(farEnd.center().x(), body.top());
  shell.arcTo(farEnd, 90, -180);
  shell.lineTo(nearEnd.center().x(), body.bottom());
  shell.arcTo(nearEnd, 270, 180);
  QLinearGradient shade(body.topLeft(), body.bottomLeft());
  shade.setColorAt(0, QColor(200, 214, 232));
  shade.setColorAt(0.45, QColor(120, 146, 180));
  shade.setColorAt(1, QColor(60, 80, 112));
  p.setPen(Pen(QColor(30, 45, 70), body.height() * 0.03));
  p.setBrush(shade);
  p.drawPath(shell);
  const double step = (farEnd.center().x() - nearEnd.center().x()) / (rings + 1);
  p.setPen(Pen(kRingOrange, body.height() * 0.07));
  p.setBrush(Qt::NoBrush);
  for (int k = 1; k <= rings; ++k) {
    const QRectF ring = nearEnd.translated(k * step, 0);
    p.drawArc(ring, 90 * 16, -180 * 16);
  }
  p.setPen(Pen(QColor(30, 45, 70), body.height() * 0.03));
  p.setBrush(QColor(40, 52, 74));
  p.drawEllipse(nearEnd);
  p.setBrush(QColor(90, 108, 136));
  p.drawEllipse(
      nearEnd.adjusted(rx * 0.25, body.height() * 0.08, -rx * 0.25, -body.height() * 0.08));
}

}  // namespace

void DrawProgramIcon(QPainter& p, const QRectF& r) {
  // One picture for the windows and for the desktop's menus: the SVG file
  // that is also installed into the icon theme.
  QSvgRenderer icon(QStringLiteral(":/icons/tamrel.svg"));
  if (!icon.isValid()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  icon.render(&p, r);
  p.restore();
}

QPixmap ProgramIconPixmap(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  DrawProgramIcon(p, QRectF(0, 0, size, size));
  return pm;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ProgramIconPixmap(size));
  return icon;
}

void DrawAboutLogo(QPainter& p, const QRectF& r, const QColor& title) {
  p.fillRect(r, Qt::white);
  Canvas canvas(p, r, 150, 59);
  StiffenedCylinder(p, QRectF(4, 12, 58, 34), 4);
  p.setPen(title);
  p.setFont(PixelFont(22, true));
  p.drawText(QRectF(66, 6, 84, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tamrel"));
  p.setFont(PixelFont(11, true));
  p.drawText(QRectF(67, 32, 83, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("DNV-RP-C202"));
  p.setPen(Pen(kRingOrange, 2));
  p.drawLine(QPointF(67, 49), QPointF(146, 49));
}

}  // namespace tamrel
