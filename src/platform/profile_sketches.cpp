#include "platform/profile_sketches.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "calc/design_state.h"

namespace tamrel {

const char* ProfileSketchName(ProfileSketch sketch) {
  static const char* const names[] = {
      "pic_stiff_L",  "pic_stiff_Lb",  "pic_stiff_t",   "pic_stiff_f",
      "pic_stiff_hp", "pic_stiff_rhs", "pic_stiff_usp", "pic_stiff_i",
      "pic_gird_L",   "pic_gird_Lb",   "pic_gird_t",    "pic_gird_f",
      "pic_gird_hp",  "pic_gird_rhs",  "pic_gird_usp",  "pic_gird_i"};
  return names[static_cast<int>(sketch)];
}

ProfileSketch SketchForProfile(bool ringFrame, int type) {
  static const ProfileSketch stiff[kProfileTypeCount] = {
      ProfileSketch::pic_stiff_L,  ProfileSketch::pic_stiff_Lb,  ProfileSketch::pic_stiff_t,
      ProfileSketch::pic_stiff_t,  ProfileSketch::pic_stiff_f,   ProfileSketch::pic_stiff_f,
      ProfileSketch::pic_stiff_hp, ProfileSketch::pic_stiff_rhs, ProfileSketch::pic_stiff_usp,
      ProfileSketch::pic_stiff_i};
  static const ProfileSketch gird[kProfileTypeCount] = {
      ProfileSketch::pic_gird_L,  ProfileSketch::pic_gird_Lb,  ProfileSketch::pic_gird_t,
      ProfileSketch::pic_gird_t,  ProfileSketch::pic_gird_f,   ProfileSketch::pic_gird_f,
      ProfileSketch::pic_gird_hp, ProfileSketch::pic_gird_rhs, ProfileSketch::pic_gird_usp,
      ProfileSketch::pic_gird_i};
  if (!IsProfileType(type)) type = 0;
  return ringFrame ? gird[type] : stiff[type];
}

bool IsRingFrameSketch(ProfileSketch sketch) {
  return static_cast<int>(sketch) >= static_cast<int>(ProfileSketch::pic_gird_L);
}

namespace {

// Every sketch is drawn on a 175 x 175 canvas: the shell plate as a grey
// strip along the top, the cross-section hanging below it from y = kPlate,
// dimension lines with their letters, and the section axes y (pointing
// left) and z (pointing down).
constexpr double kSide = 175.0;
constexpr double kPlateTop = 12.0;
constexpr double kPlate = 22.0;  // underside of the plate: where H starts

const QColor kInk(20, 20, 20);
const QColor kPlateGrey(175, 175, 175);
const QColor kPlateEdge(110, 110, 110);
const QColor kStiffenerBlue(30, 90, 200);
const QColor kRingOrange(225, 125, 20);
const QColor kDimension(0, 0, 140);
const QColor kAxis(60, 60, 60);

QFont PixelFont(double px, bool italic) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
  f.setItalic(italic);
  return f;
}

class Sketch {
 public:
  Sketch(QPainter& p, const QRectF& r, bool ring) : p_(p), ring_(ring) {
    p_.save();
    p_.translate(r.topLeft());
    p_.scale(r.width() / kSide, r.height() / kSide);
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.fillRect(QRectF(0, 0, kSide, kSide), Qt::white);
    p_.setPen(QPen(Qt::black, 1.0));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRectF(0.5, 0.5, kSide - 1.0, kSide - 1.0));
  }
  ~Sketch() { p_.restore(); }
  Sketch(const Sketch&) = delete;
  Sketch& operator=(const Sketch&) = delete;

  QPainter& painter() { return p_; }

  // The shell plate between x0 and x1.
  void Plate(double x0 = 8, double x1 = kSide - 8) {
    p_.setPen(QPen(kPlateEdge, 0.8));
    p_.setBrush(kPlateGrey);
    p_.drawRect(QRectF(x0, kPlateTop, x1 - x0, kPlate - kPlateTop));
  }

  // The profile's cross-section.
  void Profile(const QPainterPath& path) {
    const QColor fill = ring_ ? kRingOrange : kStiffenerBlue;
    p_.setPen(QPen(fill.darker(170), 0.9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p_.setBrush(fill);
    p_.drawPath(path);
  }
  void Profile(const QPolygonF& outline) {
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    Profile(path);
  }

  // A thin extension line from the profile to a dimension line.
  void Extension(QPointF a, QPointF b) {
    p_.setPen(QPen(kDimension, 0.5));
    p_.drawLine(a, b);
  }

  // A dimension line with arrows at both ends and its letter.
  void Dimension(QPointF a, QPointF b, const char* letter, QPointF at) {
    p_.setPen(QPen(kDimension, 0.8));
    p_.drawLine(a, b);
    Arrow(a, b);
    Arrow(b, a);
    Letter(letter, at);
  }

  // A small thickness between a and b, marked by two arrows pointing at it
  // from outside.
  void Thickness(QPointF a, QPointF b, const char* letter, QPointF at) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = len > 0 ? d / len : QPointF(1, 0);
    p_.setPen(QPen(kDimension, 0.8));
    p_.drawLine(a - 12 * u, a);
    p_.drawLine(b, b + 12 * u);
    Arrow(a, a - 12 * u);
    Arrow(b, b + 12 * u);
    Letter(letter, at);
  }

  // A letter with a leader line to what it names.
  void Leader(QPointF from, QPointF to, const char* letter, QPointF at) {
    p_.setPen(QPen(kDimension, 0.6));
    p_.drawLine(from, to);
    Letter(letter, at);
  }

  void Letter(const char* text, QPointF at) {
    Glyphs(QString::fromLatin1(text), PixelFont(11, true), kDimension, at);
  }

  // Axis y, horizontal, pointing left from x0 to its tip x1 (< x0).
  void AxisY(double y, double x0, double x1) {
    p_.setPen(QPen(kAxis, 0.7, Qt::DashDotLine));
    p_.drawLine(QPointF(x0, y), QPointF(x1, y));
    p_.setPen(QPen(kAxis, 0.7));
    Arrow(QPointF(x1, y), QPointF(x0, y));
    AxisLetter("y", QPointF(x1 + 4, y - 7));
  }

  // Axis z, vertical, pointing down from y0 to its tip y1 (> y0).
  void AxisZ(double x, double y0, double y1) {
    p_.setPen(QPen(kAxis, 0.7, Qt::DashDotLine));
    p_.drawLine(QPointF(x, y0), QPointF(x, y1));
    p_.setPen(QPen(kAxis, 0.7));
    Arrow(QPointF(x, y1), QPointF(x, y0));
    AxisLetter("z", QPointF(x + 7, y1 - 3));
  }

  // Two centred lines of plain text inside box.
  void Caption(const QRectF& box, const QString& first, const QString& second) {
    const QFont f = PixelFont(9.5, false);
    const double h = box.height() / 2;
    Glyphs(first, f, kInk, QPointF(box.center().x(), box.top() + h / 2));
    Glyphs(second, f, kInk, QPointF(box.center().x(), box.top() + 1.5 * h));
  }

 private:
  void AxisLetter(const char* text, QPointF at) {
    Glyphs(QString::fromLatin1(text), PixelFont(10, true), kAxis, at);
  }

  // Text centred on a point, drawn as outlines: the sketch is a picture,
  // also where it is printed, and carries no text of its own into a page.
  void Glyphs(const QString& text, const QFont& font, const QColor& colour, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QFontMetricsF fm(font);
    // Centre on the text's advance and its cap height, not its ink.
    const QPointF offset(centre.x() - fm.horizontalAdvance(text) / 2,
                         centre.y() + fm.capHeight() / 2);
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour);
    p_.drawPath(path.translated(offset));
    p_.restore();
  }

  // Arrow head at tip, coming from the direction of from.
  void Arrow(QPointF tip, QPointF from) {
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const double size = 5.0;
    const QPointF a = tip - QPointF(std::cos(angle - 0.4) * size, std::sin(angle - 0.4) * size);
    const QPointF b = tip - QPointF(std::cos(angle + 0.4) * size, std::sin(angle + 0.4) * size);
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(p_.pen().color());
    p_.setBrush(kDimension);
    p_.drawPolygon(QPolygonF({tip, a, b}));
    p_.restore();
  }

  QPainter& p_;
  bool ring_;
};

// ---- The profiles ----

// H at the right of the profile, from the plate to the free edge at y1.
void HeightOnRight(Sketch& s, double edgeX, double y1, double x = 152) {
  s.Extension(QPointF(edgeX + 2, y1), QPointF(x + 4, y1));
  s.Dimension(QPointF(x, kPlate), QPointF(x, y1), "H", QPointF(x + 10, (kPlate + y1) / 2));
}

// B under the profile between x0 and x1, whose lower edge is at y1.
void WidthBelow(Sketch& s, double x0, double x1, double y1, double y = 140) {
  s.Extension(QPointF(x0, y1 + 2), QPointF(x0, y + 4));
  s.Extension(QPointF(x1, y1 + 2), QPointF(x1, y + 4));
  s.Dimension(QPointF(x0, y), QPointF(x1, y), "B", QPointF((x0 + x1) / 2 + 10, y + 9));
}

// tf of a flange from y0 to y1 whose right end is at x0, measured at x.
void FlangeThickness(Sketch& s, double x0, double y0, double y1, double x) {
  s.Extension(QPointF(x0 + 2, y0), QPointF(x + 4, y0));
  s.Thickness(QPointF(x, y0), QPointF(x, y1), "tf", QPointF(x + 11, y0 - 9));
}

// tw of a web from x0 to x1, measured at y.
void WebThickness(Sketch& s, double x0, double x1, double y, QPointF at) {
  s.Thickness(QPointF(x0, y), QPointF(x1, y), "tw", at);
}

// L: web against the plate, flange at the free end to the right; the
// rolled section has a rounded root, the built-up one a square corner.
void DrawAngle(Sketch& s, bool rolled) {
  const double x0 = 58, tw = 7, x1 = 120, tf = 11, y1 = 126;
  s.Plate();
  QPainterPath path;
  path.moveTo(x0, kPlate);
  path.lineTo(x0 + tw, kPlate);
  if (rolled) {
    const double r = 7;
    path.lineTo(x0 + tw, y1 - tf - r);
    path.quadTo(x0 + tw, y1 - tf, x0 + tw + r, y1 - tf);
  } else {
    path.lineTo(x0 + tw, y1 - tf);
  }
  path.lineTo(x1, y1 - tf);
  path.lineTo(x1, y1);
  path.lineTo(x0, y1);
  path.closeSubpath();
  s.Profile(path);
  HeightOnRight(s, x1, y1);
  WidthBelow(s, x0, x1, y1);
  FlangeThickness(s, x1, y1 - tf, y1, 130);
  WebThickness(s, x0, x0 + tw, 52, QPointF(x0 + tw + 24, 44));
  s.AxisZ(x0 + tw / 2, kPlate + 4, 166);
  s.AxisY(94, 112, 14);
}

// T: web centred on a flange at the free end.
void DrawTee(Sketch& s) {
  const double xc = 88, tw = 7, b = 72, tf = 11, y1 = 126;
  s.Plate();
  const double x0 = xc - tw / 2, x1 = xc + tw / 2, f0 = xc - b / 2, f1 = xc + b / 2;
  s.Profile(QPolygonF({{x0, kPlate},
                       {x1, kPlate},
                       {x1, y1 - tf},
                       {f1, y1 - tf},
                       {f1, y1},
                       {f0, y1},
                       {f0, y1 - tf},
                       {x0, y1 - tf}}));
  HeightOnRight(s, f1, y1);
  WidthBelow(s, f0, f1, y1);
  FlangeThickness(s, f1, y1 - tf, y1, 134);
  WebThickness(s, x0, x1, 52, QPointF(x1 + 24, 44));
  s.AxisZ(xc, kPlate + 4, 166);
  s.AxisY(96, 128, 14);
}

// Flat bar: the web alone.
void DrawFlatbar(Sketch& s) {
  const double xc = 86, tw = 12, y1 = 126;
  s.Plate();
  s.Profile(QPolygonF(QRectF(xc - tw / 2, kPlate, tw, y1 - kPlate)));
  HeightOnRight(s, xc + tw / 2, y1);
  WebThickness(s, xc - tw / 2, xc + tw / 2, 60, QPointF(xc + tw / 2 + 24, 52));
  s.AxisZ(xc, kPlate + 4, 166);
  s.AxisY(74, 124, 14);
}

// Bulb flat (web, bulb width c beyond the web, bulb radius r) beside the
// equivalent angle (flange B x tf) the calculation uses.
void DrawBulbFlat(Sketch& s) {
  s.Plate();
  // The bulb flat.
  const double x0 = 26, tw = 6, y1 = 122, c = 15, r = 5;
  const double xw = x0 + tw, xb = xw + c;
  QPainterPath bulb;
  bulb.moveTo(x0, kPlate);
  bulb.lineTo(xw, kPlate);
  bulb.lineTo(xw, 88);
  bulb.cubicTo(xw + 4, 96, xb, 98, xb, 106);
  bulb.lineTo(xb, y1 - r);
  bulb.quadTo(xb, y1, xb - r, y1);
  bulb.lineTo(x0, y1);
  bulb.closeSubpath();
  s.Profile(bulb);
  s.Extension(QPointF(xb + 2, y1), QPointF(66, y1));
  s.Dimension(QPointF(62, kPlate), QPointF(62, y1), "H", QPointF(70, 62));
  WebThickness(s, x0, xw, 56, QPointF(48, 66));
  s.Extension(QPointF(xw, y1 + 2), QPointF(xw, 136));
  s.Extension(QPointF(xb, y1 + 2), QPointF(xb, 136));
  s.Dimension(QPointF(xw, 132), QPointF(xb, 132), "c", QPointF((xw + xb) / 2, 142));
  s.Leader(QPointF(xb - 1, y1 - 1), QPointF(xb + 7, y1 + 6), "r", QPointF(xb + 11, y1 + 9));
  s.AxisZ(x0 + tw / 2, kPlate + 4, 166);
  s.AxisY(78, 56, 6);

  // The equivalent angle.
  const double a0 = 104, a1 = 138, tf = 12;
  s.Profile(QPolygonF(
      {{a0, kPlate}, {a0 + tw, kPlate}, {a0 + tw, y1 - tf}, {a1, y1 - tf}, {a1, y1}, {a0, y1}}));
  s.Extension(QPointF(a0, y1 + 2), QPointF(a0, 136));
  s.Extension(QPointF(a1, y1 + 2), QPointF(a1, 136));
  s.Dimension(QPointF(a0, 132), QPointF(a1, 132), "B", QPointF((a0 + a1) / 2, 142));
  FlangeThickness(s, a1, y1 - tf, y1, 150);
  s.Caption(QRectF(88, 148, 80, 24), QStringLiteral("Profile for"), QStringLiteral("calculations"));
}

// RHS: a closed box of wall thickness t with rounded corners.
void DrawRHS(Sketch& s) {
  const double x0 = 56, x1 = 120, y1 = 126, t = 7;
  s.Plate();
  QPainterPath box;
  box.addRoundedRect(QRectF(x0, kPlate, x1 - x0, y1 - kPlate), 7, 7);
  QPainterPath hole;
  hole.addRoundedRect(QRectF(x0 + t, kPlate + t, x1 - x0 - 2 * t, y1 - kPlate - 2 * t), 3, 3);
  s.Profile(box.subtracted(hole));
  HeightOnRight(s, x1, y1);
  WidthBelow(s, x0, x1, y1);
  WebThickness(s, x1 - t, x1, 100, QPointF(x1 + 16, 92));
  s.AxisZ((x0 + x1) / 2, kPlate + 4, 166);
  s.AxisY(74, 134, 14);
}

// Trapezoid: two walls sloping from the plate down to a bottom flange of
// width B; a is the horizontal offset of a wall.
void DrawTrapezoid(Sketch& s) {
  const double b0 = 66, b1 = 110, a = 20, t = 6, y1 = 124;
  s.Plate();
  // Centre line of the walls and flange, stroked to the wall thickness and
  // cut off at the plate.
  QPainterPath centre;
  const double slope = a / (y1 - t / 2 - kPlate);
  const double over = 8;  // run the walls into the plate before cutting them
  centre.moveTo(b0 + t / 2 - a - over * slope, kPlate - over);
  centre.lineTo(b0 + t / 2, y1 - t / 2);
  centre.lineTo(b1 - t / 2, y1 - t / 2);
  centre.lineTo(b1 - t / 2 + a + over * slope, kPlate - over);
  QPainterPathStroker stroker;
  stroker.setWidth(t);
  stroker.setJoinStyle(Qt::MiterJoin);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath below;
  below.addRect(QRectF(0, kPlate, kSide, kSide - kPlate));
  s.Profile(stroker.createStroke(centre).simplified().intersected(below));
  HeightOnRight(s, b1 + 2, y1);
  WidthBelow(s, b0, b1, y1, 138);
  // a: from the wall's top to the vertical through its lower corner.
  s.Extension(QPointF(b0, y1 - t - 2), QPointF(b0, kPlate + 4));
  s.Dimension(QPointF(b0 - a, 32), QPointF(b0, 32), "a", QPointF(b0 + 8, 33));
  s.Leader(QPointF(b1 + a * 0.45 + 1, 70), QPointF(b1 + 26, 60), "tw", QPointF(b1 + 33, 54));
  s.AxisZ((b0 + b1) / 2, kPlate + 4, 166);
  s.AxisY(84, 132, 14);
}

// I: web between a top flange against the plate and a bottom flange.
void DrawIBeam(Sketch& s) {
  const double xc = 88, tw = 7, b = 62, tf = 10, y1 = 126;
  s.Plate();
  const double x0 = xc - tw / 2, x1 = xc + tw / 2, f0 = xc - b / 2, f1 = xc + b / 2;
  s.Profile(QPolygonF({{f0, kPlate},
                       {f1, kPlate},
                       {f1, kPlate + tf},
                       {x1, kPlate + tf},
                       {x1, y1 - tf},
                       {f1, y1 - tf},
                       {f1, y1},
                       {f0, y1},
                       {f0, y1 - tf},
                       {x0, y1 - tf},
                       {x0, kPlate + tf},
                       {f0, kPlate + tf}}));
  HeightOnRight(s, f1, y1);
  WidthBelow(s, f0, f1, y1);
  FlangeThickness(s, f1, y1 - tf, y1, 130);
  WebThickness(s, x0, x1, 56, QPointF(x1 + 24, 48));
  s.AxisZ(xc, kPlate + tf + 2, 166);
  s.AxisY((kPlate + y1) / 2, 132, 14);
}

}  // namespace

void DrawProfileSketch(QPainter& p, const QRectF& r, ProfileSketch sketch) {
  Sketch s(p, r, IsRingFrameSketch(sketch));
  switch (sketch) {
    case ProfileSketch::pic_stiff_L:
    case ProfileSketch::pic_gird_L: DrawAngle(s, true); break;
    case ProfileSketch::pic_stiff_Lb:
    case ProfileSketch::pic_gird_Lb: DrawAngle(s, false); break;
    case ProfileSketch::pic_stiff_t:
    case ProfileSketch::pic_gird_t: DrawTee(s); break;
    case ProfileSketch::pic_stiff_f:
    case ProfileSketch::pic_gird_f: DrawFlatbar(s); break;
    case ProfileSketch::pic_stiff_hp:
    case ProfileSketch::pic_gird_hp: DrawBulbFlat(s); break;
    case ProfileSketch::pic_stiff_rhs:
    case ProfileSketch::pic_gird_rhs: DrawRHS(s); break;
    case ProfileSketch::pic_stiff_usp:
    case ProfileSketch::pic_gird_usp: DrawTrapezoid(s); break;
    case ProfileSketch::pic_stiff_i:
    case ProfileSketch::pic_gird_i: DrawIBeam(s); break;
  }
}

}  // namespace tamrel
