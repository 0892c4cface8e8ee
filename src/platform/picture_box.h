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
// The four fonts (bold and underline on and off), their metrics, the widths
// of texts and the laid-out texts are kept between recalculations and
// repaints: the labels and units of the result tables come back every time,
// and measuring or laying out a text anew is what drawing costs most.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "calc/text_surface.h"

namespace tamrel {

class PictureBox : public QWidget, public TextSurface {
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
  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override { x_ = x; }
  void SetCurrentY(double y) override { y_ = y; }
  void Print(std::string_view text) override;
  void PrintLine(std::string_view text) override;
  double TextWidth(std::string_view text) const override;
  void SetBold(bool on) override { bold_ = on; }
  void SetUnderline(bool on) override { underline_ = on; }
  void SetColour(Colour c) override;

  static QColor PaletteColour(Colour c);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // One of the four fonts with what has been measured and laid out in it.
  struct FontCache {
    FontCache(const QFont& f, const QPaintDevice* device) : font(f), metrics(f, device) {}
    QFont font;
    QFontMetricsF metrics;
    QHash<QString, qreal> widths;
    QHash<QString, QStaticText> texts;
  };
  FontCache& Font(bool bold, bool underline) const;
  FontCache& CurrentFont() const { return Font(bold_, underline_); }
  qreal Width(FontCache& f, const QString& text) const;
  const QStaticText& Laid(FontCache& f, const QString& text) const;
  void DropFonts() const;

  std::vector<Item> items_;
  double unitX_ = 8.0;
  double unitY_ = 16.0;
  double x_ = 0.0;
  double y_ = 0.0;
  bool bold_ = false;
  bool underline_ = false;
  QColor colour_ = Qt::black;
  // Built on first use; dropped when the widget's font or resolution changes.
  mutable std::array<std::unique_ptr<FontCache>, 4> fonts_;
  mutable double fontsDpi_ = 0.0;
};

}  // namespace tamrel
