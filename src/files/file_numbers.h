#pragma once
// Numbers in project files, in one invariant form that no locale changes
// (std::to_chars / std::from_chars only).
//
// Writing, as a classic BASIC Write of the value's own precision does it:
//  - a 16-bit integer as its decimal digits, with a leading minus when negative;
//  - a single with at most 7 significant digits, a double with at most 15,
//    rounded to nearest, a point as decimal sign, no grouping, no trailing
//    zeros (a whole number has no point), a leading zero before the point
//    ("0.3", "-0.3"); a single that 7 digits do not tell from its
//    neighbours (1.00000006E+28 would read back as 1E+28, the single below
//    it) with the fewest digits, 8 or 9, that read back as that single
//    ("1.0000001E+28", "0.33333334");
//  - exponent form when the decimal exponent of the rounded value is below -4
//    or at least the precision (7 for a single, 15 for a double): mantissa
//    without trailing zeros, a capital E, the exponent's sign and at least two
//    digits ("1E+07", "1.234568E+07", "1.5E-07", "1E+20", "1E+15");
//  - zero as "0" (also a negative zero); infinities and NaN as "INF", "-INF"
//    and "NAN", so that whatever a variable holds can be read back.
//
// Reading a field: leading and trailing blanks and tabs are skipped; an
// optional '+' or '-'; with or without a leading zero (".5", "-.5"); any
// exponent form ("1e5", "1E+05", "1.5E-07", and BASIC's "1D+05").

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/variant.h"

namespace tamrel {

std::string FormatFileInt16(std::int16_t value);
std::string FormatFileSingle(float value);
std::string FormatFileDouble(double value);
// At the precision of the kind it holds; an empty variant is written as 0.
std::string FormatFileVariant(const Variant& value);

enum class NumberParse { Ok, NotANumber, OutOfRange };

// The field of a number line: leading blanks skipped, ended by a comma or
// the line end, trailing blanks dropped.
std::string_view NumberField(std::string_view line);

// An integer line: a number rounded half to even, as BASIC stores into an
// integer, that must lie within -32768..32767.
NumberParse ParseFileInt16(std::string_view field, std::int16_t& out);
// A single line: the number rounded to single precision.
NumberParse ParseFileSingle(std::string_view field, float& out);
NumberParse ParseFileDouble(std::string_view field, double& out);
// A variant line takes the kind its text needs, so that a file written, read
// and written again is byte-identical:
//  - Int16 for a plain integer (sign and digits only) within -32768..32767;
//  - Single when the text is what the single-precision value would write, or
//    is written in another form ("0.50", ".5", "1e7") of a value that 7
//    significant digits hold;
//  - Double otherwise (the text of a double written at 15 digits).
NumberParse ParseFileVariant(std::string_view field, Variant& out);

}  // namespace tamrel
