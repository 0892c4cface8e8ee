#pragma once
// A white picture box that is a text surface: the result tables draw on it
// through tamrel::TextSurface, it records what was drawn in a display list
// and replays the list in paintEvent.
//
// Scale: one horizontal unit is 120 twips and one vertical unit 240 twips
// (8 and 16 pixels at 96 dots per inch), so one vertical unit holds one text
// line of the picture's font. Text is measured with the widget's own font
// metrics.
//
// A recalculation draws some fifty texts on each picture, most of them the
// labels and units of the last one, and the values of the last few input
// states. So every text drawn is kept with its Qt string, its width in each
// of the four fonts (bold and underline on and off) and its laid-out form,
// and the fonts with their metrics are kept for the screen resolution found
// at the start of a drawing. Drawing a known text then only looks it up: no
// conversion, no measuring and no allocation. A change of the widget's font
// or resolution measures everything anew. The picture asks for one repaint
// per change of its content, not one per text.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calc/text_surface.h"
#include "platform/palette_colour.h"

namespace tamrel {

class PictureBox : public QWidget, public TextSurfaceState {
  Q_OBJECT

 public:
  struct Item {
    QPointF pos;  // top-left, pixels
    QString text;
    bool bold = false;
    bool underline = false;
    QColor colour;
  };

  explicit PictureBox(QWidget* parent = nullptr);

  // Pixels per scale unit; the default follows the screen's dots per inch.
  void SetScale(double pixelsPerUnitX, double pixelsPerUnitY);
  double UnitX() const { return unitX_; }
  double UnitY() const { return unitY_; }

  const std::vector<Item>& Items() const { return items_; }
  // The drawn texts joined line by line (items of one y on one line).
  QString PlainText() const;

  // TextSurface
  void Clear() override;
  void Print(std::string_view text) override;
  void PrintLine(std::string_view text) override;
  double TextWidth(std::string_view text) const override;

  // The colour a picture draws a palette entry in.
  static constexpr QColor PaletteColour(Colour c) { return tamrel::PaletteColour(c); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  static constexpr int kFonts = 4;  // bold + 2 * underline

  // One of the four fonts and its metrics.
  struct FontSet {
    FontSet(const QFont& f, const QPaintDevice* device)
        : font(f), metrics(f, device), height(metrics.height()), ascent(metrics.ascent()) {}
    QFont font;
    QFontMetricsF metrics;
    qreal height;
    qreal ascent;
  };

  // A text drawn or measured, with what has been worked out for it.
  struct KeptText {
    std::string_view key;  // the text as drawn (the key it is kept under)
    QString text;
    std::array<qreal, kFonts> width{-1, -1, -1, -1};  // pixels; < 0: not yet measured
    std::array<std::optional<QStaticText>, kFonts> laid;
    std::uint32_t drawing = 0;  // the last drawing that used it
  };

  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using TextMap = std::unordered_map<std::string, KeptText, TextHash, std::equal_to<>>;

  int FontIndex() const { return (bold() ? 1 : 0) + (underline() ? 2 : 0); }
  static int FontIndex(const Item& item) { return (item.bold ? 1 : 0) + (item.underline ? 2 : 0); }
  const FontSet& Font(int index) const;
  KeptText& Kept(std::string_view text) const;
  qreal Width(KeptText& t, int font) const;
  const QStaticText& Laid(KeptText& t, int font) const;
  void CheckResolution() const;
  void DropFonts() const;
  void ContentChanged();

  std::vector<Item> items_;
  std::vector<KeptText*> itemTexts_;  // the kept text of each item
  double unitX_ = 8.0;
  double unitY_ = 16.0;
  bool repaintAsked_ = false;  // a repaint is asked for and has not run yet

  // Built on first use; dropped when the widget's font or resolution changes.
  mutable std::array<std::unique_ptr<FontSet>, kFonts> fonts_;
  mutable double fontsDpi_ = 0.0;
  // The kept texts; those the drawing just cleared did not use are let go
  // once there are many.
  mutable TextMap texts_;
  mutable KeptText* lastText_ = nullptr;  // a width is mostly asked for just before the print
  // The texts asked for, in order, by this drawing and the four before: the
  // n-th text of a drawing is mostly the n-th of one of the last few (a label
  // or a unit of the same table, a value of inputs that alternate; the column
  // picture is drawn twice per recalculation), and comparing with those is
  // cheaper than looking the text up.
  static constexpr std::size_t kRememberedDrawings = 4;
  mutable std::vector<KeptText*> asked_;
  std::array<std::vector<KeptText*>, kRememberedDrawings> askedBefore_;
  mutable std::uint32_t drawing_ = 2;
};

}  // namespace tamrel
