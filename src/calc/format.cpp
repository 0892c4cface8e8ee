#include "calc/format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

namespace tamrel {
namespace {

__extension__ typedef unsigned __int128 Uint128;

// 10^0 to 10^19, the powers of ten that fit 64 bits.
constexpr auto kPow10 = [] {
  std::array<std::uint64_t, 20> t{};
  std::uint64_t v = 1;
  for (std::uint64_t& x : t) {
    x = v;
    v *= 10;  // wraps after the last entry, which is not used
  }
  return t;
}();

// "00" to "99": two digits at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> t{};
  for (int i = 0; i < 100; ++i) {
    t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return t;
}();

// A decimal number of at most 16 significant digits (a double's 15 and the
// one beyond that decides their rounding), held as an integer:
// value = 0.d1 d2 ... dn x 10^point, where digits = d1 d2 ... dn has exactly
// n digits (trailing zeros allowed); zero has n = 0 and point 0.
struct Decimal {
  bool negative = false;
  std::uint64_t digits = 0;
  int n = 0;
  int point = 0;
};

void SetZero(Decimal& d) {
  d.digits = 0;
  d.n = 0;
  d.point = 0;
}

// Keeps the first `keep` digits of d, rounding half away from zero on the
// digits that follow them. keep may be zero or negative (the value is then
// below the last kept place: it rounds to one unit of that place or to zero).
void RoundToDigits(Decimal& d, int keep) {
  if (keep >= d.n) return;
  if (keep < 0) {
    SetZero(d);
    return;
  }
  const std::uint64_t unit = kPow10[d.n - keep];
  std::uint64_t kept = d.digits / unit;
  if (d.digits - kept * unit >= unit / 2) ++kept;  // the next digit is 5 or more
  if (kept == 0) {
    SetZero(d);
  } else if (kept == kPow10[keep]) {  // all nines carried (or one unit of the next place)
    d.digits = 1;
    d.n = 1;
    ++d.point;
  } else {
    d.digits = kept;
    d.n = keep;
  }
}

// x (positive, normal) rounded half away from zero to `significant` digits
// by exact integer arithmetic: with x = m 2^e and 10^p <= x < 10^(p+1), the
// kept digits are N = floor(x 10^j) for j = significant - 1 - p, and the
// remainder of that floor decides the rounding, a tie included. false when
// x lies outside the range where m 10^j or x itself fits 64 or 128 bits
// (below about 1e-8 for a double's 15 digits, 1e-16 for a single's 7, and
// from 2^64 up).
bool IntegerDecimal(double x, int significant, Decimal& d) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const int biased = static_cast<int>(bits >> 52);
  if (biased == 0) return false;  // subnormal
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int e = biased - 1075;  // x = m 2^e
  // 2^e2 <= x < 2^(e2+1); p starts at floor(e2 log10 2) (the product with
  // 78913 / 2^18 gives it exactly for every double's e2), so that
  // 10^p <= x < 10^(p+2).
  const int e2 = biased - 1023;
  int p = (e2 * 78913) >> 18;
  const int j = significant - 1 - p;
  std::uint64_t n = 0;
  bool up = false;
  if (j >= 0) {
    if (j > 22 || e >= 0) return false;  // m 10^22 still fits 128 bits
    const Uint128 scaled =
        j <= 19 ? Uint128{m} * kPow10[j] : Uint128{m} * kPow10[19] * kPow10[j - 19];
    const int s = -e;
    if (s >= 128) return false;
    n = static_cast<std::uint64_t>(scaled >> s);
    up = ((scaled >> (s - 1)) & 1) != 0;  // remainder at least half of 2^s
  } else {
    const int k = -j;
    if (k > 19) return false;
    std::uint64_t num = m;
    std::uint64_t den = kPow10[k];
    if (e >= 0) {
      if (e > 11) return false;  // x >= 2^64
      num <<= e;
    } else {
      if (-e >= 64 || den > (~std::uint64_t{0} >> -e)) return false;
      den <<= -e;
    }
    n = num / den;
    const std::uint64_t rem = num % den;
    up = rem >= den - rem;
  }
  // One digit too many where x >= 10^(p+1): the dropped digit decides (the
  // remainder below it cannot lift a 4 to a half).
  while (n >= kPow10[significant]) {
    up = n % 10 >= 5;
    n /= 10;
    ++p;
  }
  if (n < kPow10[significant - 1]) return false;  // not reached: 10^p <= x
  n += up ? 1 : 0;
  if (n == kPow10[significant]) {  // rounded up to the next power of ten
    d.digits = 1;
    d.n = 1;
    d.point = p + 2;
  } else {
    d.digits = n;
    d.n = significant;
    d.point = p + 1;
  }
  return true;
}

// An upper bound of the number of significant decimal digits of the exact
// expansion of x (finite, positive): m 2^e with m odd has as many as the
// integer m 5^-e when e < 0, and at most its integer digits otherwise.
int ExactDigitsBound(double x) {
  int exp2 = 0;
  const double f = std::frexp(x, &exp2);
  std::uint64_t mant = static_cast<std::uint64_t>(std::ldexp(f, 53));
  int e = exp2 - 53;
  const int zeros = std::min(std::countr_zero(mant), std::max(0, -e));
  mant >>= zeros;
  e += zeros;
  if (e >= 0) return static_cast<int>(std::floor(std::log10(x))) + 2;
  return static_cast<int>(std::log10(static_cast<double>(mant)) + (-e) * 0.69897000433601886) + 2;
}

// x (finite, positive) rounded half away from zero to `significant` digits
// of its exact binary value, for the values outside the range of the integer
// way (tiny, huge, subnormal): from a correctly rounded expansion with a
// margin of extra digits, and where the margin is all zeros (an exact end,
// or a carry of to_chars's own rounding that could have reached the digits
// that matter) from the full exact expansion (a double has at most 767
// significant decimal digits).
void ExactDecimal(double x, int significant, Decimal& d) {
  constexpr int kMargin = 24;
  const int precision = significant + kMargin;
  char text[64];
  auto res = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, precision);
  const char* begin = text;
  bool exactEnd = true;
  for (const char* c = text + 2 + significant; c != res.ptr && *c != 'e'; ++c) {
    if (*c != '0') {
      exactEnd = false;
      break;
    }
  }
  char exact[800];
  if (exactEnd && ExactDigitsBound(x) > precision + 1) {
    constexpr int kExactDigits = 780;
    res =
        std::to_chars(exact, exact + sizeof exact, x, std::chars_format::scientific, kExactDigits);
    if (res.ec != std::errc()) {
      SetZero(d);
      return;
    }
    begin = exact;
  }
  // "d.ddd...e[+-]xx": the first significant + 1 digits and the exponent.
  const char* e =
      static_cast<const char*>(std::memchr(begin, 'e', static_cast<std::size_t>(res.ptr - begin)));
  d.digits = static_cast<std::uint64_t>(begin[0] - '0');
  d.n = 1;
  for (const char* c = begin + 2; c < e && d.n <= significant; ++c, ++d.n) {
    d.digits = d.digits * 10 + static_cast<std::uint64_t>(*c - '0');
  }
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);
  d.point = exponent + 1;
  RoundToDigits(d, significant);
}

// The value at its own precision: its exact binary value in decimal,
// rounded half away from zero to `significant` (7 or 15) digits.
Decimal ToDecimal(double value, int significant) {
  Decimal d;
  d.negative = value < 0.0;
  if (value == 0.0) return d;
  const double x = std::fabs(value);
  if (!IntegerDecimal(x, significant, d)) ExactDecimal(x, significant, d);
  return d;
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
  const char* c = p.data();
  const char* const end = c + p.size();
  for (; c != end && (*c == '0' || *c == '#'); ++c) {
    ++r.intPlaces;
    if (*c == '0') ++r.intRequired;
  }
  if (c != end && *c == '.') {
    r.hasPoint = true;
    for (++c; c != end && *c == '0'; ++c) ++r.decRequired;  // "0" before any "#"
    r.decPlaces = r.decRequired;
    for (; c != end && (*c == '0' || *c == '#'); ++c) ++r.decPlaces;
  }
  if (end - c >= 2 && (*c == 'E' || *c == 'e') && (c[1] == '+' || c[1] == '-')) {
    r.scientific = true;
    r.expLetter = *c;
    r.expSignAlways = c[1] == '+';
    for (c += 2; c != end && *c == '0'; ++c) ++r.expDigits;
    if (r.expDigits == 0) return r;
  }
  r.valid = c == end && (r.intPlaces + r.decPlaces > 0 || r.hasPoint);
  return r;
}

// v written in exactly `width` digits (zeros in front); returns the end.
char* WriteUnsigned(char* out, std::uint64_t v, int width) {
  int i = width;
  for (; i >= 2; i -= 2) {
    std::memcpy(out + i - 2, kDigitPairs.data() + 2 * (v % 100), 2);
    v /= 100;
  }
  if (i == 1) out[0] = static_cast<char>('0' + v);
  return out + width;
}

// The n digits of d as characters.
void WriteDigits(char* out, const Decimal& d) {
  WriteUnsigned(out, d.digits, d.n);
}

// The digits of a rounded value as characters: digit k of the value is
// text[k], zeros outside.
struct DigitText {
  char text[16];
  int n;
  explicit DigitText(const Decimal& d) : n(d.n) { WriteDigits(text, d); }
};

char* Fill(char* out, char c, int count) {
  for (int k = 0; k < count; ++k) *out++ = c;
  return out;
}

// Digits first .. first + count - 1 of the value, zeros outside its digits.
char* Digits(char* out, const DigitText& t, int first, int count) {
  if (count <= 0) return out;
  const int lo = std::max(first, 0);
  const int hi = std::min(first + count, t.n);
  if (hi <= lo) return Fill(out, '0', count);
  out = Fill(out, '0', lo - first);
  for (int k = lo; k < hi; ++k) *out++ = t.text[k];
  return Fill(out, '0', first + count - hi);
}

// Decimals after the point: all placeholders, less trailing zeros that only
// "#" places would show.
char* Decimals(char* out, const DigitText& t, int first, const Pattern& pat) {
  char* const start = out;
  out = Digits(out, t, first, pat.decPlaces);
  while (out - start > pat.decRequired && out[-1] == '0') --out;
  return out;
}

// The text that write(char* begin) puts into a buffer of at least `bound`
// characters, returning its end: on the stack, or for the rare longer text
// (the integer digits of a huge value under a fixed pattern) on the heap.
template <class Write>
std::string Text(std::size_t bound, const Write& write) {
  char small[64];
  if (bound <= sizeof small) return std::string(small, write(small));
  std::string large(bound, '\0');
  large.resize(static_cast<std::size_t>(write(large.data()) - large.data()));
  return large;
}

// Decimals after the point from their integer (dp = pat.decPlaces digits),
// less trailing zeros that only "#" places would show.
char* IntegerDecimals(char* out, std::uint64_t decimals, const Pattern& pat) {
  char* const start = out;
  out = WriteUnsigned(out, decimals, pat.decPlaces);
  while (out - start > pat.decRequired && out[-1] == '0') --out;
  return out;
}

// The rounded value d times 10^places as an integer, when it has at most 19
// digits (d is rounded to `places` digits after its point or fewer). A
// mantissa of no places at all that rounds up to a carried 1 has a digit
// beyond its width: that is left to the digit-by-digit path.
bool ScaledInteger(const Decimal& d, int places, std::uint64_t& value) {
  const int width = d.point + places;
  if (places > 19 || width > 19 || width < d.n) return false;
  value = d.n == 0 ? 0 : d.digits * kPow10[width - d.n];
  return true;
}

std::string FormatFixed(Decimal d, const Pattern& pat, char decimalSign) {
  RoundToDigits(d, d.point + pat.decPlaces);
  const int intDigits = std::max(d.point, 0);
  const int intLen = std::max(intDigits, pat.intRequired);
  // A negative value keeps its sign when it rounds to zero ("-0.0"), as the
  // classic Format of desktop BASIC shows it: the engineer sees that a small
  // compressive stress is compressive. Only where nothing at all is written
  // ("###" showing zero) no lone "-" is left.
  const bool minus = d.negative && (intLen > 0 || pat.hasPoint);
  // The usual case: integer part and decimals from one integer; digit by
  // digit where that would exceed 19 digits.
  std::uint64_t scaled = 0;
  const bool integer = ScaledInteger(d, pat.decPlaces, scaled);
  const std::uint64_t unit = kPow10[std::min(pat.decPlaces, 19)];
  const DigitText t(integer ? Decimal{} : d);
  return Text(static_cast<std::size_t>(intLen + pat.decPlaces) + 2, [&](char* out) {
    if (minus) *out++ = '-';
    out = Fill(out, '0', intLen - intDigits);
    out = integer ? WriteUnsigned(out, scaled / unit, intDigits) : Digits(out, t, 0, intDigits);
    if (pat.hasPoint) {
      *out++ = decimalSign;
      out = integer ? IntegerDecimals(out, scaled % unit, pat) : Decimals(out, t, d.point, pat);
    }
    return out;
  });
}

std::string FormatScientific(Decimal d, const Pattern& pat, char decimalSign) {
  const int mantissaInt = pat.intPlaces;
  RoundToDigits(d, mantissaInt + pat.decPlaces);
  const int exponent = d.n == 0 ? 0 : d.point - mantissaInt;
  char expText[16];
  const auto res =
      std::to_chars(expText, expText + sizeof expText, exponent < 0 ? -exponent : exponent);
  const int expLen = static_cast<int>(res.ptr - expText);
  const int bound =
      std::max(mantissaInt, pat.intRequired) + pat.decPlaces + std::max(expLen, pat.expDigits) + 5;
  // The mantissa as one integer where it has at most 19 digits.
  Decimal mantissa = d;
  mantissa.point = mantissaInt;
  std::uint64_t scaled = 0;
  const bool integer = ScaledInteger(mantissa, pat.decPlaces, scaled);
  const std::uint64_t unit = kPow10[std::min(pat.decPlaces, 19)];
  const DigitText t(integer ? Decimal{} : d);
  return Text(static_cast<std::size_t>(bound), [&](char* out) {
    if (d.negative && d.n > 0) *out++ = '-';
    // The first digit of a non-zero value is never 0, so only zero has
    // places to blank: "0" places show a zero there, "#" places nothing.
    if (d.n == 0) {
      out = Fill(out, '0', pat.intRequired);
    } else if (integer) {
      out = WriteUnsigned(out, scaled / unit, mantissaInt);
    } else {
      out = Digits(out, t, 0, mantissaInt);
    }
    if (pat.hasPoint) {
      *out++ = decimalSign;
      out = integer ? IntegerDecimals(out, scaled % unit, pat) : Decimals(out, t, mantissaInt, pat);
    }
    *out++ = pat.expLetter;
    if (exponent < 0) {
      *out++ = '-';
    } else if (pat.expSignAlways) {
      *out++ = '+';
    }
    out = Fill(out, '0', pat.expDigits - expLen);
    for (int k = 0; k < expLen; ++k) *out++ = expText[k];
    return out;
  });
}

// Text for a pattern this formatter does not know: all significant digits of
// the value at its precision, without exponent.
std::string FormatGeneral(Decimal d, char decimalSign) {
  while (d.n > 0 && d.digits % 10 == 0) {
    d.digits /= 10;
    --d.n;
  }
  if (d.n == 0) return "0";
  Pattern pat;
  pat.intRequired = 1;
  pat.intPlaces = 1;
  const int decimals = d.n - d.point;
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

std::string FormatNumber(float value, std::string_view pattern, char decimalSign) {
  return FormatNumber(static_cast<double>(value), pattern, decimalSign, Precision::Single);
}

std::string FormatNumber(const Variant& value, std::string_view pattern, char decimalSign) {
  const Precision precision =
      value.kind() == Variant::Kind::Single ? Precision::Single : Precision::Double;
  return FormatNumber(value.value(), pattern, decimalSign, precision);
}

}  // namespace tamrel
