#pragma once
// Shorthands for formatting a value in a display pattern with the decimal
// sign of the user's locale, at the precision of the value's own kind.

#include <string>
#include <string_view>

#include "calc/design_state.h"
#include "calc/format.h"

namespace tamrel {

inline std::string Fmt(const DesignState& ds, double v, std::string_view pattern) {
  return FormatNumber(v, pattern, DecimalSign(ds), Precision::Double);
}
inline std::string Fmt(const DesignState& ds, float v, std::string_view pattern) {
  return FormatNumber(v, pattern, DecimalSign(ds));
}
inline std::string Fmt(const DesignState& ds, const Variant& v, std::string_view pattern) {
  return FormatNumber(v, pattern, DecimalSign(ds));
}

inline void SetRow(ResultTable& t, int row, std::string label, std::string value,
                   std::string unit) {
  t.txt[static_cast<std::size_t>(row)] = std::move(label);
  t.val[static_cast<std::size_t>(row)] = std::move(value);
  t.unit[static_cast<std::size_t>(row)] = std::move(unit);
}

}  // namespace tamrel
