#pragma once
// The printer page as a text surface. The report draws on it in user scales
// of its own choosing, (0, 0) at the top left corner of the page and
// (ScaleWidth, ScaleHeight) at the bottom right: the page maps the scale to
// the device itself, so fonts keep their point size whatever the scale, and
// every text is measured with the metrics of the device the page is printed
// on.
//
// The page keeps what is drawn as a list of items in device coordinates and
// puts it on a painter only when the whole page has been drawn (Replay), so
// that a page whose drawing fails never reaches the printer half done.

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "calc/text_surface.h"

class QPainter;
class QPaintDevice;

namespace tamrel {

class ReportPage : public TextSurfaceState {
 public:
  // Draws a picture so that it fills the rectangle it is given (device pixels).
  using PictureDrawing = std::function<void(QPainter&, const QRectF&)>;

  struct Item {
    enum class Kind { Text, Line, Box, Picture };
    Kind kind = Kind::Text;
    // In the scale units of the time it was drawn: the top left corner of a
    // text, box or picture, the start of a line; the width of a text and
    // the extent of the others (a line ends at x + width, y + height).
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    // In device pixels: top left corner (Text), end points (Line),
    // rectangle (Box, Picture).
    QPointF devicePos;
    QLineF deviceLine;
    QRectF deviceRect;
    QString text;  // Text: the text; Picture: its name
    QFont font;
    QColor colour;
    PictureDrawing draw;
  };

  // The page of `device`, meant to be replayed on a painter of that device:
  // the scales cover the device's drawing area (a printer's printable
  // area), text is measured with its metrics. `paper` is the whole sheet in
  // device pixels (the drawing area when not given).
  explicit ReportPage(QPaintDevice& device);
  ReportPage(QPaintDevice& device, QSize paper);

  // Paper size in device pixels, whole numbers: what the page measures.
  int PageWidth() const { return pageWidth_; }
  int PageHeight() const { return pageHeight_; }
  // The drawing area in device pixels, which the scales cover.
  int AreaWidth() const { return areaWidth_; }
  int AreaHeight() const { return areaHeight_; }

  // User scale: (0, 0) top left to (width, height) bottom right of the
  // drawing area. Until it is set, and after SetDeviceScale, one unit is one
  // device pixel.
  void SetScale(double width, double height);
  void SetDeviceScale() { SetScale(areaWidth_, areaHeight_); }
  double ScaleWidth() const { return scaleWidth_; }
  double ScaleHeight() const { return scaleHeight_; }
  QPointF ToDevice(double x, double y) const;
  double DevicePerUnitX() const { return areaWidth_ / scaleWidth_; }
  double DevicePerUnitY() const { return areaHeight_ / scaleHeight_; }

  // Font: family, size in points, and the italic flag (bold and underline
  // are the text surface's).
  void SetFontName(const QString& family);
  void SetFontSize(double points);
  double FontSize() const { return points_; }
  void SetItalic(bool on);
  QFont CurrentFont() const;
  // Height of one line of text in the current font, in scale units.
  double TextHeight(std::string_view text) const;
  // Distance from the top of a line of text to its baseline in the current
  // font, in scale units.
  double TextAscent() const;

  // Thin black lines, in scale units.
  void Line(double x1, double y1, double x2, double y2);
  // Outline of the box with the corners (x1, y1) and (x2, y2).
  void Box(double x1, double y1, double x2, double y2);
  // A picture stretched into the rectangle (scale units).
  void PaintPicture(double x, double y, double width, double height, const QString& name,
                    PictureDrawing draw);

  const std::vector<Item>& Items() const { return items_; }
  // Draws every item on a painter of the page's device: in colour, or in
  // shades of grey (a printer set to grayscale), drawn the same way with
  // each colour turned to its grey, so texts stay texts.
  enum class Colours { Colour, Grey };
  void Replay(QPainter& painter, Colours colours = Colours::Colour) const;

  // TextSurface
  void Clear() override;
  void Print(std::string_view text) override;
  void PrintLine(std::string_view text) override;
  double TextWidth(std::string_view text) const override;

 private:
  // A new item of the kind, at (x, y) with the extent (width, height).
  Item& Add(Item::Kind kind, double x, double y, double width, double height);
  // Draws every item on the painter as it was drawn.
  void ReplayItems(QPainter& painter) const;

  QPaintDevice& device_;
  int areaWidth_ = 1;
  int areaHeight_ = 1;
  int pageWidth_ = 1;
  int pageHeight_ = 1;
  double scaleWidth_ = 1;
  double scaleHeight_ = 1;
  double lineWidth_ = 1;  // device pixels
  QString family_ = QStringLiteral("arial");
  double points_ = 8;
  bool italic_ = false;
  std::vector<Item> items_;
};

}  // namespace tamrel
