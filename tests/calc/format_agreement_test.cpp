// The formatter against the slow formatter it replaced (format_reference.cpp):
// every display pattern the program uses, over about ten million values
// chosen where a formatter goes wrong: dense bands of singles and doubles
// around the rounding boundaries of every pattern and of the values' own
// precision, exact ties, carries into a new digit, powers of ten,
// subnormals, the largest and smallest values, infinities, NaN and negative
// zero, and random bit patterns over the whole range.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/format.h"
#include "format_reference.h"

namespace tamrel {
namespace {

// Every pattern the program formats with, grouped by the place it rounds
// at: fixed with 0 to 3 decimals, scientific with 3 and 4 mantissa digits.
struct PatternGroup {
  int decimals;     // fixed: decimals; scientific: mantissa digits less one
  bool scientific;  // the mantissa has one integer digit
  std::vector<const char*> patterns;
};

const std::vector<PatternGroup>& Groups() {
  static const std::vector<PatternGroup> groups = {
      {0, false, {"0", "00", "#00", "###", "##0", "#", "#000"}},
      {1, false, {"0.0", "#0.0", "##0.0"}},
      {2, false, {"0.00", "#0.00", "##.00"}},
      {3, false, {"0.000", "#0.000", "##0.000"}},
      {2, true, {"0.00E+0"}},
      {3, true, {"0.000E+0"}},
  };
  return groups;
}

std::vector<const char*> AllPatterns() {
  std::vector<const char*> all;
  for (const PatternGroup& g : Groups())
    all.insert(all.end(), g.patterns.begin(), g.patterns.end());
  return all;
}

// Collects disagreements; reports the first few in full.
class Comparison {
 public:
  void Check(double value, Precision precision, const char* pattern, char sign = '.') {
    ++checked_;
    const std::string fast = FormatNumber(value, pattern, sign, precision);
    const std::string slow = reference::FormatNumber(value, pattern, sign, precision);
    if (fast == slow) return;
    if (++failures_ <= 20) {
      char text[32];
      const auto res = std::to_chars(text, text + sizeof text, value);
      ADD_FAILURE() << "value " << std::string(text, res.ptr)
                    << (precision == Precision::Single ? " (single)" : " (double)")
                    << ", pattern \"" << pattern << "\": \"" << fast << "\", was \"" << slow
                    << "\"";
    }
  }
  void CheckAll(double value, Precision precision) {
    for (const char* p : AllPatterns()) Check(value, precision, p);
  }
  long checked() const { return checked_; }
  long failures() const { return failures_; }

 private:
  long checked_ = 0;
  long failures_ = 0;
};

// The single or double nearest to the decimal number `text`.
template <class T>
T Nearest(const std::string& text) {
  T v{};
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// The rounding boundary "<mantissa>5 x 10^exponent" as text: the number
// halfway between two neighbours of the rounded grid.
std::string Boundary(std::uint64_t mantissa, int exponent) {
  return std::to_string(mantissa) + "5e" + std::to_string(exponent);
}

// Singles k ulps around v (positive), both sides; the same bands negated.
template <class T, class Bits>
void Band(T v, int k, std::vector<T>& out) {
  const Bits centre = std::bit_cast<Bits>(v);
  for (int i = -k; i <= k; ++i) {
    const Bits b = centre + static_cast<Bits>(static_cast<std::int64_t>(i));
    const T x = std::bit_cast<T>(b);
    if (std::isfinite(x)) out.push_back((i & 1) != 0 ? -x : x);
  }
}

// Boundaries of one rounding place within one decade [10^q, 10^(q+1)):
// the rounded grid there has `keep` significant digits. Takes the first and
// last mantissas of the decade (the last carries into a new digit) and
// `count` random ones between.
std::vector<std::string> DecadeBoundaries(int q, int keep, int count, std::mt19937_64& rng) {
  std::vector<std::string> out;
  if (keep < 1 || keep > 17) return out;
  std::uint64_t lo = 1;
  for (int i = 1; i < keep; ++i) lo *= 10;
  const std::uint64_t hi = lo * 10 - 1;
  const int exponent = q - keep;  // mantissa "c5" has keep + 1 digits
  std::uniform_int_distribution<std::uint64_t> pick(lo, hi);
  for (std::uint64_t c : {lo, lo + 1, hi - 1, hi}) out.push_back(Boundary(c, exponent));
  for (int i = 0; i < count; ++i) out.push_back(Boundary(pick(rng), exponent));
  return out;
}

// Rounding boundaries of the program's patterns and of the values' own
// precision (7 significant digits for a single, 15 for a double), with
// dense bands of values around each; every value checked with one pattern
// of the group whose boundary it surrounds (in turn), and the bands of the
// own-precision boundaries with every pattern in turn.
template <class T, class Bits>
void CheckBoundaryBands(Comparison& cmp, Precision precision, int ownDigits, int qLow, int qHigh,
                        int perDecade, int halfBand, unsigned seed) {
  std::mt19937_64 rng(seed);
  const std::vector<const char*> all = AllPatterns();
  std::size_t turn = 0;
  std::vector<T> values;
  auto check = [&](const char* pattern) {
    for (T v : values) cmp.Check(static_cast<double>(v), precision, pattern);
  };
  for (int q = qLow; q <= qHigh; ++q) {
    for (const PatternGroup& g : Groups()) {
      // A fixed pattern keeps q + 1 + decimals digits in this decade, a
      // scientific one its mantissa digits.
      const int keep = g.scientific ? g.decimals + 1 : q + 1 + g.decimals;
      if (keep < 1 || keep > ownDigits) continue;
      for (const std::string& b : DecadeBoundaries(q, keep, perDecade, rng)) {
        values.clear();
        Band<T, Bits>(Nearest<T>(b), halfBand, values);
        check(g.patterns[turn++ % g.patterns.size()]);
      }
    }
    for (const std::string& b : DecadeBoundaries(q, ownDigits, perDecade, rng)) {
      values.clear();
      Band<T, Bits>(Nearest<T>(b), halfBand, values);
      check(all[turn++ % all.size()]);
    }
  }
}

void ExpectAgreement(const Comparison& cmp, long atLeast) {
  EXPECT_EQ(cmp.failures(), 0) << "of " << cmp.checked() << " values";
  EXPECT_GE(cmp.checked(), atLeast);  // the sets are as large as intended
}

// Singles as the program holds them: the boundaries of every pattern for
// values from 1e-4 to 1e9, and the single's own 7-digit boundaries over its
// whole range.
TEST(FormatAgreement, SinglesAroundEveryRoundingBoundary) {
  Comparison cmp;
  CheckBoundaryBands<float, std::uint32_t>(cmp, Precision::Single, 7, -4, 9, 500, 40, 1);
  CheckBoundaryBands<float, std::uint32_t>(cmp, Precision::Single, 7, -45, 38, 40, 40, 2);
  ExpectAgreement(cmp, 3'500'000);
}

TEST(FormatAgreement, DoublesAroundEveryRoundingBoundary) {
  Comparison cmp;
  CheckBoundaryBands<double, std::uint64_t>(cmp, Precision::Double, 15, -4, 17, 250, 40, 3);
  CheckBoundaryBands<double, std::uint64_t>(cmp, Precision::Double, 15, -320, 308, 8, 40, 4);
  ExpectAgreement(cmp, 3'500'000);
}

// Values whose exact expansion ends on the tie digit 5 one place beyond
// their own precision: m 2^-s with m 5^s of 8 (single) or 16 (double)
// digits, and integers ending in 5 or 50. They round away from zero first,
// then again to the pattern.
TEST(FormatAgreement, ExactTiesOfTheOwnPrecision) {
  Comparison cmp;
  std::mt19937_64 rng(5);
  const std::vector<const char*> all = AllPatterns();
  std::size_t turn = 0;
  auto ties = [&](int digits, int maxShift, std::uint64_t mantissaLimit, Precision precision) {
    const double lo = std::pow(10.0, digits - 1);
    const double hi = std::pow(10.0, digits);
    for (int s = 0; s <= maxShift; ++s) {
      const double five = std::pow(5.0, s);
      const auto mLo = static_cast<std::uint64_t>(std::ceil(lo / five));
      const auto mHi =
          std::min<std::uint64_t>(static_cast<std::uint64_t>(hi / five), mantissaLimit);
      if (mLo >= mHi) continue;
      std::uniform_int_distribution<std::uint64_t> pick(mLo, mHi - 1);
      for (int i = 0; i < 60000; ++i) {
        // Odd: exactly s binary places; for s = 0 an integer ending in 5.
        const std::uint64_t m = s == 0 ? pick(rng) / 10 * 10 + 5 : pick(rng) | 1;
        const double x = std::ldexp(static_cast<double>(m), -s);
        cmp.Check(i % 2 ? -x : x, precision, all[turn++ % all.size()]);
      }
    }
  };
  ties(8, 11, std::uint64_t{1} << 24, Precision::Single);
  ties(16, 23, std::uint64_t{1} << 53, Precision::Double);
  ExpectAgreement(cmp, 2'000'000);
}

// Powers of ten and their neighbours: the digit count changes there, and a
// rounding that carries lands on them.
TEST(FormatAgreement, PowersOfTen) {
  Comparison cmp;
  std::vector<float> singles;
  for (int q = -45; q <= 38; ++q) {
    Band<float, std::uint32_t>(Nearest<float>("1e" + std::to_string(q)), 64, singles);
  }
  for (float f : singles) cmp.CheckAll(static_cast<double>(f), Precision::Single);
  std::vector<double> doubles;
  for (int q = -323; q <= 308; ++q) {
    Band<double, std::uint64_t>(Nearest<double>("1e" + std::to_string(q)), 16, doubles);
  }
  for (double d : doubles) cmp.CheckAll(d, Precision::Double);
  ExpectAgreement(cmp, 500'000);
}

// Subnormal singles and doubles, the extremes, zero of both signs,
// infinities and NaN.
TEST(FormatAgreement, SubnormalsExtremesAndNonFinite) {
  Comparison cmp;
  for (std::uint32_t b = 1; b < (1u << 23); b += 97) {
    cmp.CheckAll(static_cast<double>(std::bit_cast<float>(b)), Precision::Single);
  }
  std::mt19937_64 rng(6);
  std::uniform_int_distribution<std::uint64_t> sub(1, (std::uint64_t{1} << 52) - 1);
  for (int i = 0; i < 20000; ++i) cmp.CheckAll(std::bit_cast<double>(sub(rng)), Precision::Double);
  for (std::uint64_t b = 1; b < 2000; ++b)
    cmp.CheckAll(std::bit_cast<double>(b), Precision::Double);
  using FL = std::numeric_limits<float>;
  using DL = std::numeric_limits<double>;
  const double specials[] = {0.0,
                             -0.0,
                             DL::infinity(),
                             -DL::infinity(),
                             DL::quiet_NaN(),
                             -DL::quiet_NaN(),
                             DL::signaling_NaN(),
                             DL::max(),
                             DL::lowest(),
                             DL::min(),
                             DL::denorm_min(),
                             static_cast<double>(FL::max()),
                             static_cast<double>(FL::min()),
                             static_cast<double>(FL::denorm_min()),
                             std::nextafter(DL::min(), 0.0),
                             18446744073709551616.0,  // 2^64
                             std::nextafter(18446744073709551616.0, 0.0)};
  for (double v : specials) {
    for (Precision p : {Precision::Single, Precision::Double}) {
      cmp.CheckAll(v, p);
      cmp.CheckAll(-v, p);
    }
  }
  ExpectAgreement(cmp, 1'000'000);
}

// Random bit patterns over every exponent; doubles also at a single's
// precision, as a caller may ask for it; both decimal signs.
TEST(FormatAgreement, RandomValuesOverTheWholeRange) {
  Comparison cmp;
  std::mt19937_64 rng(7);
  const std::vector<const char*> all = AllPatterns();
  for (int i = 0; i < 150000; ++i) {
    const std::uint64_t bits = rng();
    const double d = std::bit_cast<double>(bits);
    const float f = std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 32));
    const char* pattern = all[static_cast<std::size_t>(i) % all.size()];
    const char sign = i % 3 == 0 ? ',' : '.';
    cmp.Check(d, Precision::Double, pattern, sign);
    cmp.Check(d, Precision::Single, pattern, sign);
    cmp.Check(static_cast<double>(f), Precision::Single, pattern, sign);
  }
  // Values of the sizes the checks produce, at all their digits.
  std::uniform_real_distribution<double> exponent(-6.0, 20.0);
  for (int i = 0; i < 60000; ++i) {
    const double x = std::pow(10.0, exponent(rng));
    cmp.CheckAll(i % 2 ? -x : x, Precision::Double);
    cmp.CheckAll(static_cast<double>(static_cast<float>(x)), Precision::Single);
  }
  ExpectAgreement(cmp, 2'000'000);
}

// Patterns the program does not use still format as before: longer
// mantissas and exponents, optional decimals, a lower-case or minus-only
// exponent, and texts that are no pattern at all.
TEST(FormatAgreement, OtherPatterns) {
  Comparison cmp;
  const char* patterns[] = {"0.00000000000000E+0",
                            "0.000000E+0",
                            "##0.00E+00",
                            "0.0e-0",
                            ".00E+0",
                            "0.0#",
                            "#.##",
                            ".00",
                            "0.",
                            "00000000000000000000.00000000000000000000",
                            "",
                            "x",
                            "0.0 kg",
                            "E+0",
                            ".E+0",
                            "#.E+0",
                            ".E+0005"};
  std::mt19937_64 rng(8);
  std::uniform_real_distribution<double> exponent(-30.0, 30.0);
  for (int i = 0; i < 40000; ++i) {
    const double x = i % 4 == 0 ? std::bit_cast<double>(rng()) : std::pow(10.0, exponent(rng));
    for (const char* p : patterns) {
      cmp.Check(i % 2 ? -x : x, Precision::Double, p);
      cmp.Check(static_cast<double>(static_cast<float>(x)), Precision::Single, p);
    }
  }
  ExpectAgreement(cmp, 1'000'000);
}

}  // namespace
}  // namespace tamrel
