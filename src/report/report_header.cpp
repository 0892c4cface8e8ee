// The framed header at the top of the report page: title and subtitle, the
// project name and identification, the page number, the date and time of
// printing and the project file.

#include <QLocale>
#include <QString>

#include "report/report_parts.h"

namespace tamrel {

namespace {

// Characters first .. first + count - 1 (counted from 0) of a text, counted
// as characters, not bytes, so a split never cuts one in two.
std::string Characters(const std::string& text, qsizetype first, qsizetype count) {
  const QList<uint> chars =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
  if (first >= chars.size()) return {};
  const QList<uint> part = chars.mid(first, count);
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(part.constData()), part.size())
      .toStdString();
}

std::string Utf8(const QString& text) {
  return text.toStdString();
}

// Room kept free before the right edge of a field of the frame.
constexpr double kFieldPad = 0.5;

// Prints a text of a field at (x, y), keeping the position or ending the
// line. A text that would run past `right`, the right edge of its field,
// is printed in a font just small enough to end before it, so that a long
// identification, name or path neither prints over the next field nor
// leaves the frame; it is lowered so that it stands on the baseline of the
// full-size text, the baseline of its label. Every other text keeps the
// font as it is.
void PrintInField(ReportPage& page, double x, double y, double right, const std::string& text,
                  bool lineEnd) {
  const double points = page.FontSize();
  const double ascent = page.TextAscent();
  const double room = right - kFieldPad - x;
  double width = page.TextWidth(text);
  // Text widths follow the font size closely but not exactly (hinting):
  // a few steps bring the text inside.
  for (int step = 0; step < 4 && room > 0 && width > room; ++step) {
    page.SetFontSize(page.FontSize() * room / width);
    width = page.TextWidth(text);
  }
  page.SetPos(x, y + (ascent - page.TextAscent()));
  if (lineEnd) {
    page.PrintLine(text);
  } else {
    page.Print(text);
  }
  page.SetFontSize(points);
}

}  // namespace

void PrintReportHeader(DesignState& ds, ReportPage& page, double cols11, double left,
                       const QDateTime& now) {
  const double y = ds.ypos;  // 2
  const double l = left;
  const double r = 0.95 * cols11;

  // Frame: title and subtitle fields on the left, project and identification
  // in the middle, page, date and time on the right, the file across the
  // bottom.
  page.Box(l, y, l + 0.85 * cols11, y + 4.8);
  page.Line(l, y + 1.4, l + 37, y + 1.4);
  page.Line(l + 37, y + 2, r, y + 2);
  page.Line(l + 80, y + 2.9, r, y + 2.9);
  page.Line(l, y + 3.8, r, y + 3.8);
  page.Line(l + 37, y, l + 37, y + 3.8);
  page.Line(l + 80, y + 2, l + 80, y + 3.8);
  page.Line(l + 88, y, l + 88, y + 2);

  page.SetFontSize(15);
  page.SetBold(true);
  page.SetPos(l + 0.5, y);
  page.PrintLine("Tamrel DNV");

  page.SetFontSize(ds.rfont - 3);
  page.SetBold(false);
  page.SetPos(l + 0.5, y + 1.5);
  page.PrintLine("Cylinder shell buckling based on DNV-RP-C202");

  // The project field runs to L + 88, the identification field to L + 80,
  // the date, time and file fields to R.
  page.SetPos(l + 37.5, 1.05 * y);
  page.Print("Project: ");
  PrintInField(page, l + 43, 1.05 * y, l + 88, Characters(ds.proj, 0, 45), false);
  PrintInField(page, l + 43, y + 1, l + 88, Characters(ds.proj, 45, 60), true);

  page.SetPos(l + 37.5, y + 2 + 0.05 * y);
  page.Print("Identification: ");
  PrintInField(page, l + 47, y + 2 + 0.05 * y, l + 80, Characters(ds.ident, 0, 38), false);
  PrintInField(page, l + 47, y + 3, l + 80, Characters(ds.ident, 38, 60), true);

  page.SetPos(l + 88.5, 1.05 * y);
  page.Print("Page:");
  page.SetFontSize(ds.rfont - 2);
  page.SetPos(l + 88.5, y + 0.9);
  page.Print("1/1");

  page.SetFontSize(ds.rfont - 3);
  PrintInField(page, l + 80.5, y + 2.1, r,
               "Date: " + Utf8(QLocale().toString(now.date(), QLocale::ShortFormat)), true);
  // Hour and minute as plain whole numbers: 9:5 at five past nine.
  PrintInField(page, l + 80.5, y + 3, r,
               "Time: " + Utf8(QString::number(now.time().hour())) + ":" +
                   Utf8(QString::number(now.time().minute())),
               true);

  page.SetFontSize(ds.rfont - 3);
  PrintInField(page, l + 0.5, y + 3.9, r,
               "File: " + Utf8(QString::fromStdString(ds.filename).toLower()), true);
}

}  // namespace tamrel
