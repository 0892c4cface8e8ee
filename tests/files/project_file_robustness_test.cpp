// Seeded robustness sweep of the project-file reader. Valid project files
// (the fixtures and files written from varied design states) are cut short,
// reshuffled and filled with awkward numbers, line ends, bytes and format
// numbers, a few thousand times. Every read either fails, with a message that
// names the file and the line, leaving the open project exactly as it was,
// or succeeds; a project read is then computed as the Open command does it,
// and written, read and written again byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/checks.h"
#include "calc/colour_rule.h"
#include "calc/defaults.h"
#include "calc/picture_window.h"
#include "calc/recording_surface.h"
#include "calc/sections.h"
#include "calc/yield.h"
#include "files/project_checks.h"
#include "files/project_file.h"
#include "files/project_test_support.h"
#include "files/table_loaders.h"
#include "files/text_encoding.h"

namespace tamrel {
namespace {

using namespace tamrel::testing;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Picks that do not depend on the standard library's distributions, so the
// sweep is the same with every library.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : g_(seed) {}
  std::size_t Pick(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(g_() % n); }
  bool OneIn(std::size_t n) { return Pick(n) == 0; }
  template <class T>
  const T& Of(const std::vector<T>& v) {
    return v[Pick(v.size())];
  }

 private:
  std::mt19937_64 g_;
};

// ---- Comparisons ----

std::string Describe(const Variant& v) {
  std::ostringstream s;
  s.precision(17);
  s << "kind " << static_cast<int>(v.kind()) << " value " << v.value();
  return s.str();
}

// Everything a read may change, bit for bit.
::testing::AssertionResult SameProjectBits(const DesignState& a, const DesignState& b) {
  const std::string changed = ProjectBitsDiffer(a, b);
  if (changed.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << changed << " changed";
}

// Two file texts, with the first line where they differ.
::testing::AssertionResult SameText(const std::string& a, const std::string& b) {
  const std::string diff = FirstDifferentLine(a, b);
  if (diff.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << diff;
}

// Equal within what the file keeps of a number: 7 significant digits of a
// single, 15 of a double, then the nearest value of the kind read back.
bool Close(double a, double b, double relative, double absolute) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  if (std::isinf(a) || std::isinf(b)) return a == b;
  return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b)) + absolute;
}
constexpr double kSingleDigits = 6e-7;
constexpr double kDoubleDigits = 6e-15;

// The inputs of a project read (a) and of its file written and read back
// (b). A variant may come back as another kind (a single that holds a whole
// number as an integer, a double whose 15 digits are a short text as a
// single), never with another value than its text gives.
::testing::AssertionResult SameInputs(const DesignState& a, const DesignState& b) {
  const FileInputs in;
  for (const auto& [name, m] : in.texts) {
    if (a.*m != b.*m) return ::testing::AssertionFailure() << name << " differs";
  }
  for (const auto& [name, m] : in.integers) {
    if (m == &D::fileverin) continue;  // the format read, not an input
    if (a.*m != b.*m) {
      return ::testing::AssertionFailure() << name << ": " << a.*m << " then " << b.*m;
    }
  }
  for (const auto& [name, m] : in.singles) {
    if (!Close(a.*m, b.*m, kSingleDigits, 1.5e-45)) {
      return ::testing::AssertionFailure() << name << ": " << a.*m << " then " << b.*m;
    }
  }
  for (const auto& [name, m] : in.numbers) {
    const Variant& x = a.*m;
    const Variant& y = b.*m;
    const bool doubles = x.kind() == Variant::Kind::Double && y.kind() == Variant::Kind::Double;
    const bool ok =
        doubles ? Close(x, y, kDoubleDigits, 1e-323) : Close(x, y, kSingleDigits, 1.5e-45);
    if (!ok || x.empty() != y.empty()) {
      return ::testing::AssertionFailure()
             << name << ": " << Describe(x) << " then " << Describe(y);
    }
  }
  return ::testing::AssertionSuccess();
}

// Every number a project file holds is finite.
::testing::AssertionResult AllNumbersFinite(const DesignState& ds) {
  const FileInputs in;
  for (const auto& [name, m] : in.singles) {
    if (!std::isfinite(ds.*m)) return ::testing::AssertionFailure() << name << ": " << ds.*m;
  }
  for (const auto& [name, m] : in.numbers) {
    if (!std::isfinite((ds.*m).value())) {
      return ::testing::AssertionFailure() << name << ": " << Describe(ds.*m);
    }
  }
  return ::testing::AssertionSuccess();
}

// ---- Files ----

// Lines of a file by the reader's rule: CR LF, LF or CR ends a line; text
// after the last line end is a line too.
int CountLines(std::string_view content) {
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);  // byte-order mark
  int lines = 0;
  std::size_t i = 0;
  std::size_t start = 0;
  for (; i < content.size(); ++i) {
    if (content[i] == '\n' || content[i] == '\r') {
      ++lines;
      if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  return lines + (start < content.size() ? 1 : 0);
}

// The number after `key` in text, or -1.
int NumberAfter(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return -1;
  int n = 0;
  bool any = false;
  for (std::size_t i = at + key.size(); i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    n = n * 10 + (text[i] - '0');
    any = true;
  }
  return any ? n : -1;
}

constexpr std::size_t kTooLarge = (1u << 20) + 1;

struct Tally {
  int failed = 0;
  int read = 0;
};

// Reads files over an open project and checks what the read leaves.
class Reader {
 public:
  Reader() : path_(dir_.File("sweep, \"project\" \xC3\xA6.tmr")) {}

  const DesignState& started() const { return started_; }

  // Reads content over the open project `before`; returns the project read
  // (or `before` after a failure).
  DesignState Check(const std::string& content, const DesignState& before) {
    WriteBytes(path_, content);
    DesignState ds = before;
    window_.Fresh();
    ds.mainfrm = &window_;
    const auto start = std::chrono::steady_clock::now();
    bool read = false;
    try {
      ReadProjectFile(ds, path_);
      read = true;
    } catch (const ProjectFileError& e) {
      ExpectCleanFailure(e, content);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "unexpected exception: " << e.what();
    }
    if (!read) {
      ++tally.failed;
      EXPECT_TRUE(SameProjectBits(before, ds));
      EXPECT_EQ(ds.fileverin, before.fileverin);
      EXPECT_EQ(ds.stiffnote, before.stiffnote);
      EXPECT_TRUE(window_.captions.empty());
      ds.mainfrm = nullptr;
      return ds;
    }
    ++tally.read;
    ExpectSoundProject(ds);
    // A hang guard, not a speed measurement.
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
    ds.mainfrm = nullptr;
    return ds;
  }

  // The text written from a project, read back over the started program.
  // The file's content is read as ReadProjectFile reads it, without the
  // trip through the disk (the reads of the sweep itself make that trip).
  DesignState ReadBack(const std::string& text) {
    try {
      return ReadBackText(started_, text);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "a file the program wrote cannot be read back: " << e.what();
      return started_;
    }
  }

  Tally tally;

 private:
  void ExpectCleanFailure(const ProjectFileError& e, const std::string& content) {
    const std::string msg = e.what();
    EXPECT_EQ(e.kind(), ProjectFileError::Kind::BadContent) << msg;
    EXPECT_EQ(e.path(), path_);
    EXPECT_NE(msg.find("\"" + path_ + "\""), std::string::npos) << msg;
    EXPECT_TRUE(IsValidUtf8(msg)) << msg;
    if (content.size() >= kTooLarge) {
      EXPECT_NE(msg.find("too large"), std::string::npos) << msg;
      return;
    }
    // The line named: one the file has (a field that cannot be read), or
    // the one after its last (a file cut short).
    const int lines = CountLines(content);
    const int bad = NumberAfter(msg, "\", line ");
    const int missing = NumberAfter(msg, " ends before line ");
    EXPECT_TRUE(bad >= 0 || missing >= 0) << msg;
    if (bad >= 0) {
      EXPECT_GE(bad, 1) << msg;
      EXPECT_LE(bad, std::min(lines, kProjectFileLines)) << msg;
    }
    if (missing >= 0) {
      EXPECT_EQ(missing, lines + 1) << msg;
      EXPECT_LE(missing, kProjectFileLines) << msg;
    }
  }

  // ds: a copy of the project read, computed here.
  void ExpectSoundProject(DesignState ds) {
    EXPECT_TRUE(AllNumbersFinite(ds));
    EXPECT_EQ(ds.filename, path_);
    EXPECT_EQ(window_.captions, std::vector<std::string>{"Tamrel DNV: " + path_});
    EXPECT_EQ(ds.stiffnote, 1);

    // Written back and read again: the same inputs, the same bytes.
    const std::string written = ProjectFileText(ds);
    const DesignState again = ReadBack(written);
    EXPECT_TRUE(SameInputs(ds, again));
    EXPECT_TRUE(SameText(written, ProjectFileText(again)));

    // Computed as the Open command does it: every usage-factor row drawn
    // keeps the colour rule.
    CalculateAsOpenDoes(ds);
    EXPECT_FALSE(ds.recalculating);
    for (const std::string& problem : ColourRuleProblems(ds, window_.picture(ResultPicture::Shell),
                                                         window_.picture(ResultPicture::Stiffener),
                                                         window_.picture(ResultPicture::Ring))) {
      ADD_FAILURE() << problem;
    }

    // The computed project saved and opened again: nothing the calculation
    // writes into a project line is left non-finite.
    EXPECT_TRUE(AllNumbersFinite(ds));
    const std::string saved = ProjectFileText(ds);
    const DesignState reopened = ReadBack(saved);
    EXPECT_TRUE(SameInputs(ds, reopened));
    EXPECT_TRUE(SameText(saved, ProjectFileText(reopened)));
  }

  TempDir dir_;
  std::string path_;
  DesignState started_ = StartedProgram(TAMREL_DATA_DIR);
  PictureWindow window_;
};

// ---- Seeds: the fixtures and files written from varied design states ----

const std::vector<std::string> kTexts = {
    "",
    "Project",
    "Tank 3, \"B\" \xE2\x80\x93 \xC3\x86r\xC3\xB8 / \xE4\xB8\xAD",
    "  leading and trailing  ",
    "1,2,3",
    "\"",
    "tab\there",
    std::string(300, 'x'),
    "\xF0\x9D\x84\x9E clef",
    "170",
};

// Awkward values a project can hold: every one finite, since no input box,
// data table or project file lets an infinity or a NaN in (the reader
// refuses them, see NonFiniteNumbersAreNoProjectContent).
const std::vector<double> kAwkwardDoubles = {
    0.0,   -0.0,   1.0 / 3.0,         -2.5,    0.1,      1e15,
    1e300, 1e-300, DBL_MIN,           DBL_MAX, -DBL_MAX, std::numeric_limits<double>::denorm_min(),
    1e38,  3.5e38, 123456789012345.0, 1e-320,  -1e-310,  static_cast<double>(FLT_MAX)};

const std::vector<float> kAwkwardSingles = {
    0.0f,    -0.0f,    1.0f / 3.0f, -2.5f,        0.1f,   16777217.0f, 1e7f,       9999999.0f,
    FLT_MAX, -FLT_MAX, FLT_MIN,     FLT_TRUE_MIN, 1e-30f, 355.0f,      1.00000012f};

// A number near `typical`, now and then an awkward one.
double Number(Rng& rng, double typical) {
  if (rng.OneIn(5)) return rng.Of(kAwkwardDoubles);
  return typical * (0.05 + 3.0 * static_cast<double>(rng.Pick(100000)) / 100000.0);
}

// A double as a single, as no project can hold a single beyond its range:
// the largest single of its sign in place of an overflow.
float Single(double d) {
  if (std::fabs(d) > static_cast<double>(FLT_MAX)) return std::signbit(d) ? -FLT_MAX : FLT_MAX;
  return static_cast<float>(d);
}

Variant VariantNumber(Rng& rng, double typical) {
  switch (rng.Pick(4)) {
    case 0:
      return Variant::Int(static_cast<std::int16_t>(static_cast<int>(rng.Pick(65536)) - 32768));
    case 1:
      return rng.OneIn(5) ? Variant(rng.Of(kAwkwardSingles))
                          : Variant(Single(Number(rng, typical)));
    default: return Variant(Number(rng, typical));
  }
}

std::int16_t Code(Rng& rng) {
  switch (rng.Pick(6)) {
    case 0: return static_cast<std::int16_t>(static_cast<int>(rng.Pick(70)) - 2);
    case 1: return rng.Of(std::vector<std::int16_t>{-32768, 32767, -1, 10, 41, 61, 62, 100});
    default: return static_cast<std::int16_t>(rng.Pick(10));
  }
}

// A design state that differs from the defaults in its inputs, with values
// of every kind and size, codes and table rows in and out of range.
DesignState VariedProject(const DesignState& started, Rng& rng) {
  DesignState ds = started;
  const FileInputs in;
  for (const auto& [name, m] : in.texts) ds.*m = rng.Of(kTexts);
  for (const auto& [name, m] : in.integers) ds.*m = Code(rng);
  ds.stiffnote = 1;
  ds.fileverin = 170;
  for (const auto& [name, m] : in.singles) {
    ds.*m = rng.OneIn(5) ? rng.Of(kAwkwardSingles) : Single(Number(rng, 500));
  }
  for (const auto& [name, m] : in.numbers) ds.*m = VariantNumber(rng, 500);
  // Now and then a profile from a table row, as a section dialog leaves it.
  if (rng.OneIn(2)) {
    ds.stifftype = static_cast<std::int16_t>(2 * rng.Pick(4));
    CalcStiffSection(ds, ds.stifftype);
  }
  // As a read leaves it: the row found again, the built-up set refilled.
  RepairStiffenerRow(ds);
  RefillBuiltUpSets(ds);
  return ds;
}

struct Seed {
  std::string name;
  std::string text;     // the file
  DesignState project;  // as read from it over the started program
};

std::vector<Seed> Seeds(Reader& reader, int varied) {
  std::vector<Seed> seeds;
  for (const char* name : {"new_project_170.tmr", "project_170.tmr", "project_171.tmr",
                           "project_999.tmr", "project_130.tmr", "project_105.tmr"}) {
    const std::string text = ReadBytes(FixturePath(name));
    seeds.push_back({name, text, reader.ReadBack(text)});
  }
  Rng rng(0x7A3E11);
  for (int i = 0; i < varied; ++i) {
    const DesignState ds = VariedProject(reader.started(), rng);
    const std::string text = ProjectFileText(ds);
    seeds.push_back({"varied " + std::to_string(i), text, reader.ReadBack(text)});
  }
  return seeds;
}

// ---- Mutations ----

const std::vector<std::string>& AwkwardFields() {
  static const std::vector<std::string> fields = [] {
    // clang-format off
    std::vector<std::string> f = {
        // not numbers
        "", " ", "\t", ".", "-", "+", "E", "e5", "1e", "1E+", "--1", "+-1", "-+1", "++1", "1..2",
        "1.2.3", ",", "1;2", "1 2", "0x1A", "0X10", "0x", "1f", "1.5f", "12 mm", "\xC3\xA9",
        "\xFF", "\x80",
        // a field ends at a comma
        "1,5", "  7  ,x",
        // not a number, infinities
        "NaN", "nan", "-NAN", "nan(123)", "INF", "-inf", "Infinity", "-INFINITY",
        // at and beyond the ends of the double and single ranges
        "1E+308", "1.7976931348623157E+308", "1.79769313486232E+308", "-1.79769313486232E+308",
        "1.797693134862316E+308", "1.8E+308", "1E+309", "-1E+400", "1E-320", "4.9E-324",
        "2.4E-324", "1E-400", "-1E-400", "3.402823E+38", "3.4028235E+38", "3.4028236E+38",
        "3.402824E+38", "3.5E+38", "-3.5E+38", "1.401298E-45", "1E-46", "1.175494E-38",
        "1E+999999999", "1E-999999999", "1E+99999999999999999999",
        // zeros, and at the ends of the 16-bit range
        "-0", "-0.0", "+0", "0.0", "0000000000000000000000000001", "32767", "32768", "-32768",
        "-32769", "32767.5", "32766.5", "-32768.5", "-32767.5", "65535", "65536", "2147483648",
        "99999999999999999999", "-99999999999999999999",
        // other forms and precisions
        "1D+05", "1d-3", "1e4", "1.0000001", "1.00000012", "0.1000000000000000055511151231257827",
        "123456789012345678", "16777217", "1E+15", "1E-5",
        // codes and table rows in and out of range
        "-1", "0", "1", "2", "3", "4", "9", "10", "40", "41", "60", "61", "62", "100", "255", "256"};
    // clang-format on
    f.push_back(std::string("12\0", 3));
    f.push_back(std::string("\0", 1));
    f.push_back(std::string(400, '9'));
    f.push_back("0." + std::string(400, '0') + "1");
    f.push_back("1" + std::string(5000, '0'));
    f.push_back("-" + std::string(100000, '1'));
    f.push_back(std::string(20000, 'x'));
    f.push_back(std::string(39, '7') + "\xC3\xA9 and more");  // a letter across byte 40
    f.push_back(std::string(38, '7') + "\xE4\xB8\xAD\xF0\x9D\x84\x9E");
    return f;
  }();
  return fields;
}

// Format numbers at and around every threshold, with the value each reads as.
struct VersionText {
  const char* text;
  int value;
};
const std::vector<VersionText> kVersions = {
    {"-32768", -32768}, {"-1", -1},   {"0", 0},        {"1", 1},         {"104", 104},
    {"104.5", 104},     {"105", 105}, {"105.49", 105}, {"105.5", 106},   {"106", 106},
    {"129", 129},       {"130", 130}, {"130.5", 130},  {"130.51", 131},  {"131", 131},
    {"1.3E+2", 130},    {"169", 169}, {"170", 170},    {" 170 ", 170},   {"+170", 170},
    {"170,x", 170},     {"171", 171}, {"999", 999},    {"32767", 32767}, {"-0", 0},
};

int LastLineOfVersion(int v) {
  return v > 130 ? 59 : (v > 105 ? 50 : 49);
}

std::vector<std::string> LinesOf(const std::string& text) {
  return SplitCrLf(text);
}

// Joins lines with the line ends of one of several styles.
std::string Join(Rng& rng, const std::vector<std::string>& lines) {
  static const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
  const std::size_t style = rng.Pick(8);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 == lines.size() && style == 7) break;  // the last line without its end
    switch (style) {
      case 0: text += "\n"; break;
      case 1: text += "\r"; break;
      case 2: text += rng.Of(ends); break;
      default: text += "\r\n"; break;
    }
  }
  return text;
}

std::string LongText(Rng& rng) {
  const std::size_t n = rng.Of(std::vector<std::size_t>{300, 5000, 60000});
  switch (rng.Pick(4)) {
    case 0: return std::string(n, '9');
    case 1: return "0." + std::string(n, '0') + "1";
    case 2: return "1" + std::string(n, '0');
    default: return std::string(n, 'x');
  }
}

// Lines of codes and table rows (integer lines).
const std::vector<std::size_t> kCodeLines = {4,  5,  6,  10, 12, 13, 15, 16, 17, 18, 19,
                                             20, 21, 22, 23, 24, 25, 26, 27, 50, 51, 59};

void MutateLines(Rng& rng, std::vector<std::string>& lines) {
  const auto any = [&] { return rng.Pick(lines.size()); };
  switch (rng.Pick(10)) {
    case 0:
      if (!lines.empty()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(any()));
      break;
    case 1:
      if (!lines.empty()) {
        const std::size_t i = any();
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
      }
      break;
    case 2:
      if (!lines.empty()) std::swap(lines[any()], lines[any()]);
      break;
    case 3:
    case 4:
      if (!lines.empty()) lines[any()] = rng.Of(AwkwardFields());
      break;
    case 5:
      if (!lines.empty()) {
        lines[any()] += rng.Of(std::vector<std::string>{",x", " junk", "\t", " 5", ",", "e"});
      }
      break;
    case 6:
      if (!lines.empty()) lines[any()] = LongText(rng);
      break;
    case 7:
      if (!lines.empty()) lines[0] = rng.Of(kVersions).text;
      break;
    case 8: {
      const std::size_t line = rng.Of(kCodeLines);
      if (line <= lines.size()) {
        lines[line - 1] =
            rng.Of(std::vector<std::string>{"-32768", "-2", "-1", "10", "11", "40", "41", "42",
                                            "60", "61", "62", "99", "1000", "32767"});
      }
      break;
    }
    default:
      if (rng.OneIn(2)) {
        lines.resize(rng.Pick(lines.size() + 1));
      } else {
        lines.push_back(rng.Of(AwkwardFields()));
      }
      break;
  }
}

void MutateBytes(Rng& rng, std::string& text) {
  static const std::vector<std::string> bad = {
      std::string("\0", 1), "\xFF",         "\xC3", "\xED\xA0\x80", "\xF4\x90\x80\x80",
      "\xC0\xAF",           "\xEF\xBB\xBF", "\x1A", "\xE2\x82",     "\x96"};
  const std::size_t at = rng.Pick(text.size() + 1);
  switch (rng.Pick(3)) {
    case 0: text.insert(at, rng.Of(bad)); break;
    case 1:
      if (at < text.size()) text[at] = static_cast<char>(rng.Pick(256));
      break;
    default: text.resize(at); break;
  }
}

// ---- The sweeps ----

// Each seed is read back as it was written, and gives the same inputs
// within what the file keeps of them.
TEST(ProjectFileRobustness, VariedProjectsRoundTrip) {
  Reader reader;
  Rng rng(0x5EED);
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE("project " + std::to_string(i));
    const DesignState ds = VariedProject(reader.started(), rng);
    const std::string text = ProjectFileText(ds);
    EXPECT_EQ(LinesOf(text).size(), static_cast<std::size_t>(kProjectFileLines));
    const DesignState read = reader.ReadBack(text);
    EXPECT_TRUE(SameInputs(ds, read));
    EXPECT_TRUE(SameText(text, ProjectFileText(read)));
    reader.Check(text, reader.started());
  }
  EXPECT_EQ(reader.tally.failed, 0);
}

// Every seed cut after every line, inside every line and between the CR
// and the LF of every line end.
TEST(ProjectFileRobustness, EveryCut) {
  Reader reader;
  const std::vector<Seed> seeds = Seeds(reader, 10);
  Rng rng(0xC07);
  for (std::size_t s = 0; s < seeds.size(); ++s) {
    SCOPED_TRACE(seeds[s].name);
    const std::string& text = seeds[s].text;
    const DesignState& before = seeds[(s + 1) % seeds.size()].project;
    std::size_t lineStart = 0;
    while (true) {
      const std::size_t end = text.find("\r\n", lineStart);
      const std::size_t stop = end == std::string::npos ? text.size() : end;
      SCOPED_TRACE("cut at byte " + std::to_string(lineStart));
      reader.Check(text.substr(0, lineStart), before);
      if (stop > lineStart) {
        reader.Check(text.substr(0, lineStart + 1 + rng.Pick(stop - lineStart)), before);
      }
      if (end == std::string::npos) break;
      reader.Check(text.substr(0, end + 1), before);  // the CR without its LF
      lineStart = end + 2;
    }
  }
  EXPECT_GT(reader.tally.failed, 0);
  EXPECT_GT(reader.tally.read, 0);
}

// One line of every kind in a fixture takes every awkward field in turn;
// every line of the fixture and of a varied project a seeded choice of them.
TEST(ProjectFileRobustness, EveryLineTakesAwkwardFields) {
  Reader reader;
  const std::vector<Seed> seeds = Seeds(reader, 1);
  const std::vector<std::string>& fields = AwkwardFields();
  Rng rng(0xF1E1D);
  // format, text, type code, row index, single, number, last line
  const std::vector<std::size_t> everyField = {1, 2, 18, 19, 28, 36, 59};
  for (const std::size_t s : {std::size_t{1}, seeds.size() - 1}) {
    SCOPED_TRACE(seeds[s].name);
    const auto lines = LinesOf(seeds[s].text);
    const DesignState& before = seeds[(s + 2) % seeds.size()].project;
    for (std::size_t n = 1; n <= lines.size(); ++n) {
      const bool all =
          s == 1 && std::find(everyField.begin(), everyField.end(), n) != everyField.end();
      for (std::size_t k = 0; k < (all ? fields.size() : 12); ++k) {
        const std::string& field = all ? fields[k] : rng.Of(fields);
        SCOPED_TRACE("line " + std::to_string(n) + ": " + field.substr(0, 40));
        auto mutated = lines;
        mutated[n - 1] = field;
        reader.Check(JoinCrLf(mutated), before);
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
  EXPECT_GT(reader.tally.failed, 0);
  EXPECT_GT(reader.tally.read, 0);
}

// Format numbers at every threshold, over files of every length around the
// lines each format calls for: a file that reaches the last line of its
// format reads, one that ends before fails; the lines a format lacks keep
// what the open project held.
TEST(ProjectFileRobustness, FormatNumbersAtEveryThreshold) {
  Reader reader;
  const std::vector<Seed> seeds = Seeds(reader, 1);
  for (const std::size_t s : {std::size_t{1}, seeds.size() - 1}) {
    const auto lines = LinesOf(seeds[s].text);
    const DesignState& before = seeds[(s + 3) % seeds.size()].project;
    for (const VersionText& v : kVersions) {
      for (std::size_t count : {48, 49, 50, 51, 58, 59, 60}) {
        SCOPED_TRACE(seeds[s].name + ", format \"" + v.text + "\", " + std::to_string(count) +
                     " lines");
        auto mutated = lines;
        mutated.resize(count, "1");
        mutated[0] = v.text;
        const DesignState read = reader.Check(JoinCrLf(mutated), before);
        const bool complete = static_cast<int>(count) >= LastLineOfVersion(v.value);
        EXPECT_EQ(read.fileverin, complete ? v.value : before.fileverin);
        if (!complete) continue;
        EXPECT_NE(read.filename, before.filename);
        if (v.value <= 130) {
          EXPECT_TRUE(SameBits(read.naxial, before.naxial));
          EXPECT_TRUE(SameBits(read.M2b, before.M2b));
          EXPECT_EQ(read.odmom, before.odmom);
          EXPECT_EQ(read.extraopt, before.extraopt);
        }
        if (v.value <= 105) {
          EXPECT_EQ(read.hring, before.hring);
        }
      }
    }
  }
  EXPECT_GT(reader.tally.failed, 0);
  EXPECT_GT(reader.tally.read, 0);
}

// Files that are hardly project files at all.
TEST(ProjectFileRobustness, OddFiles) {
  Reader reader;
  const std::vector<Seed> seeds = Seeds(reader, 0);
  const std::string good = seeds[1].text;
  const std::vector<std::string> files = {
      "",
      "\r\n",
      "\xEF\xBB\xBF",
      "\xEF\xBB\xBF" + good,
      std::string(59, '\n'),
      std::string(200, '\r'),
      std::string(100, '\0'),
      "170",
      std::string(kTooLarge, '1'),
      good + std::string(kTooLarge, 'x'),
      "170\r\n" + std::string(1000000, 'p') + "\r\n" + good.substr(good.find("\r\n", 5) + 2),
      good + "\x1A",
      good + std::string(3, '\0'),
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE("odd file " + std::to_string(i));
    reader.Check(files[i], seeds[0].project);
  }
  EXPECT_GT(reader.tally.failed, 0);
  EXPECT_GT(reader.tally.read, 0);
}

// Seeded random mutations, one to three at a time, over the line structure
// and the bytes of every seed.
TEST(ProjectFileRobustness, RandomMutations) {
  Reader reader;
  const std::vector<Seed> seeds = Seeds(reader, 10);
  Rng rng(20261210);
  for (int i = 0; i < 3000; ++i) {
    const std::size_t s = rng.Pick(seeds.size());
    SCOPED_TRACE("mutation " + std::to_string(i) + " of " + seeds[s].name);
    auto lines = LinesOf(seeds[s].text);
    const std::size_t lineEdits = rng.Pick(3);
    for (std::size_t k = 0; k < lineEdits; ++k) MutateLines(rng, lines);
    std::string text = Join(rng, lines);
    if (lineEdits == 0 || rng.OneIn(3)) MutateBytes(rng, text);
    reader.Check(text, seeds[rng.Pick(seeds.size())].project);
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GT(reader.tally.failed, 0);
  EXPECT_GT(reader.tally.read, 0);
}

}  // namespace
}  // namespace tamrel
