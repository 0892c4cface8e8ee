#pragma once
// Row conventions shared by the sections of the report body.

#include <string>
#include <string_view>

#include "calc/design_state.h"
#include "calc/format.h"
#include "report/report_page.h"

namespace tamrel {

// A design-state number as a variant, keeping its precision (a float member
// becomes a single-precision variant). Used to write row tables as data.
template <auto Member>
Variant Get(const DesignState& ds) {
  return Variant(ds.*Member);
}

// A value under a display pattern, with the locale's decimal sign.
inline std::string Format(const DesignState& ds, const Variant& value, const char* pattern) {
  return FormatNumber(value, pattern, DecimalSign(ds));
}

// Section heading at (x, ypos): italic, bold and underlined; the position
// stays at the end of the heading text.
void Heading(DesignState& ds, ReportPage& page, double x, std::string_view text);

// The value's text ending at `right`, then one blank and the unit in the
// same output (the value alone when there is no unit).
void PrintValueEndingAt(ReportPage& page, double right, const std::string& value,
                        std::string_view unit);

// A value row one below ypos: label at xhead, symbol at xlab, "=" at xeq
// (only with a symbol), the value ending at xval and its unit.
void ValueRow(DesignState& ds, ReportPage& page, std::string_view label, std::string_view symbol,
              const std::string& value, std::string_view unit);

// The rule that ends a section, across the page at y = ypos.
void SectionEndRule(const DesignState& ds, ReportPage& page);

}  // namespace tamrel
