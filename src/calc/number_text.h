#pragma once
// Numbers as the user types them and as the yield boxes show them.
//
// ParseNumber makes number entry indifferent to the decimal sign: "1.5" and
// "1,5" both give 1.5. Where the locale writes a decimal point (decflag 0) a
// text reads as its leading number, 0 when it has none; elsewhere the whole
// text must be a number written with a decimal comma. Conversion never goes
// through the C library's locale-dependent routines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/variant.h"

namespace tamrel {

// The number a typed text holds, rounded to single precision. std::nullopt is
// the "type mismatch" of the input boxes: a text that is not a number where
// the locale writes a comma, and in either locale a number too large for
// single precision ("1e40"). The overflow is reported like any other text
// that is no number, with the box's message and the focus back, rather than
// ending the handler silently with the old value kept and the typed text
// standing in the box. Infinity, NaN and hexadecimal forms are never numbers.
std::optional<float> ParseNumber(const Variant& decflag, std::string_view text);

// A well-formed number written with the given decimal sign, as a whole text
// (blanks around it allowed), read in double precision: the locale's own
// conversion of a text the program wrote itself. std::nullopt when the text is
// not such a number or is out of the range of double precision.
std::optional<double> ParseLocaleNumber(std::string_view text, char decimalSign);

// The decimal-sign flag from the number 1.1 as the locale formats it with one
// decimal: 0 for "1.1", -1 for a text that sorts before it ("1,1"), 1 after.
std::int16_t DecimalSignFlag(std::string_view formattedOnePointOne);

// A number in its plain text form, without a display pattern: up to 7
// significant digits for a single, 15 for a double, an exponent ("1E+20",
// "1E-05") only where the fixed form would need more digits than that; 355
// shows as "355", 345.5 as "345.5" (or "345,5").
std::string PlainNumberText(const Variant& value, char decimalSign);

}  // namespace tamrel
