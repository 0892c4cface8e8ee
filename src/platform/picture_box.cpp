#include "platform/picture_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <map>

namespace tamrel {

namespace {
QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  SetScale(dpiX * 120.0 / 1440.0, dpiY * 240.0 / 1440.0);
}

void PictureBox::SetScale(double pixelsPerUnitX, double pixelsPerUnitY) {
  unitX_ = pixelsPerUnitX;
  unitY_ = pixelsPerUnitY;
}

QString PictureBox::PlainText() const {
  std::map<long, QString> lines;
  for (const Item& item : items_) {
    lines[std::lround(item.pos.y() * 10.0)] += item.text;
  }
  QString out;
  for (const auto& [y, line] : lines) {
    out += line;
    out += QLatin1Char('\n');
  }
  return out;
}

void PictureBox::Clear() {
  items_.clear();
  x_ = 0.0;
  y_ = 0.0;
  update();
}

void PictureBox::Print(std::string_view text) {
  if (!text.empty()) {
    items_.push_back(
        Item{QPointF(x_ * unitX_, y_ * unitY_), ToQString(text), bold_, underline_, colour_});
    update();
  }
  x_ += TextWidth(text);
}

void PictureBox::PrintLine(std::string_view text) {
  Print(text);
  x_ = 0.0;
  y_ += QFontMetricsF(CurrentFont(), this).height() / unitY_;
}

double PictureBox::TextWidth(std::string_view text) const {
  return QFontMetricsF(CurrentFont(), this).horizontalAdvance(ToQString(text)) / unitX_;
}

void PictureBox::SetColour(Colour c) {
  colour_ = PaletteColour(c);
}

QColor PictureBox::PaletteColour(Colour c) {
  switch (c) {
    case Colour::Green: return QColor(0, 128, 0);
    case Colour::Red: return QColor(128, 0, 0);
    case Colour::Black: break;
  }
  return QColor(0, 0, 0);
}

QFont PictureBox::CurrentFont() const {
  QFont f = font();
  f.setBold(bold_);
  f.setUnderline(underline_);
  return f;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  for (const Item& item : items_) {
    QFont f = font();
    f.setBold(item.bold);
    f.setUnderline(item.underline);
    p.setFont(f);
    p.setPen(item.colour);
    const QFontMetricsF m(f, this);
    p.drawText(QPointF(item.pos.x(), item.pos.y() + m.ascent()), item.text);
  }
}

}  // namespace tamrel
