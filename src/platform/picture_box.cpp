#include "platform/picture_box.h"

#include <QEvent>
#include <QPainter>
#include <cmath>
#include <map>

namespace tamrel {

namespace {
QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Texts kept per font before the cache starts afresh: far more than the
// result tables show, so only values that keep changing ever drop it.
constexpr qsizetype kMaxKeptTexts = 2000;
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
  const QString q = ToQString(text);
  if (!q.isEmpty()) {
    items_.push_back(Item{QPointF(x_ * unitX_, y_ * unitY_), q, bold_, underline_, colour_});
    update();
  }
  x_ += Width(CurrentFont(), q) / unitX_;
}

void PictureBox::PrintLine(std::string_view text) {
  Print(text);
  x_ = 0.0;
  y_ += CurrentFont().metrics.height() / unitY_;
}

double PictureBox::TextWidth(std::string_view text) const {
  return Width(CurrentFont(), ToQString(text)) / unitX_;
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

PictureBox::FontCache& PictureBox::Font(bool bold, bool underline) const {
  const double dpi = logicalDpiY();
  if (dpi != fontsDpi_) {
    DropFonts();
    fontsDpi_ = dpi;
  }
  std::unique_ptr<FontCache>& slot = fonts_[(bold ? 1 : 0) + (underline ? 2 : 0)];
  if (!slot) {
    QFont f = font();
    f.setBold(bold);
    f.setUnderline(underline);
    slot = std::make_unique<FontCache>(f, this);
  }
  return *slot;
}

qreal PictureBox::Width(FontCache& f, const QString& text) const {
  if (text.isEmpty()) return 0.0;
  const auto found = f.widths.constFind(text);
  if (found != f.widths.constEnd()) return *found;
  if (f.widths.size() >= kMaxKeptTexts) f.widths.clear();
  const qreal w = f.metrics.horizontalAdvance(text);
  f.widths.insert(text, w);
  return w;
}

const QStaticText& PictureBox::Laid(FontCache& f, const QString& text) const {
  auto found = f.texts.find(text);
  if (found == f.texts.end()) {
    if (f.texts.size() >= kMaxKeptTexts) f.texts.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), f.font);
    found = f.texts.insert(text, laid);
  }
  return *found;
}

void PictureBox::DropFonts() const {
  for (auto& f : fonts_) f.reset();
}

void PictureBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) DropFonts();
  QWidget::changeEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const FontCache* current = nullptr;
  for (const Item& item : items_) {
    FontCache& f = Font(item.bold, item.underline);
    if (&f != current) {
      p.setFont(f.font);
      current = &f;
    }
    p.setPen(item.colour);
    // Laid-out text draws its underline a pixel shorter at times; the few
    // underlined titles and headings are drawn as they always were.
    if (item.underline) {
      p.drawText(QPointF(item.pos.x(), item.pos.y() + f.metrics.ascent()), item.text);
    } else {
      p.drawStaticText(item.pos, Laid(f, item.text));
    }
  }
}

}  // namespace tamrel
