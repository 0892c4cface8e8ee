#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tamrel {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number taken apart: sign, mantissa digits around one '.', and exponent.
struct NumberParts {
  bool negative = false;
  std::string mantissa;  // digits with at most one '.', as std::from_chars reads them
  int mantissaDigits = 0;
  bool hasExponent = false;
  bool exponentNegative = false;
  std::string exponentDigits;
};

// Power of ten of the leading significant digit, for telling an overflow
// from an underflow when the value is outside double precision.
long DecimalMagnitude(const NumberParts& p) {
  long intDigits = 0;
  long firstNonZero = -1;
  long position = 0;
  bool afterPoint = false;
  for (char c : p.mantissa) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (!afterPoint) ++intDigits;
    if (c != '0' && firstNonZero < 0) firstNonZero = position;
    ++position;
  }
  if (firstNonZero < 0) return std::numeric_limits<long>::min();  // zero
  long exponent = 0;
  for (char c : p.exponentDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 1'000'000) break;  // far outside any floating range
  }
  if (p.exponentNegative) exponent = -exponent;
  return intDigits - firstNonZero - 1 + exponent;
}

// The double a taken-apart number stands for; std::nullopt when it is too
// large for double precision. Values too small for it read as 0.
std::optional<double> Convert(const NumberParts& p) {
  std::string text = p.mantissa;
  if (p.hasExponent) {
    text += p.exponentNegative ? "e-" : "e";
    text += p.exponentDigits;
  }
  double value = 0.0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(p) >= 0) return std::nullopt;
    value = 0.0;
  } else if (ec != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return p.negative ? -value : value;
}

// The leading number of a text where the locale writes a decimal point:
// blanks, tabs and line feeds are skipped anywhere; an optional sign, digits
// with at most one '.', an optional exponent; reading stops at the first
// character that cannot continue the number. No number at all reads as 0.
std::optional<double> LeadingNumber(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  auto skip = [&] {
    while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n')) ++i;
  };
  NumberParts p;
  skip();
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    p.negative = s[i] == '-';
    ++i;
  }
  bool point = false;
  for (;;) {
    skip();
    if (i >= n) break;
    if (IsDigit(s[i])) {
      p.mantissa += s[i];
      ++p.mantissaDigits;
    } else if (s[i] == '.' && !point) {
      point = true;
      p.mantissa += '.';
    } else {
      break;
    }
    ++i;
  }
  if (p.mantissaDigits == 0) return 0.0;
  if (i < n && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    auto skipAt = [&] {
      while (j < n && (s[j] == ' ' || s[j] == '\t' || s[j] == '\n')) ++j;
    };
    skipAt();
    bool negative = false;
    if (j < n && (s[j] == '+' || s[j] == '-')) {
      negative = s[j] == '-';
      ++j;
    }
    std::string digits;
    for (;;) {
      skipAt();
      if (j >= n || !IsDigit(s[j])) break;
      digits += s[j];
      ++j;
    }
    if (!digits.empty()) {  // "1e" or "1e+" reads as 1
      p.hasExponent = true;
      p.exponentNegative = negative;
      p.exponentDigits = digits;
    }
  }
  return Convert(p);
}

// A whole text that is one number with the given decimal sign, blanks around
// it allowed: sign, digits with at most one decimal sign (at least one
// digit), optional exponent with at least one digit.
std::optional<double> WholeNumber(std::string_view s, char decimalSign) {
  std::size_t i = 0;
  std::size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  while (n > i && s[n - 1] == ' ') --n;
  NumberParts p;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    p.negative = s[i] == '-';
    ++i;
  }
  bool point = false;
  for (; i < n; ++i) {
    if (IsDigit(s[i])) {
      p.mantissa += s[i];
      ++p.mantissaDigits;
    } else if (s[i] == decimalSign && !point) {
      point = true;
      p.mantissa += '.';
    } else {
      break;
    }
  }
  if (p.mantissaDigits == 0) return std::nullopt;
  if (i < n && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    p.hasExponent = true;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
      p.exponentNegative = s[i] == '-';
      ++i;
    }
    for (; i < n && IsDigit(s[i]); ++i) p.exponentDigits += s[i];
    if (p.exponentDigits.empty()) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  return Convert(p);
}

std::string_view TrimLeadingBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

std::string Replace(std::string_view s, char from, char to) {
  std::string out(s);
  for (char& c : out) {
    if (c == from) c = to;
  }
  return out;
}

}  // namespace

std::optional<float> ParseNumber(const Variant& decflag, std::string_view text) {
  const std::string_view trimmed = TrimLeadingBlanks(text);
  std::optional<double> value;
  if (decflag.value() == 0.0) {
    value = LeadingNumber(Replace(trimmed, ',', '.'));
  } else {
    value = WholeNumber(Replace(trimmed, '.', ','), ',');
  }
  if (!value) return std::nullopt;
  // A number beyond single precision is no number for a single-precision box.
  if (!(std::fabs(*value) <= static_cast<double>(std::numeric_limits<float>::max()))) {
    return std::nullopt;
  }
  return static_cast<float>(*value);
}

std::optional<double> ParseLocaleNumber(std::string_view text, char decimalSign) {
  return WholeNumber(text, decimalSign);
}

std::int16_t DecimalSignFlag(std::string_view formattedOnePointOne) {
  const int c = formattedOnePointOne.compare("1.1");
  return static_cast<std::int16_t>(c == 0 ? 0 : (c < 0 ? -1 : 1));
}

std::string PlainNumberText(const Variant& value, char decimalSign) {
  const double v = value.value();
  if (!std::isfinite(v)) return "n/a";
  char buffer[64];
  std::to_chars_result r{};
  switch (value.kind()) {
    case Variant::Kind::Empty:
    case Variant::Kind::Int16:
      r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long>(v));
      break;
    case Variant::Kind::Single:
      r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(v),
                        std::chars_format::general, 7);
      break;
    case Variant::Kind::Double:
      r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15);
      break;
  }
  std::string out(buffer, r.ptr);
  for (char& c : out) {
    if (c == '.') c = decimalSign;
    if (c == 'e') c = 'E';
  }
  return out;
}

}  // namespace tamrel
