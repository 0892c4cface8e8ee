#include "files/file_numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tamrel {
namespace {

using Kind = Variant::Kind;

// Singles: 7 significant digits, exponent form below 1E-04 and from 1E+07;
// 8 or 9 digits where 7 do not read back as the same single.
TEST(FileNumbers, SinglesAsClassicBasicWritesThem) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {0.0f, "0"},
      {-0.0f, "0"},
      {12.0f, "12"},
      {-0.3f, "-0.3"},
      {0.85f, "0.85"},
      {1.0f / 3.0f, "0.33333334"},  // "0.3333333" reads as the single below
      {2.0f / 3.0f, "0.6666667"},   // rounded, not cut
      {1234567.0f, "1234567"},
      {9999999.0f, "9999999"},
      {12345678.0f, "1.2345678E+07"},  // "1.234568E+07" reads as 12345680
      {12345680.0f, "1.234568E+07"},
      {16777218.0f, "1.6777218E+07"},  // exponent form from 1E+07 whatever the digits
      {1e7f, "1E+07"},
      {210000.0f, "210000"},
      {0.0001f, "0.0001"},
      {0.00012345f, "0.00012345"},
      {1e-5f, "1E-05"},
      {1.5e-7f, "1.5E-07"},
      {-2.5e-12f, "-2.5E-12"},
      {1e20f, "1E+20"},
      {3.402823e38f, "3.402823E+38"},
      {std::numeric_limits<float>::infinity(), "INF"},
      {-std::numeric_limits<float>::infinity(), "-INF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFileSingle(c.value), c.text) << c.text;
  }
  EXPECT_EQ(FormatFileSingle(std::numeric_limits<float>::quiet_NaN()), "NAN");
}

// Singles that 7 digits do not hold: near 1E+28 and 1E-38 (where the
// singles lie closer together than 7 digits can tell), and large whole
// numbers.
TEST(FileNumbers, SinglesThatSevenDigitsDoNotHold) {
  const float above1e28 = std::nextafter(1e28f, 2e28f);  // 1.00000006E+28
  float nineDigits = 0;
  const char nine[] = "1.00000075e-36";
  std::from_chars(nine, nine + sizeof nine - 1, nineDigits);
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {1e28f, "9.999999E+27"},       // 7 digits hold it: written as before
      {above1e28, "1.0000001E+28"},  // "1E+28" would read as 1e28f
      {-above1e28, "-1.0000001E+28"},
      {std::nextafter(above1e28, 2e28f), "1.0000002E+28"},
      {std::numeric_limits<float>::min(), "1.1754944E-38"},
      {1e-38f, "9.999999E-39"},
      {std::nextafter(1e-38f, 1.0f), "1.0000001E-38"},
      {std::nextafter(std::nextafter(1e-38f, 1.0f), 1.0f), "1.0000002E-38"},
      {nineDigits, "1.00000075E-36"},  // 8 digits are not enough either
      {std::numeric_limits<float>::max(), "3.4028235E+38"},
      {-std::numeric_limits<float>::max(), "-3.4028235E+38"},
      {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFileSingle(c.value), c.text);
    float back = 0;
    ASSERT_EQ(ParseFileSingle(c.text, back), NumberParse::Ok) << c.text;
    EXPECT_EQ(back, c.value) << c.text;
    Variant v;
    ASSERT_EQ(ParseFileVariant(c.text, v), NumberParse::Ok) << c.text;
    EXPECT_TRUE(v.SameAs(Variant(c.value))) << c.text;
    EXPECT_EQ(FormatFileVariant(v), c.text);
  }
}

// The significant digits of a written number ("-1.2345E+07" has 5).
int SignificantDigits(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (c == 'E') break;
    if (c >= '0' && c <= '9') digits += c;
  }
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  const auto last = digits.find_last_not_of('0');
  return static_cast<int>(last - first + 1);
}

// How every single used to be written: 7 significant digits.
std::string SevenDigits(float value) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
  std::string text(buf, res.ptr);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A sweep over singles of every magnitude and sign, spread over all bit
// patterns and packed around the hard places: each is written with the
// fewest digits (7 to 9) that read back as the same single, in the same
// form as before (unchanged wherever 7 digits held it), and written, read
// and written again byte-identical, as a single line and as a variant line.
TEST(FileNumbers, EverySingleReadsBackAsItself) {
  std::vector<std::uint32_t> bits;
  for (std::uint64_t b = 0; b <= 0xFFFFFFFFu; b += 32749)
    bits.push_back(static_cast<std::uint32_t>(b));
  for (float centre : {1e28f, 1e-38f, std::numeric_limits<float>::min(), 16777216.0f, 1e7f, 1e-4f,
                       std::numeric_limits<float>::max(), 1.0f, 0.1f, 3333.0f}) {
    const std::uint32_t c = std::bit_cast<std::uint32_t>(centre);
    for (std::uint32_t d = 0; d < 1500; ++d) {
      bits.push_back(c - d);
      bits.push_back(c + d);
      bits.push_back((c - d) | 0x80000000u);
    }
  }
  int longer = 0;
  for (std::uint32_t b : bits) {
    const float value = std::bit_cast<float>(b);
    if (!std::isfinite(value)) continue;
    const std::string text = FormatFileSingle(value);
    float back = 0;
    ASSERT_EQ(ParseFileSingle(text, back), NumberParse::Ok) << text;
    ASSERT_EQ(back, value) << text;
    ASSERT_EQ(FormatFileSingle(back), text);
    const int digits = SignificantDigits(text);
    ASSERT_LE(digits, 9) << text;
    const std::string seven = SevenDigits(value);
    float sevenBack = 0;
    const bool sevenHolds =
        ParseFileSingle(seven, sevenBack) == NumberParse::Ok && sevenBack == value;
    if (sevenHolds) {
      ASSERT_EQ(text, seven);
    } else {
      ++longer;
      ASSERT_GT(digits, 7) << text;
      // One digit fewer would not do.
      char buf[64];
      const auto res =
          std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 2);
      float shorter = 0;
      ASSERT_EQ(ParseFileSingle(std::string(buf, res.ptr), shorter), NumberParse::Ok);
      ASSERT_NE(shorter, value) << text;
      // Exponent form exactly where the 7-digit text has it.
      ASSERT_EQ(text.find('E') != std::string::npos, seven.find('E') != std::string::npos)
          << text << " / " << seven;
    }
    if (value != 0) {
      Variant v;
      ASSERT_EQ(ParseFileVariant(text, v), NumberParse::Ok) << text;
      if (v.kind() != Kind::Int16) {
        ASSERT_TRUE(v.SameAs(Variant(value))) << text;
      }
      ASSERT_EQ(FormatFileVariant(v), text);
    }
  }
  EXPECT_GT(longer, 1000);  // the sweep meets many singles that need more than 7
}

// Doubles: 15 significant digits, exponent form below 1E-04 and from 1E+15.
TEST(FileNumbers, DoublesAsClassicBasicWritesThem) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.1, "0.1"},
      {1.15, "1.15"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {static_cast<double>(0.1f), "0.100000001490116"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {1e20, "1E+20"},
      {0.0001, "0.0001"},
      {1e-5, "1E-05"},
      {-1.5e-7, "-1.5E-07"},
      {1e-300, "1E-300"},
      {-1000.0, "-1000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFileDouble(c.value), c.text) << c.text;
  }
}

TEST(FileNumbers, VariantsAtThePrecisionOfTheirKind) {
  EXPECT_EQ(FormatFileVariant(Variant()), "0");  // an empty variant (fyp before any lookup)
  EXPECT_EQ(FormatFileVariant(Variant::Int(-32768)), "-32768");
  EXPECT_EQ(FormatFileVariant(Variant::Int(600)), "600");
  EXPECT_EQ(FormatFileVariant(Variant(0.1f)), "0.1");
  EXPECT_EQ(FormatFileVariant(Variant(0.1)), "0.1");
  EXPECT_EQ(FormatFileVariant(Variant(1.0f / 3.0f)), "0.33333334");
  EXPECT_EQ(FormatFileVariant(Variant(1.0 / 3.0)), "0.333333333333333");
  EXPECT_EQ(FormatFileVariant(Variant(12345678.0f)), "1.2345678E+07");
  EXPECT_EQ(FormatFileVariant(Variant(12345678.0)), "12345678");
}

TEST(FileNumbers, FieldOfALine) {
  EXPECT_EQ(NumberField("  12.5"), "12.5");
  EXPECT_EQ(NumberField("\t-3 "), "-3");
  EXPECT_EQ(NumberField("7,8,9"), "7");  // a field ends at a comma
  EXPECT_EQ(NumberField(" 7 ,8"), "7");
  EXPECT_EQ(NumberField("   "), "");
}

// The reader takes every form of a number: leading zero or not, any exponent.
TEST(FileNumbers, ReadsEveryFormOfANumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"0.5", 0.5},     {".5", 0.5},    {"-.5", -0.5},       {"+.5", 0.5},       {"5.", 5.0},
      {"1e5", 1e5},     {"1E+05", 1e5}, {"1.5E-07", 1.5e-7}, {"1.5e-7", 1.5e-7}, {"2D+03", 2000.0},
      {"-1d-2", -0.01}, {"+12", 12.0},  {"1E-400", 0.0},  // below the double range: 0
  };
  for (const auto& c : cases) {
    double d = -1;
    EXPECT_EQ(ParseFileDouble(c.text, d), NumberParse::Ok) << c.text;
    EXPECT_EQ(d, c.value) << c.text;
  }
  float f = 0;
  ASSERT_EQ(ParseFileSingle("-.3", f), NumberParse::Ok);
  EXPECT_EQ(f, -0.3f);
  ASSERT_EQ(ParseFileSingle("1E-44", f), NumberParse::Ok);  // a subnormal single
  EXPECT_EQ(f, 1e-44f);
  ASSERT_EQ(ParseFileSingle("INF", f), NumberParse::Ok);
  EXPECT_TRUE(std::isinf(f));
}

TEST(FileNumbers, RefusesTextThatIsNotANumber) {
  for (const char* text :
       {"", "abc", "12abc", "1.2.3", "1,5x", "--1", "+-1", "0x10", "1e", "e5", "12 34"}) {
    double d = 0;
    float f = 0;
    std::int16_t i = 0;
    Variant v;
    EXPECT_EQ(ParseFileDouble(text, d), NumberParse::NotANumber) << text;
    EXPECT_EQ(ParseFileSingle(text, f), NumberParse::NotANumber) << text;
    EXPECT_EQ(ParseFileInt16(text, i), NumberParse::NotANumber) << text;
    EXPECT_EQ(ParseFileVariant(text, v), NumberParse::NotANumber) << text;
  }
}

TEST(FileNumbers, RangeOfEachKind) {
  double d = 0;
  EXPECT_EQ(ParseFileDouble("1E+400", d), NumberParse::OutOfRange);
  float f = 0;
  EXPECT_EQ(ParseFileSingle("1E+39", f), NumberParse::OutOfRange);
  EXPECT_EQ(ParseFileSingle("-1E+39", f), NumberParse::OutOfRange);
  Variant v;
  ASSERT_EQ(ParseFileVariant("1E+39", v), NumberParse::Ok);  // a double holds it
  EXPECT_EQ(v.kind(), Kind::Double);
}

// The largest double is written with its 15 digits rounded up, beyond the
// double range: that text reads as the largest double again, anything
// further out is refused.
TEST(FileNumbers, LargestDoubleAsWritten) {
  constexpr double kMax = std::numeric_limits<double>::max();
  ASSERT_EQ(FormatFileDouble(kMax), "1.79769313486232E+308");
  const struct {
    const char* text;
    NumberParse parse;
    double value;
  } cases[] = {
      {"1.79769313486232E+308", NumberParse::Ok, kMax},
      {"-1.79769313486232E+308", NumberParse::Ok, -kMax},
      {"1.797693134862316E+308", NumberParse::Ok, kMax},
      {"1.7976931348623157E+308", NumberParse::Ok, kMax},
      {"1.797693134862321E+308", NumberParse::OutOfRange, 0},
      {"-1.8E+308", NumberParse::OutOfRange, 0},
  };
  for (const auto& c : cases) {
    double d = 0;
    Variant v;
    EXPECT_EQ(ParseFileDouble(c.text, d), c.parse) << c.text;
    EXPECT_EQ(ParseFileVariant(c.text, v), c.parse) << c.text;
    if (c.parse == NumberParse::Ok) {
      EXPECT_EQ(d, c.value) << c.text;
      EXPECT_TRUE(v.SameAs(Variant(c.value))) << c.text;
    }
    float f = 0;
    EXPECT_EQ(ParseFileSingle(c.text, f), NumberParse::OutOfRange) << c.text;
    std::int16_t i = 0;
    EXPECT_EQ(ParseFileInt16(c.text, i), NumberParse::OutOfRange) << c.text;
  }
}

// Integer lines: rounded half to even as BASIC stores into an integer, and
// within -32768..32767.
TEST(FileNumbers, IntegerLines) {
  const struct {
    const char* text;
    NumberParse result;
    std::int16_t value;
  } cases[] = {
      {"170", NumberParse::Ok, 170},
      {"-32768", NumberParse::Ok, -32768},
      {"32767", NumberParse::Ok, 32767},
      {"32768", NumberParse::OutOfRange, 0},
      {"-32769", NumberParse::OutOfRange, 0},
      {"99999999999", NumberParse::OutOfRange, 0},
      {"2.5", NumberParse::Ok, 2},
      {"3.5", NumberParse::Ok, 4},
      {"-2.5", NumberParse::Ok, -2},
      {"2.6", NumberParse::Ok, 3},
      {"32767.4", NumberParse::Ok, 32767},
      {"32767.5", NumberParse::OutOfRange, 0},
      {"1E+02", NumberParse::Ok, 100},
      {"INF", NumberParse::OutOfRange, 0},
      {"NAN", NumberParse::NotANumber, 0},
  };
  for (const auto& c : cases) {
    std::int16_t i = -1;
    EXPECT_EQ(ParseFileInt16(c.text, i), c.result) << c.text;
    if (c.result == NumberParse::Ok) {
      EXPECT_EQ(i, c.value) << c.text;
    }
  }
}

// A variant takes the kind its text needs.
TEST(FileNumbers, VariantKindFromItsText) {
  const struct {
    const char* text;
    Kind kind;
    double value;
  } cases[] = {
      {"200", Kind::Int16, 200},
      {"-32768", Kind::Int16, -32768},
      {"+7", Kind::Int16, 7},
      {"32768", Kind::Single, 32768},
      {"40000", Kind::Single, 40000},
      {"0.1", Kind::Single, static_cast<double>(0.1f)},
      {"1.15", Kind::Single, static_cast<double>(1.15f)},
      {".5", Kind::Single, 0.5},  // another form of a single's text
      {"0.50", Kind::Single, 0.5},
      {"1e7", Kind::Single, 1e7},
      {"1E+07", Kind::Single, 1e7},
      {"1E+20", Kind::Single, static_cast<double>(1e20f)},
      {"200.0", Kind::Single, 200},     // a point: not an integer
      {"10000000", Kind::Double, 1e7},  // a double's text, not a single's
      {"12345678", Kind::Double, 12345678},
      {"16777217", Kind::Double, 16777217},
      {"0.100000001490116", Kind::Double, 0.100000001490116},
      {"0.333333333333333", Kind::Double, 0.333333333333333},
      {"1E+300", Kind::Double, 1e300},
  };
  for (const auto& c : cases) {
    Variant v;
    ASSERT_EQ(ParseFileVariant(c.text, v), NumberParse::Ok) << c.text;
    EXPECT_EQ(v.kind(), c.kind) << c.text;
    EXPECT_EQ(v.value(), c.value) << c.text;
  }
}

// Whatever a variant holds is written, read and written again unchanged.
TEST(FileNumbers, VariantTextSurvivesReadAndWrite) {
  const Variant values[] = {
      Variant(),
      Variant::Int(-1000),
      Variant(12345678.0f),
      Variant(12345678.0),
      Variant(1e7f),
      Variant(1e7),
      Variant(1e15),
      Variant(1e-5f),
      Variant(0.1),
      Variant(0.1f),
      Variant(1.0 / 3.0),
      Variant(1.0f / 3.0f),
      Variant(40000.0f),
      Variant(-0.0),
      Variant(1e-44f),
      Variant(4.9e-324),
      Variant(std::numeric_limits<double>::infinity()),
      Variant(std::numeric_limits<float>::quiet_NaN()),
      Variant(std::numeric_limits<double>::max()),
      Variant(-std::numeric_limits<double>::max()),
      Variant(std::numeric_limits<float>::max()),
      Variant(-std::numeric_limits<float>::max()),
  };
  for (const Variant& v : values) {
    const std::string text = FormatFileVariant(v);
    Variant back;
    ASSERT_EQ(ParseFileVariant(text, back), NumberParse::Ok) << text;
    EXPECT_EQ(FormatFileVariant(back), text);
  }
}

}  // namespace
}  // namespace tamrel
