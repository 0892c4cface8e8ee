#include "calc/format.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tamrel {
namespace {

struct FormatCase {
  Variant value;  // its kind decides the precision (single: 7 digits, else 15)
  const char* pattern;
  const char* expected;
};

void ExpectAll(const FormatCase* begin, const FormatCase* end, char sign) {
  for (const FormatCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(std::string("pattern \"") + c->pattern + "\", value " +
                 std::to_string(c->value.value()));
    EXPECT_EQ(FormatNumber(c->value, c->pattern, sign), c->expected);
  }
}

template <std::size_t N>
void ExpectAll(const FormatCase (&cases)[N], char sign = '.') {
  ExpectAll(cases, cases + N, sign);
}

// Half away from zero, on the decimal digits the value has at its own
// precision, never on the binary value underneath.
TEST(FormatNumber, RoundsHalfAwayFromZeroAtTheValuesPrecision) {
  const FormatCase cases[] = {
      {7.85f, "0.0", "7.9"},   // 7.8499999046... as a single is 7.850000
      {12.25, "0.0", "12.3"},  // exact tie: away from zero, not to even
      {-12.25, "0.0", "-12.3"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {0.5, "0", "1"},
      {0.15, "0.0", "0.2"},     // 0.1499999999999999944 as a double
      {1.005, "0.00", "1.01"},  // 1.00499999999999989 as a double
      {2.675f, "0.00", "2.68"},
      {12.345, "##.00", "12.35"},
      {0.05, "#0.0", "0.1"},
      {0.0005, "0.000", "0.001"},
      {0.0004, "0.000", "0.000"},
      // A single holds 7 significant digits: the 8th is rounded away first,
      // half away from zero too (12345665 is exact in single precision).
      {16777215.0f, "0", "16777220"},
      {12345665.0f, "0", "12345670"},
      {16777215.0, "0", "16777215"},
      {123456789012345678.0, "0", "123456789012346000"},
  };
  ExpectAll(cases);
}

// The same bits read as a double keep the digits a single would round away.
TEST(FormatNumber, PrecisionFollowsTheKindHeld) {
  const float f = 2.675f;  // 2.6749999523...
  EXPECT_EQ(FormatNumber(f, "0.00", '.'), "2.68");
  EXPECT_EQ(FormatNumber(static_cast<double>(f), "0.00", '.', Precision::Single), "2.68");
  EXPECT_EQ(FormatNumber(static_cast<double>(f), "0.00", '.', Precision::Double), "2.67");
  EXPECT_EQ(FormatNumber(Variant(f), "0.00", '.'), "2.68");
  EXPECT_EQ(FormatNumber(Variant(static_cast<double>(f)), "0.00", '.'), "2.67");

  const FormatCase cases[] = {
      {Variant::Int(-100), "##0.0", "-100.0"},
      {Variant::Int(5), "#00", "05"},
      {Variant::Int(50), "#000", "050"},
      {Variant::Int(0), "###", ""},
      {Variant::Int(16000), "0.00E+0", "1.60E+4"},
      {Variant::Int(std::int16_t{-32768}), "0", "-32768"},
      {Variant(), "0.00", "0.00"},  // an empty variant is 0
      {Variant(), "###", ""},
      {Variant(), "0.000E+0", "0.000E+0"},
  };
  ExpectAll(cases);
}

TEST(FormatNumber, RoundingCarriesIntoANewDigit) {
  const FormatCase cases[] = {
      {9.95, "0.0", "10.0"},   // 9.9499999999999993 as a double
      {9.95f, "0.0", "10.0"},  // 9.9499998 as a single
      {-9.95, "0.0", "-10.0"},    {0.995, "0.00", "1.00"},   {0.995f, "#0.00", "1.00"},
      {0.9996, "0.000", "1.000"}, {99.96, "##0.0", "100.0"}, {9.5, "#00", "10"},
      {99.5, "#00", "100"},       {0.996, "##.00", "1.00"},  {999.5, "###", "1000"},
  };
  ExpectAll(cases);
}

// Places before the point: "0" always written, "#" only where significant;
// an integer part longer than the pattern is written in full.
TEST(FormatNumber, IntegerPlacesAndValuesBelowOne) {
  const FormatCase cases[] = {
      {0.0, "0", "0"},
      {5.0, "00", "05"},
      {0.0, "00", "00"},
      {5.0, "#00", "05"},
      {3333.4f, "#00", "3333"},
      {50.0f, "#000", "050"},
      {1234.0, "#000", "1234"},
      {0.0, "##0", "0"},
      {0.4, "##0", "0"},
      {123456.0, "0", "123456"},
      {0.0, "###", ""},
      {0.4, "###", ""},
      {0.5, "###", "1"},
      {355.0f, "###", "355"},
      {1234.0, "###", "1234"},
      {0.0, "#", ""},
      {1.0, "#", "1"},
      {12.0, "#", "12"},
      {0.5, "##.00", ".50"},
      {0.0, "##.00", ".00"},
      {0.004, "##.00", ".00"},
      {0.005, "##.00", ".01"},
      {1.0, "##.00", "1.00"},
      {123.4, "##.00", "123.40"},
      {0.04, "#0.0", "0.0"},
      {1.0, "#0.00", "1.00"},
      {0.5, "#0.00", "0.50"},
      {-0.3f, "##0.000", "-0.300"},
      {1e20, "0", "100000000000000000000"},
      {1234567.0, "0.00", "1234567.00"},  // no thousands separators
  };
  ExpectAll(cases);
}

// A negative value that rounds to zero keeps its minus sign ("-0.0"), as the
// classic BASIC Format shows it; where nothing is written at all ("###") no
// lone sign is left. Negative zero is zero.
TEST(FormatNumber, Negatives) {
  const FormatCase cases[] = {
      {-100.0f, "#0.0", "-100.0"}, {-0.3f, "0.000", "-0.300"},
      {-0.04, "0.0", "-0.0"},      {-0.04f, "#0.0", "-0.0"},
      {-0.001, "0.00", "-0.00"},   {-0.4, "0", "-0"},
      {-0.04, "###", ""},          {-0.6, "###", "-1"},
      {-0.5, "##.00", "-.50"},     {-1234.5, "#0.00", "-1234.50"},
      {-0.0, "0.0", "0.0"},        {-0.0, "0.00E+0", "0.00E+0"},
  };
  ExpectAll(cases);
}

TEST(FormatNumber, ScientificForm) {
  const FormatCase cases[] = {
      {3607.0, "0.000E+0", "3.607E+3"},
      {250.0, "0.000E+0", "2.500E+2"},
      {210000.0f, "0.00E+0", "2.10E+5"},
      {999.6, "0.00E+0", "1.00E+3"},  // the mantissa carries to 10.0
      {9.9995, "0.000E+0", "1.000E+1"},
      {0.099996, "0.000E+0", "1.000E-1"},
      {1.0, "0.00E+0", "1.00E+0"},
      {0.0, "0.00E+0", "0.00E+0"},
      {0.00123, "0.00E+0", "1.23E-3"},
      {1e-10, "0.00E+0", "1.00E-10"},
      {1.5e15, "0.000E+0", "1.500E+15"},
      {123456789.0, "0.000E+0", "1.235E+8"},
      {-0.000456, "0.000E+0", "-4.560E-4"},
      {-123456.0, "0.000E+0", "-1.235E+5"},
      {-999.6f, "0.00E+0", "-1.00E+3"},
      {1.2345e-7f, "0.000E+0", "1.235E-7"},  // 1.2344999...e-7 as a single is 1.234500e-7
  };
  ExpectAll(cases);
}

TEST(FormatNumber, CommaDecimalSign) {
  const FormatCase cases[] = {
      {7.85f, "0.0", "7,9"},        {0.5, "##.00", ",50"},        {999.6, "0.00E+0", "1,00E+3"},
      {1234.5, "#0.00", "1234,50"}, {-0.3f, "##0.000", "-0,300"}, {355.0f, "###", "355"},
  };
  ExpectAll(cases, ',');
}

TEST(FormatNumber, NonFiniteIsNotANumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const char* pattern : {"0", "###", "##.00", "0.00", "0.000E+0"}) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(FormatNumber(nan, pattern, '.', Precision::Double), "n/a");
    EXPECT_EQ(FormatNumber(inf, pattern, ',', Precision::Double), "n/a");
    EXPECT_EQ(FormatNumber(-inf, pattern, '.', Precision::Single), "n/a");
    EXPECT_EQ(FormatNumber(std::numeric_limits<float>::quiet_NaN(), pattern, '.'), "n/a");
    EXPECT_EQ(FormatNumber(Variant(std::numeric_limits<float>::infinity()), pattern, '.'), "n/a");
    EXPECT_EQ(FormatNumber(Variant(nan), pattern, '.'), "n/a");
  }
}

TEST(FormatNumber, ExtremeFiniteValues) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max(), "0.00E+0", '.', Precision::Double),
            "1.80E+308");
  EXPECT_EQ(
      FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00E+0", '.', Precision::Double),
      "4.94E-324");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00", '.', Precision::Double),
            "0.00");
  EXPECT_EQ(FormatNumber(std::numeric_limits<float>::max(), "0.000E+0", '.'), "3.403E+38");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max(), "0", '.', Precision::Double).size(),
            309U);
}

// A pattern outside the set in use shows the value's digits plainly rather
// than garbage.
TEST(FormatNumber, UnknownPatternShowsThePlainValue) {
  EXPECT_EQ(FormatNumber(7.85f, "", '.'), "7.85");
  EXPECT_EQ(FormatNumber(-0.25, "x", ',', Precision::Double), "-0,25");
  EXPECT_EQ(FormatNumber(1200.0, "0.0 kg", '.', Precision::Double), "1200");
}

}  // namespace
}  // namespace tamrel

namespace tamrel {
namespace {

// Reference: the exact expansion of |v| (to_chars with every digit), cut
// to `sig` significant digits and rounded half away from zero, as mantissa
// digits and exponent "d.ddd...E+x".
std::string ExactScientific(double v, int sig) {
  std::array<char, 900> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                           std::chars_format::scientific, 780);
  std::string text(buf.data(), res.ptr);
  const auto e = text.find('e');
  std::string digits;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') digits.push_back(text[i]);
  }
  int exponent = std::stoi(text.substr(e + 1));
  const bool up = digits[static_cast<std::size_t>(sig)] >= '5';
  digits.resize(static_cast<std::size_t>(sig));
  if (up) {
    int i = sig - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
      digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  std::string out = (v < 0 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "E" +
                    (exponent < 0 ? "-" : "+") + std::to_string(std::abs(exponent));
  return out;
}

// The formatter takes the shortcut of a correctly rounded expansion with a
// margin; it must agree with the full exact expansion everywhere, including
// integers, short binary fractions and values whose digits end early.
TEST(FormatNumber, AgreesWithTheExactExpansion) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(1.0, 10.0);
  std::uniform_int_distribution<int> power(-40, 40);
  std::vector<double> values = {
      3000.0, 0.5,  0.125, 12345665.0, 1.0 / 1024,        255.5,
      1e22,   4.35, 2.675, 1e-7,       123456789012345.5, 9.999999999999999e22};
  for (int i = 0; i < 20000; ++i) {
    double v = unit(rng) * std::pow(10.0, power(rng));
    if (i % 4 == 1) v = std::round(v);
    if (i % 4 == 2) v = static_cast<double>(static_cast<float>(v));
    if (i % 4 == 3) v = std::ldexp(std::round(std::ldexp(v, 10)), -10);
    if (v != 0 && std::isfinite(v)) values.push_back(i % 2 ? v : -v);
  }
  for (double v : values) {
    SCOPED_TRACE(v);
    EXPECT_EQ(FormatNumber(v, "0.00000000000000E+0", '.', Precision::Double),
              ExactScientific(v, 15));
    const float f = static_cast<float>(v);
    if (std::isnormal(f)) {
      EXPECT_EQ(FormatNumber(f, "0.000000E+0", '.'), ExactScientific(static_cast<double>(f), 7));
    }
  }
}

}  // namespace
}  // namespace tamrel
