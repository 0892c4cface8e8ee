#pragma once
// Display patterns: the one formatter through which fields, result tables,
// captions, dialogs and the report show numbers.
//
// Pattern characters: "0" a digit always shown, "#" a digit shown only when
// significant, "." the decimal sign (given by the caller from the locale
// flag) followed by as many decimals as the pattern has after it, "E+0" a
// scientific form with a signed exponent. Patterns in use: "0", "00", "#00",
// "###", "##0", "0.0", "#0.0", "##0.0", "0.00", "#0.00", "##.00", "0.000",
// "0.00E+0", "0.000E+0" (and "#" for menu numbers).
//
// Rounding is half away from zero on the value's decimal digits at its own
// precision: 7 significant digits for a single, 15 for a double, so the
// single 7.85 under "0.0" shows "7.9". Non-finite values show "n/a". No
// thousands separators ever.

#include <string>
#include <string_view>

#include "calc/variant.h"

namespace tamrel {

enum class Precision { Single, Double };

std::string FormatNumber(double value, std::string_view pattern, char decimalSign,
                         Precision precision);
// A single-precision value.
std::string FormatNumber(float value, std::string_view pattern, char decimalSign);
// A variant: at the precision of the kind it holds (an empty variant is 0).
std::string FormatNumber(const Variant& value, std::string_view pattern, char decimalSign);

// Text shown for a value that is not a finite number.
inline constexpr const char* kNotANumberText = "n/a";

}  // namespace tamrel
