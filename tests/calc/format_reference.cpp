// The display-pattern formatter as it was before its fast rewrite: every
// value through a 39-digit expansion (780 digits where the margin is all
// zeros) held in strings, rounded digit by digit. Slow but plainly right; the
// formatter of the program must give exactly its texts.

#include "calc/format_reference.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace tamrel::reference {
namespace {

// A decimal number as a digit string: value = 0.d0 d1 d2 ... x 10^point, with
// no leading or trailing zeros in `digits` (empty for zero).
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};

void StripZeros(Decimal& d) {
  const auto first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  d.digits.erase(0, first);
  d.point -= static_cast<int>(first);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

// Keeps the first `keep` digits of d, rounding half away from zero on the
// digit that follows them. keep may be zero or negative (the value is then
// below the last kept place: it rounds to one unit of that place or to zero).
void RoundToDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++d.digits[static_cast<std::size_t>(i)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    }
  }
  StripZeros(d);
}

// Writes |value| in scientific form with `precision` digits after the point
// into d (digits and point); false when to_chars fails.
bool ScientificDigits(double value, int precision, Decimal& d) {
  std::array<char, 800> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                 std::chars_format::scientific, precision);
  if (res.ec != std::errc()) return false;
  const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  // text is "d.ddd...e[+-]xx"
  const auto e = text.find('e');
  d.digits.clear();
  d.digits.reserve(e);
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  int exponent = 0;
  const char* expBegin = text.data() + e + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, text.data() + text.size(), exponent);
  d.point = exponent + 1;
  return true;
}

// An upper bound of the number of significant decimal digits of the exact
// expansion of |value| (finite, not zero): m 2^e with m odd has as many as
// the integer m 5^-e when e < 0, and at most its integer digits otherwise.
int ExactDigitsBound(double value) {
  int exp2 = 0;
  const double f = std::frexp(std::fabs(value), &exp2);
  std::uint64_t mant = static_cast<std::uint64_t>(std::ldexp(f, 53));
  int e = exp2 - 53;
  const int zeros = std::min(std::countr_zero(mant), std::max(0, -e));
  mant >>= zeros;
  e += zeros;
  if (e >= 0) return static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 2;
  return static_cast<int>(std::log10(static_cast<double>(mant)) + (-e) * 0.69897000433601886) + 2;
}

// The value at its own precision: its exact binary value in decimal,
// rounded half away from zero to `significant` digits. Only the first
// significant + 1 exact digits decide that rounding. They are taken from a
// correctly rounded expansion with a margin of extra digits; when the margin
// is all zeros (an exact end, or a carry from to_chars's own rounding that
// could have reached the digits that matter) the full exact expansion is
// used instead (a double has at most 767 significant decimal digits).
Decimal ToDecimal(double value, int significant) {
  Decimal d;
  d.negative = value < 0.0;
  if (value == 0.0) return d;
  constexpr int kMargin = 24;
  const int precision = significant + kMargin;
  if (!ScientificDigits(value, precision, d)) return d;
  const std::string_view margin =
      std::string_view(d.digits).substr(static_cast<std::size_t>(significant) + 1);
  if (margin.find_first_not_of('0') == std::string_view::npos &&
      ExactDigitsBound(value) > precision + 1) {
    constexpr int kExactDigits = 780;
    if (!ScientificDigits(value, kExactDigits, d)) return Decimal{d.negative, {}, 0};
  }
  StripZeros(d);
  RoundToDigits(d, significant);
  return d;
}

// Digit number `index` of d (0 = first significant digit); zeros beyond
// the stored digits.
char DigitAt(const Decimal& d, int index) {
  if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[static_cast<std::size_t>(index)];
}

// A parsed display pattern: [#0]* ['.' [#0]*] [('E'|'e') ('+'|'-') 0+].
struct Pattern {
  bool valid = false;
  int intPlaces = 0;    // placeholders before the point
  int intRequired = 0;  // of them "0" (digits always written)
  bool hasPoint = false;
  int decPlaces = 0;    // placeholders after the point
  int decRequired = 0;  // leading "0" among them (the rest "#")
  bool scientific = false;
  char expLetter = 'E';
  bool expSignAlways = true;  // "E+0": sign always; "E-0": minus only
  int expDigits = 0;          // minimum exponent digits
};

Pattern ParsePattern(std::string_view p) {
  Pattern r;
  std::size_t i = 0;
  for (; i < p.size() && (p[i] == '#' || p[i] == '0'); ++i) {
    ++r.intPlaces;
    if (p[i] == '0') ++r.intRequired;
  }
  if (i < p.size() && p[i] == '.') {
    r.hasPoint = true;
    bool hashSeen = false;
    for (++i; i < p.size() && (p[i] == '#' || p[i] == '0'); ++i) {
      ++r.decPlaces;
      if (p[i] == '#') hashSeen = true;
      if (p[i] == '0' && !hashSeen) ++r.decRequired;
    }
  }
  if (i + 1 < p.size() && (p[i] == 'E' || p[i] == 'e') && (p[i + 1] == '+' || p[i + 1] == '-')) {
    r.scientific = true;
    r.expLetter = p[i];
    r.expSignAlways = p[i + 1] == '+';
    for (i += 2; i < p.size() && p[i] == '0'; ++i) ++r.expDigits;
    if (r.expDigits == 0) return r;
  }
  r.valid = i == p.size() && (r.intPlaces + r.decPlaces > 0 || r.hasPoint);
  return r;
}

// Decimals after the point: all placeholders, less trailing zeros that only
// "#" places would show.
std::string Decimals(const Decimal& d, int firstIndex, const Pattern& pat) {
  std::string out;
  for (int k = 0; k < pat.decPlaces; ++k) out.push_back(DigitAt(d, firstIndex + k));
  while (static_cast<int>(out.size()) > pat.decRequired && out.back() == '0') out.pop_back();
  return out;
}

std::string FormatFixed(Decimal d, const Pattern& pat, char decimalSign) {
  RoundToDigits(d, d.point + pat.decPlaces);
  std::string intPart;
  for (int k = 0; k < d.point; ++k) intPart.push_back(DigitAt(d, k));
  if (static_cast<int>(intPart.size()) < pat.intRequired) {
    intPart.insert(0, static_cast<std::size_t>(pat.intRequired) - intPart.size(), '0');
  }
  std::string body = intPart;
  if (pat.hasPoint) {
    body.push_back(decimalSign);
    body += Decimals(d, d.point, pat);
  }
  // A negative value keeps its sign when it rounds to zero ("-0.0"), as the
  // classic Format of desktop BASIC shows it: the engineer sees that a small
  // compressive stress is compressive. Only where nothing at all is written
  // ("###" showing zero) no lone "-" is left.
  if (d.negative && !body.empty()) body.insert(body.begin(), '-');
  return body;
}

std::string FormatScientific(Decimal d, const Pattern& pat, char decimalSign) {
  const int mantissaInt = pat.intPlaces;
  RoundToDigits(d, mantissaInt + pat.decPlaces);
  const int exponent = d.digits.empty() ? 0 : d.point - mantissaInt;
  std::string body;
  if (d.negative && !d.digits.empty()) body.push_back('-');
  // The first digit of a non-zero value is never 0, so only zero has places
  // to blank: "0" places show a zero there, "#" places nothing.
  std::string intPart;
  if (d.digits.empty()) {
    intPart.assign(static_cast<std::size_t>(pat.intRequired), '0');
  } else {
    for (int k = 0; k < mantissaInt; ++k) intPart.push_back(DigitAt(d, k));
  }
  body += intPart;
  if (pat.hasPoint) {
    body.push_back(decimalSign);
    body += Decimals(d, mantissaInt, pat);
  }
  body.push_back(pat.expLetter);
  if (exponent < 0) {
    body.push_back('-');
  } else if (pat.expSignAlways) {
    body.push_back('+');
  }
  std::array<char, 16> expBuf{};
  const auto res = std::to_chars(expBuf.data(), expBuf.data() + expBuf.size(),
                                 exponent < 0 ? -exponent : exponent);
  const std::string_view expText(expBuf.data(), static_cast<std::size_t>(res.ptr - expBuf.data()));
  if (static_cast<int>(expText.size()) < pat.expDigits) {
    body.append(static_cast<std::size_t>(pat.expDigits) - expText.size(), '0');
  }
  body += expText;
  return body;
}

// Text for a pattern this formatter does not know: all significant digits of
// the value at its precision, without exponent.
std::string FormatGeneral(const Decimal& d, char decimalSign) {
  if (d.digits.empty()) return "0";
  Pattern pat;
  pat.intRequired = 1;
  pat.intPlaces = 1;
  const int decimals = static_cast<int>(d.digits.size()) - d.point;
  pat.hasPoint = decimals > 0;
  pat.decPlaces = pat.decRequired = decimals > 0 ? decimals : 0;
  return FormatFixed(d, pat, decimalSign);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, char decimalSign,
                         Precision precision) {
  if (!std::isfinite(value)) return kNotANumberText;
  const Decimal d = ToDecimal(value, precision == Precision::Single ? 7 : 15);
  const Pattern pat = ParsePattern(pattern);
  if (!pat.valid) return FormatGeneral(d, decimalSign);
  return pat.scientific ? FormatScientific(d, pat, decimalSign) : FormatFixed(d, pat, decimalSign);
}

}  // namespace tamrel::reference
