// Fuzz target: the number texts. The bytes choose one of:
//  - a value (any single or double) shown through a display pattern (those
//    the program uses, or any text as a pattern): "n/a" for a value that is
//    not a finite number; otherwise only digits, the decimal sign, a
//    leading minus exactly for a negative value and, in the scientific
//    form, "E" with a signed exponent; a pattern's decimals all shown; the
//    text read back lies within the rounding of the pattern's last place;
//  - a typed text read by the number parser in both branches: a finite
//    single or no number; a text the locale branch reads, the point branch
//    reads as the same number; a number shown in its plain form reads back
//    within its 7 significant digits (and the single nearest them);
//  - a value written as a project-file number and read back: an integer
//    and a single exactly, a double within its 15 significant digits and
//    written again to the same text, a variant written again to the same
//    text;
//  - a project-file line whose number field is read as every kind: a field
//    without comma or surrounding blanks; what reads, written, read and
//    written again, is the same text.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/format.h"
#include "calc/number_text.h"
#include "files/file_numbers.h"
#include "fuzz_check.h"
#include "fuzzed_data.h"

namespace tamrel::fuzz {
namespace {

std::string Shown(double v) {
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// ---- Display patterns ----

constexpr const char* kPatterns[] = {"0",     "00",    "#00",   "###",     "##0",
                                     "0.0",   "#0.0",  "##0.0", "0.00",    "#0.00",
                                     "##.00", "0.000", "#",     "0.00E+0", "0.000E+0"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A text of one of the program's patterns, as the pattern makes it.
void CheckPatternForm(const std::string& text, std::string_view pattern, char sign, double v,
                      const std::string& what) {
  const std::size_t e = pattern.find('E');
  const bool scientific = e != std::string_view::npos;
  const std::string_view mantissaPattern = pattern.substr(0, e);
  const std::size_t point = mantissaPattern.find('.');
  const std::size_t decimals =
      point == std::string_view::npos ? 0 : mantissaPattern.size() - point - 1;

  // Nothing written ("###" showing zero) leaves no lone minus.
  if (text.empty()) return;
  std::size_t i = 0;
  if (text[i] == '-') ++i;
  TAMREL_FUZZ_REQUIRE((i == 1) == (v < 0), what);
  const std::size_t first = i;
  std::size_t intDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++intDigits;
  if (point != std::string_view::npos) {
    TAMREL_FUZZ_REQUIRE(i < text.size() && text[i] == sign, what);
    ++i;
    std::size_t n = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++n;
    TAMREL_FUZZ_REQUIRE(n == decimals, what);
  }
  if (scientific) {
    TAMREL_FUZZ_REQUIRE(intDigits == 1 && (text[first] != '0' || v == 0), what);
    TAMREL_FUZZ_REQUIRE(
        i + 1 < text.size() && text[i] == 'E' && (text[i + 1] == '+' || text[i + 1] == '-'), what);
    i += 2;
    std::size_t n = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++n;
    TAMREL_FUZZ_REQUIRE(n >= 1, what);
  }
  TAMREL_FUZZ_REQUIRE(i == text.size(), what);
}

// The text read back lies within the rounding: half a unit of the
// pattern's last place, after the value was rounded to its own 7 or 15
// significant digits.
void CheckReadBack(const std::string& text, std::string_view pattern, char sign, double v,
                   int significant, const std::string& what) {
  if (text.empty() || v == 0 || !(std::fabs(v) >= 1e-300 && std::fabs(v) <= 1e300)) return;
  const std::optional<double> back = ParseLocaleNumber(text, sign);
  TAMREL_FUZZ_REQUIRE(back.has_value(), what);
  const long double a = std::fabs(static_cast<long double>(v));
  const long double b = std::fabs(static_cast<long double>(*back));
  const int e = static_cast<int>(std::floor(std::log10(a)));
  const int eShown = b > 0 ? static_cast<int>(std::floor(std::log10(std::max(a, b)))) : e;
  const std::size_t ePos = pattern.find('E');
  const std::string_view mantissa = pattern.substr(0, ePos);
  const std::size_t point = mantissa.find('.');
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  const int lastPlace = ePos == std::string_view::npos ? -decimals : eShown - decimals;
  const long double tolerance =
      0.5L * std::pow(10.0L, lastPlace) + 0.5L * std::pow(10.0L, e - significant + 1) + 1e-14L * a;
  TAMREL_FUZZ_REQUIRE(
      std::fabs(static_cast<long double>(*back) - static_cast<long double>(v)) <= tolerance,
      what + ", read back " + Shown(*back));
}

void CheckDisplay(FuzzedDataProvider& in) {
  const bool single = in.ConsumeBool();
  const double v =
      single ? static_cast<double>(std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>()))
             : std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
  const char sign = in.ConsumeBool() ? '.' : ',';
  const bool known = in.ConsumeBool();
  const std::string pattern =
      known ? kPatterns[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kPatterns) - 1)]
            : in.ConsumeRandomLengthString(24);
  const std::string text =
      FormatNumber(v, pattern, sign, single ? Precision::Single : Precision::Double);
  const std::string what = Shown(v) + " under \"" + pattern + "\" shown \"" + text + "\"";
  if (!std::isfinite(v)) {
    TAMREL_FUZZ_REQUIRE(text == kNotANumberText, what);
    return;
  }
  for (char c : text) {
    TAMREL_FUZZ_REQUIRE(IsDigit(c) || c == sign || c == '-' || c == '+' || c == 'E' || c == 'e',
                        what);
  }
  if (!known) return;
  CheckPatternForm(text, pattern, sign, v, what);
  CheckReadBack(text, pattern, sign, v, single ? 7 : 15, what);
}

// ---- The number parser ----

// back within half a unit of the `digits`-th significant digit of v, and
// then the nearest number of its kind (relative step `nearest`).
bool WithinDigits(double back, double v, int digits, double nearest) {
  if (v == 0) return back == 0;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - (digits - 1));
  return std::fabs(back - v) <= 0.500001 * unit + nearest * std::fabs(v) + 1e-300;
}

bool SameNumber(float a, float b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

void CheckParser(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) {
    const std::string text = in.ConsumeRandomLengthString(80);
    const std::optional<float> point = ParseNumber(Variant::Int(0), text);
    const std::optional<float> comma = ParseNumber(Variant::Int(-1), text);
    const std::string what = "\"" + text + "\"";
    if (point) TAMREL_FUZZ_REQUIRE(std::isfinite(*point), what);
    if (comma) {
      TAMREL_FUZZ_REQUIRE(std::isfinite(*comma), what);
      TAMREL_FUZZ_REQUIRE(
          point && std::bit_cast<std::uint32_t>(*point) == std::bit_cast<std::uint32_t>(*comma),
          what + " reads otherwise where the locale writes a point");
    }
    return;
  }
  const float f = std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>());
  const bool comma = in.ConsumeBool();
  const std::string text = PlainNumberText(Variant(f), comma ? ',' : '.');
  const std::string what = Shown(static_cast<double>(f)) + " shown \"" + text + "\"";
  if (!std::isfinite(f)) {
    TAMREL_FUZZ_REQUIRE(text == kNotANumberText, what);
    return;
  }
  const std::optional<float> back = ParseNumber(Variant::Int(comma ? -1 : 0), text);
  TAMREL_FUZZ_REQUIRE(back.has_value(), what);
  // Half a unit of the 7th significant digit, then the nearest single.
  const double d = static_cast<double>(f);
  TAMREL_FUZZ_REQUIRE(WithinDigits(static_cast<double>(*back), d, 7, 1.2e-7),
                      what + " read back " + Shown(static_cast<double>(*back)));
}

// ---- Project-file numbers ----

Variant AnyVariant(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return Variant();
    case 1: return Variant::Int(in.ConsumeIntegral<std::int16_t>());
    case 2: return Variant(std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>()));
    default: return Variant(std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>()));
  }
}

// A variant read from text, written, read and written again: the same text.
void CheckVariantText(const std::string& written, const std::string& what) {
  Variant back;
  TAMREL_FUZZ_REQUIRE(ParseFileVariant(written, back) == NumberParse::Ok, what);
  TAMREL_FUZZ_REQUIRE(FormatFileVariant(back) == written,
                      what + " written again \"" + FormatFileVariant(back) + "\"");
}

void CheckSingleText(float f, const std::string& what) {
  const std::string text = FormatFileSingle(f);
  float back = 0;
  TAMREL_FUZZ_REQUIRE(ParseFileSingle(text, back) == NumberParse::Ok, what + " \"" + text + "\"");
  TAMREL_FUZZ_REQUIRE(SameNumber(f, back), what + " written \"" + text + "\" read back " +
                                               Shown(static_cast<double>(back)));
}

void CheckFileValues(FuzzedDataProvider& in) {
  const std::int16_t i = in.ConsumeIntegral<std::int16_t>();
  std::int16_t iBack = 0;
  TAMREL_FUZZ_REQUIRE(ParseFileInt16(FormatFileInt16(i), iBack) == NumberParse::Ok && iBack == i,
                      FormatFileInt16(i));

  const float f = std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>());
  CheckSingleText(f, "single " + Shown(static_cast<double>(f)));

  const double d = std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
  const std::string text = FormatFileDouble(d);
  const std::string what = "double " + Shown(d) + " written \"" + text + "\"";
  double back = 0;
  TAMREL_FUZZ_REQUIRE(ParseFileDouble(text, back) == NumberParse::Ok, what);
  TAMREL_FUZZ_REQUIRE(FormatFileDouble(back) == text, what + " read back " + Shown(back));
  if (std::isnan(d)) {
    TAMREL_FUZZ_REQUIRE(std::isnan(back), what);
  } else if (std::isinf(d)) {
    TAMREL_FUZZ_REQUIRE(back == d, what);
  } else {
    TAMREL_FUZZ_REQUIRE(WithinDigits(back, d, 15, 2.3e-16), what + " read back " + Shown(back));
  }

  const Variant v = AnyVariant(in);
  CheckVariantText(FormatFileVariant(v),
                   "variant " + Shown(v.value()) + " written \"" + FormatFileVariant(v) + "\"");
}

void CheckFileLine(FuzzedDataProvider& in) {
  const std::string line = in.ConsumeRandomLengthString(80);
  const std::string_view field = NumberField(line);
  const std::string what = "line \"" + line + "\"";
  TAMREL_FUZZ_REQUIRE(field.find(',') == std::string_view::npos, what);
  TAMREL_FUZZ_REQUIRE(field.empty() || (field.front() != ' ' && field.front() != '\t' &&
                                        field.back() != ' ' && field.back() != '\t'),
                      what);
  Variant v;
  if (ParseFileVariant(field, v) == NumberParse::Ok) {
    CheckVariantText(FormatFileVariant(v), what + " read as variant " + Shown(v.value()));
  }
  float f = 0;
  if (ParseFileSingle(field, f) == NumberParse::Ok) CheckSingleText(f, what + " read as single");
  std::int16_t i = 0;
  if (ParseFileInt16(field, i) == NumberParse::Ok) {
    std::int16_t back = 0;
    TAMREL_FUZZ_REQUIRE(ParseFileInt16(FormatFileInt16(i), back) == NumberParse::Ok && back == i,
                        what);
  }
  double d = 0;
  if (ParseFileDouble(field, d) == NumberParse::Ok) {
    double back = 0;
    TAMREL_FUZZ_REQUIRE(ParseFileDouble(FormatFileDouble(d), back) == NumberParse::Ok, what);
  }
}

void Check(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: CheckDisplay(in); break;
    case 1: CheckParser(in); break;
    case 2: CheckFileValues(in); break;
    default: CheckFileLine(in); break;
  }
}

}  // namespace
}  // namespace tamrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamrel::fuzz::Check(data, size);
  return 0;
}
