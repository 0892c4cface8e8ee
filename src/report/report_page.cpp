#include "report/report_page.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "platform/palette_colour.h"
#include "report/grey_painting.h"

namespace tamrel {

namespace {

// Lines of the report: plain, thin and black.
constexpr double kLinePoints = 0.5;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ReportPage::ReportPage(QPaintDevice& device)
    : ReportPage(device, QSize(device.width(), device.height())) {}

ReportPage::ReportPage(QPaintDevice& device, QSize paper)
    : device_(device),
      areaWidth_(std::max(1, device.width())),
      areaHeight_(std::max(1, device.height())),
      pageWidth_(std::max(1, paper.width())),
      pageHeight_(std::max(1, paper.height())),
      scaleWidth_(areaWidth_),
      scaleHeight_(areaHeight_),
      lineWidth_(std::max(1.0, kLinePoints * device.logicalDpiX() / 72.0)) {}

void ReportPage::SetScale(double width, double height) {
  scaleWidth_ = width;
  scaleHeight_ = height;
}

QPointF ReportPage::ToDevice(double x, double y) const {
  return QPointF(x * DevicePerUnitX(), y * DevicePerUnitY());
}

void ReportPage::SetFontName(const QString& family) {
  family_ = family;
}

void ReportPage::SetFontSize(double points) {
  points_ = points;
}

void ReportPage::SetItalic(bool on) {
  italic_ = on;
}

QFont ReportPage::CurrentFont() const {
  QFont f(family_);
  f.setPointSizeF(points_);
  f.setBold(bold());
  f.setItalic(italic_);
  f.setUnderline(underline());
  return f;
}

double ReportPage::TextHeight(std::string_view /*text*/) const {
  return QFontMetricsF(CurrentFont(), &device_).lineSpacing() / DevicePerUnitY();
}

double ReportPage::TextAscent() const {
  return QFontMetricsF(CurrentFont(), &device_).ascent() / DevicePerUnitY();
}

double ReportPage::TextWidth(std::string_view text) const {
  return QFontMetricsF(CurrentFont(), &device_).horizontalAdvance(ToQString(text)) /
         DevicePerUnitX();
}

ReportPage::Item& ReportPage::Add(Item::Kind kind, double x, double y, double width,
                                  double height) {
  Item& item = items_.emplace_back();
  item.kind = kind;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  return item;
}

void ReportPage::Line(double x1, double y1, double x2, double y2) {
  Item& item = Add(Item::Kind::Line, x1, y1, x2 - x1, y2 - y1);
  item.deviceLine = QLineF(ToDevice(x1, y1), ToDevice(x2, y2));
  item.colour = Qt::black;
}

void ReportPage::Box(double x1, double y1, double x2, double y2) {
  Item& item = Add(Item::Kind::Box, x1, y1, x2 - x1, y2 - y1);
  item.deviceRect = QRectF(ToDevice(x1, y1), ToDevice(x2, y2)).normalized();
  item.colour = Qt::black;
}

void ReportPage::PaintPicture(double x, double y, double width, double height, const QString& name,
                              PictureDrawing draw) {
  Item& item = Add(Item::Kind::Picture, x, y, width, height);
  item.deviceRect = QRectF(ToDevice(x, y), ToDevice(x + width, y + height));
  item.text = name;
  item.draw = std::move(draw);
}

void ReportPage::Clear() {
  items_.clear();
  MoveHome();
}

void ReportPage::Print(std::string_view text) {
  const double width = TextWidth(text);
  if (!text.empty()) {
    Item& item = Add(Item::Kind::Text, CurrentX(), CurrentY(), width, TextHeight(text));
    item.devicePos = ToDevice(CurrentX(), CurrentY());
    item.text = ToQString(text);
    item.font = CurrentFont();
    item.colour = PaletteColour(colour());
  }
  Advance(width);
}

void ReportPage::PrintLine(std::string_view text) {
  Print(text);
  NewLine(TextHeight(text));
}

void ReportPage::Replay(QPainter& painter, Colours colours) const {
  if (colours == Colours::Grey) {
    // Drawn as in colour, each colour turned grey on its way to the device.
    GreyPaintDevice grey(painter);
    QPainter greyPainter(&grey);
    ReplayItems(greyPainter);
    return;
  }
  ReplayItems(painter);
}

void ReportPage::ReplayItems(QPainter& painter) const {
  QPen pen(Qt::black, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  for (const Item& item : items_) {
    switch (item.kind) {
      case Item::Kind::Text: {
        painter.setFont(item.font);
        painter.setPen(item.colour);
        // The item's position is the top of its text line.
        const double ascent = QFontMetricsF(item.font, painter.device()).ascent();
        painter.drawText(item.devicePos + QPointF(0, ascent), item.text);
        break;
      }
      case Item::Kind::Line:
        painter.setPen(pen);
        painter.drawLine(item.deviceLine);
        break;
      case Item::Kind::Box:
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.deviceRect);
        break;
      case Item::Kind::Picture:
        if (item.draw) {
          painter.save();
          painter.setClipRect(item.deviceRect);
          item.draw(painter, item.deviceRect);
          painter.restore();
        }
        break;
    }
  }
}

}  // namespace tamrel
