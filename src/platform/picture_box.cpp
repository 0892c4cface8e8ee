#include "platform/picture_box.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

namespace tamrel {

namespace {
// Texts kept before those the last drawing did not use are let go: far more
// than the result tables show, so only values that keep changing drop any.
constexpr std::size_t kMaxKeptTexts = 2000;

// Room for the items of a few result tables before the list grows.
constexpr std::size_t kFirstCapacity = 128;
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  SetScale(dpiX * 120.0 / 1440.0, dpiY * 240.0 / 1440.0);
  items_.reserve(kFirstCapacity);
  itemTexts_.reserve(kFirstCapacity);
  asked_.reserve(2 * kFirstCapacity);
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

void PictureBox::ContentChanged() {
  // Qt joins repaint requests into one repaint anyway; asking once per
  // change of the content, not once per text, spares it the bookkeeping.
  if (repaintAsked_) return;
  repaintAsked_ = true;
  update();
}

void PictureBox::Clear() {
  items_.clear();
  itemTexts_.clear();
  MoveHome();
  // The oldest list is reused for this drawing; the others move down.
  std::rotate(askedBefore_.rbegin(), askedBefore_.rbegin() + 1, askedBefore_.rend());
  std::swap(askedBefore_[0], asked_);
  asked_.clear();
  if (texts_.size() > kMaxKeptTexts) {
    // Keeps the texts of the last two drawings, forgets where they were asked.
    std::erase_if(texts_, [&](const auto& kept) { return kept.second.drawing + 1 < drawing_; });
    for (auto& before : askedBefore_) before.clear();
    lastText_ = nullptr;
  }
  ++drawing_;
  CheckResolution();
  ContentChanged();
}

PictureBox::KeptText& PictureBox::Kept(std::string_view text) const {
  KeptText* kept = nullptr;
  if (lastText_ != nullptr && lastText_->key == text) {
    kept = lastText_;
  } else {
    const std::size_t n = asked_.size();
    for (const auto& before : askedBefore_) {
      if (n < before.size() && before[n]->key == text) {
        kept = before[n];
        break;
      }
    }
  }
  if (kept == nullptr) {
    auto found = texts_.find(text);
    if (found == texts_.end()) {
      found = texts_.emplace(std::string(text), KeptText{}).first;
      found->second.key = found->first;
      found->second.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    kept = &found->second;
  }
  kept->drawing = drawing_;
  asked_.push_back(kept);
  lastText_ = kept;
  return *kept;
}

void PictureBox::Print(std::string_view text) {
  if (text.empty()) return;
  KeptText& t = Kept(text);
  const int font = FontIndex();
  items_.push_back(Item{QPointF(CurrentX() * unitX_, CurrentY() * unitY_), t.text, bold(),
                        underline(), PaletteColour(colour())});
  itemTexts_.push_back(&t);
  ContentChanged();
  Advance(Width(t, font) / unitX_);
}

void PictureBox::PrintLine(std::string_view text) {
  Print(text);
  NewLine(Font(FontIndex()).height / unitY_);
}

double PictureBox::TextWidth(std::string_view text) const {
  if (text.empty()) return 0.0;
  return Width(Kept(text), FontIndex()) / unitX_;
}

const PictureBox::FontSet& PictureBox::Font(int index) const {
  std::unique_ptr<FontSet>& slot = fonts_[static_cast<std::size_t>(index)];
  if (!slot) {
    if (fontsDpi_ == 0.0) fontsDpi_ = logicalDpiY();
    QFont f = font();
    f.setBold((index & 1) != 0);
    f.setUnderline((index & 2) != 0);
    slot = std::make_unique<FontSet>(f, this);
  }
  return *slot;
}

qreal PictureBox::Width(KeptText& t, int font) const {
  qreal& w = t.width[static_cast<std::size_t>(font)];
  if (w < 0) w = Font(font).metrics.horizontalAdvance(t.text);
  return w;
}

const QStaticText& PictureBox::Laid(KeptText& t, int font) const {
  std::optional<QStaticText>& laid = t.laid[static_cast<std::size_t>(font)];
  if (!laid) {
    laid.emplace(t.text);
    laid->setTextFormat(Qt::PlainText);
    laid->prepare(QTransform(), Font(font).font);
  }
  return *laid;
}

void PictureBox::CheckResolution() const {
  const double dpi = logicalDpiY();
  if (fontsDpi_ != 0.0 && dpi != fontsDpi_) DropFonts();
  fontsDpi_ = dpi;
}

void PictureBox::DropFonts() const {
  for (auto& f : fonts_) f.reset();
  fontsDpi_ = 0.0;
  for (auto& [key, t] : texts_) {
    t.width.fill(-1);
    for (auto& laid : t.laid) laid.reset();
  }
}

void PictureBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) DropFonts();
  QWidget::changeEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  repaintAsked_ = false;
  CheckResolution();
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  int current = -1;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    const int index = FontIndex(item);
    const FontSet& f = Font(index);
    if (index != current) {
      p.setFont(f.font);
      current = index;
    }
    p.setPen(item.colour);
    // Laid-out text draws its underline a pixel shorter at times; the few
    // underlined titles and headings are drawn as they always were.
    if (item.underline) {
      p.drawText(QPointF(item.pos.x(), item.pos.y() + f.ascent), item.text);
    } else {
      p.drawStaticText(item.pos, Laid(*itemTexts_[i], index));
    }
  }
}

}  // namespace tamrel
