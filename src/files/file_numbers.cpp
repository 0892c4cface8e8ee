#include "files/file_numbers.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tamrel {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

template <class T>
std::string FormatGeneral(T value, int precision) {
  if (value == 0) return "0";  // also a negative zero
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
  std::string text(buf, res.ptr);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A single with `digits` significant digits (more than 7), in the form a
// single is written at 7: exponent form when the decimal exponent of the
// rounded value is below -4 or at least 7, without trailing zeros.
std::string FormatSingleDigits(float value, int digits) {
  char buf[64];
  const auto sci =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
  std::string text(buf, sci.ptr);
  const auto e = text.find('e');
  int exponent = 0;
  const char* expBegin = text.data() + e + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, text.data() + text.size(), exponent);
  if (exponent < -4 || exponent >= 7) {
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
    text = mantissa + "E" + text.substr(e + 1);
  } else {
    text = FormatGeneral(value, digits);  // fixed form: its exponent is below `digits`
  }
  return text;
}

// Normalises a field for std::from_chars: drops a leading '+', turns a BASIC
// 'D' exponent into 'E'. Returns false when nothing number-like is left.
bool Normalise(std::string_view field, std::string& out) {
  if (field.empty()) return false;
  if (field.front() == '+') {
    field.remove_prefix(1);
    if (field.empty() || field.front() == '-' || field.front() == '+') return false;
  }
  out.assign(field);
  for (char& c : out) {
    if (c == 'd' || c == 'D') c = 'E';
  }
  return true;
}

template <class T>
std::errc FromChars(const std::string& text, T& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  const auto res = std::from_chars(first, last, out, std::chars_format::general);
  if (res.ec == std::errc() && res.ptr != last) return std::errc::invalid_argument;
  return res.ec;
}

bool IsPlainInteger(std::string_view field) {
  if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
  if (field.empty()) return false;
  for (char c : field) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::string FormatFileInt16(std::int16_t value) {
  char buf[8];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<int>(value));
  return std::string(buf, res.ptr);
}

std::string FormatFileSingle(float value) {
  std::string text = FormatGeneral(value, 7);
  if (!std::isfinite(value) || value == 0) return text;
  // Seven digits do not tell every single from its neighbours (near 1E+28
  // and 1E-38, for instance): then the fewest digits, at most nine, that
  // read back as the same single, still in exponent form from 1E+07 on.
  for (int digits = 8; digits <= 9; ++digits) {
    float back = 0;
    if (ParseFileSingle(text, back) == NumberParse::Ok && back == value) break;
    text = FormatSingleDigits(value, digits);
  }
  return text;
}

std::string FormatFileDouble(double value) {
  return FormatGeneral(value, 15);
}

std::string FormatFileVariant(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Empty: return "0";
    case Variant::Kind::Int16: return FormatFileInt16(static_cast<std::int16_t>(value.value()));
    case Variant::Kind::Single: return FormatFileSingle(static_cast<float>(value.value()));
    case Variant::Kind::Double: return FormatFileDouble(value.value());
  }
  return "0";
}

std::string_view NumberField(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && IsBlank(line[begin])) ++begin;
  line.remove_prefix(begin);
  const std::size_t comma = line.find(',');
  if (comma != std::string_view::npos) line = line.substr(0, comma);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

NumberParse ParseFileDouble(std::string_view field, double& out) {
  std::string text;
  if (!Normalise(field, text)) return NumberParse::NotANumber;
  double d = 0;
  const std::errc ec = FromChars(text, d);
  if (ec == std::errc()) {
    out = d;
    return NumberParse::Ok;
  }
  if (ec != std::errc::result_out_of_range) return NumberParse::NotANumber;
  // Beyond the double range: an underflow reads as its nearest double (0 or
  // a subnormal), an overflow is refused, except for the largest double as
  // it is written (15 digits round it up to 1.79769313486232E+308), so that
  // a project holding it can be read back.
  constexpr long double kLargestWritten = 1.79769313486232E+308L;
  constexpr double kLargest = std::numeric_limits<double>::max();
  long double ld = 0;
  if (FromChars(text, ld) != std::errc() || std::fabs(ld) > kLargestWritten) {
    return NumberParse::OutOfRange;
  }
  if (std::fabs(ld) > static_cast<long double>(kLargest)) {
    out = std::signbit(ld) ? -kLargest : kLargest;
  } else {
    out = static_cast<double>(ld);
  }
  return NumberParse::Ok;
}

NumberParse ParseFileSingle(std::string_view field, float& out) {
  std::string text;
  if (!Normalise(field, text)) return NumberParse::NotANumber;
  float f = 0;
  const std::errc ec = FromChars(text, f);
  if (ec == std::errc()) {
    out = f;
    return NumberParse::Ok;
  }
  if (ec != std::errc::result_out_of_range) return NumberParse::NotANumber;
  double d = 0;
  const NumberParse wide = ParseFileDouble(field, d);
  if (wide != NumberParse::Ok) return wide;
  if (std::fabs(d) > static_cast<double>(FLT_MAX)) return NumberParse::OutOfRange;
  out = static_cast<float>(d);  // an underflow: 0 or a subnormal single
  return NumberParse::Ok;
}

NumberParse ParseFileInt16(std::string_view field, std::int16_t& out) {
  double d = 0;
  const NumberParse p = ParseFileDouble(field, d);
  if (p != NumberParse::Ok) return p;
  if (std::isnan(d)) return NumberParse::NotANumber;
  // Round half to even.
  double r = std::floor(d);
  const double frac = d - r;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  if (!(r >= -32768.0 && r <= 32767.0)) return NumberParse::OutOfRange;
  out = static_cast<std::int16_t>(r);
  return NumberParse::Ok;
}

NumberParse ParseFileVariant(std::string_view field, Variant& out) {
  if (IsPlainInteger(field)) {
    std::string_view digits = field;
    if (digits.front() == '+') digits.remove_prefix(1);
    long long n = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (res.ec == std::errc() && n >= -32768 && n <= 32767) {
      out = Variant::Int(static_cast<std::int16_t>(n));
      return NumberParse::Ok;
    }
  }
  double d = 0;
  const NumberParse p = ParseFileDouble(field, d);
  if (p != NumberParse::Ok) return p;
  float f = 0;
  if (ParseFileSingle(field, f) != NumberParse::Ok) {
    out = d;  // beyond the single range
    return NumberParse::Ok;
  }
  const std::string asSingle = FormatFileSingle(f);
  if (asSingle == field) {
    out = f;
    return NumberParse::Ok;
  }
  if (FormatFileDouble(d) == field) {
    out = d;
    return NumberParse::Ok;
  }
  // Another form of the text: single when 7 significant digits hold the value.
  double back = 0;
  const bool sameValue = ParseFileDouble(asSingle, back) == NumberParse::Ok &&
                         (back == d || (std::isnan(back) && std::isnan(d)));
  if (sameValue) {
    out = f;
  } else {
    out = d;
  }
  return NumberParse::Ok;
}

}  // namespace tamrel
