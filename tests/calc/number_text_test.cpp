#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

namespace tamrel {
namespace {

const Variant kPointLocale = Variant::Int(0);
const Variant kCommaLocale = Variant::Int(-1);
constexpr std::optional<float> kMismatch = std::nullopt;

struct ParseCase {
  const char* text;
  std::optional<float> point;  // decflag 0: the locale writes "1.1"
  std::optional<float> comma;  // decflag -1: the locale writes "1,1"
};

// Every case in both locale modes. Results are single-precision values; a
// mismatch is the "Input string mismatch " of the input boxes.
const ParseCase kCases[] = {
    {"1.5", 1.5f, 1.5f},
    {"1,5", 1.5f, 1.5f},
    {"12abc", 12.0f, kMismatch},
    {"abc", 0.0f, kMismatch},
    {"", 0.0f, kMismatch},
    {"   ", 0.0f, kMismatch},
    {"  7", 7.0f, 7.0f},
    {"7  ", 7.0f, 7.0f},
    {"1 000", 1000.0f, kMismatch},
    {"1.000,5", 1.0f, kMismatch},
    {"1,000", 1.0f, 1.0f},
    {"-0,3", -0.3f, -0.3f},
    {"+4", 4.0f, 4.0f},
    {"- 5", -5.0f, kMismatch},
    {"2.10E+5", 210000.0f, 210000.0f},
    {"2,10E+5", 210000.0f, 210000.0f},
    {"2.1e5", 210000.0f, 210000.0f},
    {"5E-1", 0.5f, 0.5f},
    {"1e", 1.0f, kMismatch},
    {"1e+", 1.0f, kMismatch},
    {".5", 0.5f, 0.5f},
    {"5.", 5.0f, 5.0f},
    {"-", 0.0f, kMismatch},
    {"1.5.3", 1.5f, kMismatch},
    {"\t3\n", 3.0f, kMismatch},
    {"0.1", 0.1f, 0.1f},
    {"3333", 3333.0f, 3333.0f},
    {"-123.46", -123.46f, -123.46f},
    // Too large for single precision: no number, in either locale.
    {"1e40", kMismatch, kMismatch},
    {"-1e40", kMismatch, kMismatch},
    {"1e400", kMismatch, kMismatch},
    {"1e99999999999999999999", kMismatch, kMismatch},
    {"340282356779733661637539395458142568448", kMismatch, kMismatch},
    {"3.4e38", 3.4e38f, 3.4e38f},
    // Far too small reads as zero.
    {"1e-50", 0.0f, 0.0f},
    {"1e-400", 0.0f, 0.0f},
    // Infinity, NaN and hexadecimal forms are never numbers.
    {"inf", 0.0f, kMismatch},
    {"Infinity", 0.0f, kMismatch},
    {"NaN", 0.0f, kMismatch},
    {"nan(1)", 0.0f, kMismatch},
    {"0x1A", 0.0f, kMismatch},
    {"&H10", 0.0f, kMismatch},
    {"1.5kN", 1.5f, kMismatch},
};

void ExpectResult(std::optional<float> got, std::optional<float> want) {
  ASSERT_EQ(got.has_value(), want.has_value());
  if (want) {
    EXPECT_EQ(*got, *want);  // exact: the single nearest the typed number
    EXPECT_FALSE(std::signbit(*got) && *want == 0.0f && !std::signbit(*want));
  }
}

TEST(ParseNumber, CasesInBothLocaleModes) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    {
      SCOPED_TRACE("point locale");
      ExpectResult(ParseNumber(kPointLocale, c.text), c.point);
    }
    {
      SCOPED_TRACE("comma locale");
      ExpectResult(ParseNumber(kCommaLocale, c.text), c.comma);
    }
  }
}

// Any non-zero flag selects the locale branch (the start-up gives -1 or 1).
TEST(ParseNumber, AnyNonZeroFlagIsTheCommaLocale) {
  EXPECT_EQ(ParseNumber(Variant::Int(1), "2.5"), 2.5f);
  EXPECT_EQ(ParseNumber(Variant::Int(1), "x"), kMismatch);
  EXPECT_EQ(ParseNumber(Variant(-1.0f), "x"), kMismatch);
  EXPECT_EQ(ParseNumber(Variant(), "x"), 0.0f);  // an unset flag is the point locale
}

TEST(ParseNumber, ResultIsTheSingleNotTheDouble) {
  const auto v = ParseNumber(kPointLocale, "0.1");
  ASSERT_TRUE(v);
  EXPECT_GT(static_cast<double>(*v), 0.1);
  EXPECT_EQ(static_cast<double>(*v), static_cast<double>(0.1f));
}

// The C library's locale may be switched (Qt does so); parsing must not
// follow it.
TEST(ParseNumber, IgnoresTheCLibraryLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "nb_NO.UTF-8", "fr_FR.UTF-8"};
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name)) break;
  }
  EXPECT_EQ(ParseNumber(kPointLocale, "2.5"), 2.5f);
  EXPECT_EQ(ParseNumber(kCommaLocale, "2,5"), 2.5f);
  EXPECT_EQ(PlainNumberText(Variant(345.5f), '.'), "345.5");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ParseLocaleNumber, ReadsWhatTheProgramWrote) {
  struct Case {
    const char* text;
    char sign;
    std::optional<double> want;
  };
  const Case cases[] = {
      {"2.10E+5", '.', 210000.0}, {"2,10E+5", ',', 210000.0}, {"1.00E+3", '.', 1000.0},
      {"9.99E+2", '.', 999.0},    {"5,00E+2", ',', 500.0},    {"2,10E+5", '.', std::nullopt},
      {"n/a", '.', std::nullopt}, {"", '.', std::nullopt},    {"-1.5", '.', -1.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseLocaleNumber(c.text, c.sign), c.want);
  }
}

TEST(DecimalSignFlag, ComparesWithOnePointOne) {
  EXPECT_EQ(DecimalSignFlag("1.1"), 0);
  EXPECT_EQ(DecimalSignFlag("1,1"), -1);
  EXPECT_EQ(DecimalSignFlag("1\xd9\xab"
                            "1"),
            1);  // Arabic decimal separator sorts after
}

TEST(PlainNumberText, ShowsTheNumberWithoutPattern) {
  struct Case {
    Variant value;
    char sign;
    const char* want;
  };
  const Case cases[] = {
      {Variant(355.0f), '.', "355"},
      {Variant(345.5f), ',', "345,5"},
      {Variant(0.1f), '.', "0.1"},
      {Variant::Int(235), '.', "235"},
      {Variant(235.0), '.', "235"},
      {Variant(0.1 + 0.2), '.', "0.3"},
      {Variant(1.0e20f), '.', "1E+20"},
      {Variant(0.00001f), '.', "1E-05"},
      {Variant(0.0001f), '.', "0.0001"},
      {Variant(std::nan("")), '.', "n/a"},
      {Variant(), '.', "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(PlainNumberText(c.value, c.sign), c.want);
  }
}

}  // namespace
}  // namespace tamrel
