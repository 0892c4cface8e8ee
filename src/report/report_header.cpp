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

  page.SetPos(l + 37.5, 1.05 * y);
  page.Print("Project: ");
  page.SetPos(l + 43, 1.05 * y);
  page.Print(Characters(ds.proj, 0, 45));
  page.SetPos(l + 43, y + 1);
  page.PrintLine(Characters(ds.proj, 45, 60));

  page.SetPos(l + 37.5, y + 2 + 0.05 * y);
  page.Print("Identification: ");
  page.SetPos(l + 47, y + 2 + 0.05 * y);
  page.Print(Characters(ds.ident, 0, 38));
  page.SetPos(l + 47, y + 3);
  page.PrintLine(Characters(ds.ident, 38, 60));

  page.SetPos(l + 88.5, 1.05 * y);
  page.Print("Page:");
  page.SetFontSize(ds.rfont - 2);
  page.SetPos(l + 88.5, y + 0.9);
  page.Print("1/1");

  page.SetFontSize(ds.rfont - 3);
  page.SetPos(l + 80.5, y + 2.1);
  page.PrintLine("Date: " + Utf8(QLocale().toString(now.date(), QLocale::ShortFormat)));
  page.SetPos(l + 80.5, y + 3);
  // Hour and minute as plain whole numbers: 9:5 at five past nine.
  page.PrintLine("Time: " + Utf8(QString::number(now.time().hour())) + ":" +
                 Utf8(QString::number(now.time().minute())));

  page.SetPos(l + 0.5, y + 3.9);
  page.SetFontSize(ds.rfont - 3);
  page.PrintLine("File: " + Utf8(QString::fromStdString(ds.filename).toLower()));
}

}  // namespace tamrel
