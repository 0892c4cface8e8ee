#include "report/report_common.h"

namespace tamrel {

void Heading(DesignState& ds, ReportPage& page, double x, std::string_view text) {
  page.SetPos(x, ds.ypos);
  page.SetItalic(true);
  page.SetBold(true);
  page.SetUnderline(true);
  page.Print(text);
  page.SetItalic(false);
  page.SetBold(false);
  page.SetUnderline(false);
}

void PrintValueEndingAt(ReportPage& page, double right, const std::string& value,
                        std::string_view unit) {
  page.SetCurrentX(right - page.TextWidth(value));
  if (unit.empty()) {
    page.Print(value);
  } else {
    std::string text = value;
    text += ' ';
    text += unit;
    page.Print(text);
  }
}

void ValueRow(DesignState& ds, ReportPage& page, std::string_view label, std::string_view symbol,
              const std::string& value, std::string_view unit) {
  ds.ypos = ds.ypos + 1;
  page.SetPos(ds.xhead, ds.ypos);
  page.Print(label);
  if (!symbol.empty()) {
    page.SetCurrentX(ds.xlab);
    page.Print(symbol);
    page.SetCurrentX(ds.xeq);
    page.Print("=");
  }
  PrintValueEndingAt(page, ds.xval, value, unit);
}

void SectionEndRule(const DesignState& ds, ReportPage& page) {
  page.Line(ds.xmargin, ds.ypos, ds.rcols - 0.5 * ds.xmargin, ds.ypos);
}

}  // namespace tamrel
