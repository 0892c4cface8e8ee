#include "files/project_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

#include "calc/defaults.h"
#include "files/project_test_support.h"

namespace tamrel {
namespace {

using namespace tamrel::testing;
using Kind = Variant::Kind;

double DoubleOf(const std::string& text) {
  double d = 0;
  std::from_chars(text.data(), text.data() + text.size(), d);
  return d;
}

float SingleOf(const std::string& text) {
  float f = 0;
  std::from_chars(text.data(), text.data() + text.size(), f);
  return f;
}

// What a read leaves besides the file's lines: built-up profiles (no table
// row to find) whose remembered sets the reader refills from hs..tfs and
// hg..tfg, stiffnote replaced by 1, and the reader's own format 170.
void AsAReadLeavesIt(DesignState& ds) {
  ds.stifftype = kLBuiltUp;
  ds.ringtype = kTBuiltUp;
  ds.stifflb_h = ds.hs, ds.stifflb_b = ds.bs, ds.stifflb_tw = ds.tws, ds.stifflb_tf = ds.tfs;
  ds.girdtb_h = ds.hg, ds.girdtb_b = ds.bg, ds.girdtb_tw = ds.twg, ds.girdtb_tf = ds.tfg;
  ds.stiffnote = 1;
  ds.fileverin = 170;
}

// A project that differs from the defaults in every input, its numbers of
// all three kinds: integers, singles as typed (up to 7 digits) and doubles
// of 15 digits. (Singles that 7 digits do not hold: see below.)
DesignState RichProject() {
  DesignState ds;
  SetDefaults(ds);
  ds.proj = "Tank 3, \"B\" \xE2\x80\x93 \xC3\x86r\xC3\xB8 / \xE4\xB8\xAD";  // – Ærø / 中
  ds.ident = "  rev. 2, \"checked\", 50% ";
  const FileInputs in;
  std::int16_t code = 1;
  for (const auto& [name, m] : in.integers) ds.*m = code++;
  const char* singles[] = {"205000", "550.25", "4250.5",  "-15.5", "35.25",
                           "-0.45",  "14.5",   "1.5E-07", "80.5",  "0.8"};
  std::size_t s = 0;
  for (const auto& [name, m] : in.singles) ds.*m = SingleOf(singles[s++ % std::size(singles)]);
  const char* singleVariants[] = {"0.1",      "-2.75", "123.4567", "0.00125",
                                  "98765.43", "1E+20", "3.141593", "650.5"};
  int i = 0;
  for (const auto& [name, m] : in.numbers) {
    switch (i % 3) {
      case 0: ds.*m = Variant::Int(static_cast<std::int16_t>(-500 + 97 * i)); break;
      case 1: ds.*m = Variant(SingleOf(singleVariants[(i / 3) % std::size(singleVariants)])); break;
      default: ds.*m = Variant(DoubleOf(std::to_string(i) + ".1234567890123")); break;
    }
    ++i;
  }
  AsAReadLeavesIt(ds);
  return ds;
}

TEST(ProjectFile, WritesTheNewProjectDefaultsAsTheFixture) {
  DesignState ds;
  SetDefaults(ds);  // fyp, fys, fyg stay empty: written as 0
  RecordingWindow window;
  ds.mainfrm = &window;
  TempDir dir;
  const std::string path = dir.File("new project.tmr");
  WriteProjectFile(ds, path);
  EXPECT_EQ(ReadBytes(path), ReadBytes(FixturePath("new_project_170.tmr")));
  EXPECT_EQ(SplitCrLf(ReadBytes(path)).size(), 59u);
  EXPECT_EQ(ds.filename, path);
  ASSERT_EQ(window.captions.size(), 1u);
  EXPECT_EQ(window.captions[0], "Tamrel DNV: " + path);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"new project.tmr"});  // no temp file left
}

TEST(ProjectFile, EveryInputRoundTrips) {
  const DesignState written = RichProject();
  TempDir dir;
  const std::string path = dir.File("rich, \"one\".tmr");
  DesignState source = written;
  WriteProjectFile(source, path);

  DesignState read;
  SetDefaults(read);
  RecordingWindow window;
  read.mainfrm = &window;
  ReadProjectFile(read, path);

  DesignState expected = written;
  expected.filename = path;
  ExpectSameProject(expected, read);
  EXPECT_EQ(read.mainfrm, &window);
  ASSERT_EQ(window.captions.size(), 1u);
  EXPECT_EQ(window.captions[0], "Tamrel DNV: " + path);
}

TEST(ProjectFile, WriteReadWriteIsByteIdentical) {
  DesignState defaults;
  SetDefaults(defaults);
  for (const DesignState& start : {RichProject(), defaults}) {
    TempDir dir;
    DesignState first = start;
    WriteProjectFile(first, dir.File("a.tmr"));
    DesignState second;
    ReadProjectFile(second, dir.File("a.tmr"));
    WriteProjectFile(second, dir.File("b.tmr"));
    EXPECT_EQ(ReadBytes(dir.File("a.tmr")), ReadBytes(dir.File("b.tmr")));
  }
}

// Singles that 7 digits do not hold (a single that arithmetic produced, one
// near 1E+28 or 1E-38) are written with the digits they need: the project
// reads back exactly and is written again byte-identical.
TEST(ProjectFile, SinglesSevenDigitsDoNotHoldRoundTrip) {
  const float above1e28 = std::nextafter(1e28f, 2e28f);  // 1.00000006E+28
  const float near1em38 = std::nextafter(1e-38f, 1.0f);  // 1.00000008E-38
  const float values[] = {above1e28,
                          -above1e28,
                          near1em38,
                          -near1em38,
                          1.0f / 3.0f,
                          12345678.0f,
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::max(),
                          2485.8345f,
                          1e28f};
  DesignState ds;
  SetDefaults(ds);
  const FileInputs in;
  std::size_t i = 0;
  for (const auto& [name, m] : in.singles) ds.*m = values[i++ % std::size(values)];
  for (const auto& [name, m] : in.numbers) ds.*m = Variant(values[i++ % std::size(values)]);
  AsAReadLeavesIt(ds);
  TempDir dir;
  DesignState first = ds;
  WriteProjectFile(first, dir.File("a.tmr"));
  const std::string written = ReadBytes(dir.File("a.tmr"));
  EXPECT_NE(written.find("\r\n1.0000001E+28\r\n"), std::string::npos);
  EXPECT_NE(written.find("\r\n1.0000001E-38\r\n"), std::string::npos);
  EXPECT_NE(written.find("\r\n9.999999E+27\r\n"), std::string::npos);  // 7 digits hold it
  DesignState second;
  SetDefaults(second);
  ReadProjectFile(second, dir.File("a.tmr"));
  DesignState expected = ds;
  expected.filename = dir.File("a.tmr");
  ExpectSameProject(expected, second);
  WriteProjectFile(second, dir.File("b.tmr"));
  EXPECT_EQ(ReadBytes(dir.File("b.tmr")), written);
}

// A double whose text 7 digits hold reads back as a single: same text,
// nearest single value (the file keeps no kinds).
TEST(ProjectFile, ShortDoubleTextReadsAsSingle) {
  DesignState ds;
  SetDefaults(ds);
  ds.k1 = 0.7;
  ds.UF = 1.0;
  TempDir dir;
  WriteProjectFile(ds, dir.File("p.tmr"));
  DesignState back;
  ReadProjectFile(back, dir.File("p.tmr"));
  EXPECT_TRUE(SameVariant(Variant(0.7f), back.k1));
  EXPECT_TRUE(SameVariant(Variant::Int(1), back.UF));
}

TEST(ProjectFile, LineBreakInATextIsWrittenAsABlank) {
  DesignState ds;
  SetDefaults(ds);
  ds.proj = "Tank\r\nA\nB";
  ds.ident = "rev\r2";
  TempDir dir;
  WriteProjectFile(ds, dir.File("p.tmr"));
  const auto lines = SplitCrLf(ReadBytes(dir.File("p.tmr")));
  ASSERT_EQ(lines.size(), 59u);
  EXPECT_EQ(lines[1], "Tank A B");
  EXPECT_EQ(lines[2], "rev 2");
  EXPECT_EQ(lines[3], "2");  // matp still on line 4
  DesignState back;
  ReadProjectFile(back, dir.File("p.tmr"));
  EXPECT_EQ(back.proj, "Tank A B");
  EXPECT_EQ(back.matp, 2);
}

// The lines 2 to 49 of the version fixtures, and what they read as.
void ExpectFixtureBody(const DesignState& ds) {
  EXPECT_EQ(ds.proj, "Tank T-12, \"north\" \xE2\x80\x93 \xC3\x86r\xC3\xB8");
  EXPECT_EQ(ds.ident, "Rev. B, \"checked\"");
  EXPECT_EQ(ds.matp, 1);
  EXPECT_EQ(ds.matg, 3);
  EXPECT_TRUE(SameVariant(Variant::Int(355), ds.fyp));
  EXPECT_TRUE(SameVariant(Variant(420.5f), ds.fys));
  EXPECT_EQ(ds.lrfd, 1);
  EXPECT_TRUE(SameVariant(Variant(0.85f), ds.UF));
  EXPECT_EQ(ds.cyltype, 1);
  EXPECT_EQ(ds.outside, 1);
  EXPECT_EQ(ds.stiffnote, 1);  // the file holds 0
  EXPECT_EQ(ds.ring, 0);
  EXPECT_EQ(ds.ih, 1);
  EXPECT_EQ(ds.stifftype, kTTable);
  EXPECT_EQ(ds.stiffhpidx, 4);
  EXPECT_EQ(ds.stifflidx, 5);
  EXPECT_EQ(ds.stifftidx, 6);  // no table loaded: no row matches
  EXPECT_EQ(ds.stifffidx, 7);
  EXPECT_EQ(ds.ringtype, kFlatbarTable);
  EXPECT_EQ(ds.girdhpidx, 8);
  EXPECT_EQ(ds.girdfidx, 11);
  EXPECT_EQ(ds.emod, 205000.0f);
  EXPECT_TRUE(SameVariant(Variant(650.5f), ds.stiffspacing));
  EXPECT_TRUE(SameVariant(Variant::Int(2500), ds.ringspacing));
  EXPECT_EQ(ds.ringlt, 550.25f);
  EXPECT_TRUE(SameVariant(Variant::Int(12000), ds.cyll));
  EXPECT_EQ(ds.cylr, 4250.5f);
  EXPECT_TRUE(SameVariant(Variant(22.5f), ds.cylt));
  EXPECT_TRUE(SameVariant(Variant(-120.75f), ds.Sigx));
  EXPECT_EQ(ds.Sigy, -15.5f);
  EXPECT_EQ(ds.Tau, 35.25f);
  EXPECT_EQ(ds.pd, -0.45f);
  EXPECT_TRUE(SameVariant(Variant::Int(250), ds.hs));
  EXPECT_TRUE(SameVariant(Variant::Int(2), ds.cs));  // c before tw
  EXPECT_TRUE(SameVariant(Variant(10.5f), ds.tws));
  EXPECT_EQ(ds.tfs, 14.0f);
  EXPECT_TRUE(SameVariant(Variant::Int(300), ds.hg));
  EXPECT_TRUE(SameVariant(Variant::Int(3), ds.cg));
  EXPECT_TRUE(SameVariant(Variant::Int(11), ds.twg));
  EXPECT_EQ(ds.tfg, 16.5f);
}

// The previous project's values of lines 50 to 59.
DesignState PreviousProject() {
  DesignState ds;
  SetDefaults(ds);
  ds.hring = 0;
  ds.extraopt = 0;
  ds.naxial = Variant(-777.5f);
  ds.M1a = Variant::Int(11);
  ds.M2a = Variant::Int(12);
  ds.M1b = Variant::Int(13);
  ds.M2b = 14.5f;
  ds.k1 = 0.55;
  ds.k2 = 0.65f;
  ds.odmom = 0;
  return ds;
}

TEST(ProjectFile, ReadsEveryFormatVersion) {
  const struct {
    const char* fixture;
    std::int16_t fileverin;
    bool readsHring;  // line 50
    bool readsTail;   // lines 51 to 59
  } cases[] = {
      {"project_170.tmr", 170, true, true},
      {"project_171.tmr", 171, true, true},  // every number above 130 is the current format
      {"project_999.tmr", 999, true, true},
      {"project_130.tmr", 130, true, false},   // ends after line 50
      {"project_105.tmr", 105, false, false},  // ends after line 49, 8-bit text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    const DesignState previous = PreviousProject();
    DesignState ds = previous;
    RecordingWindow window;
    ds.mainfrm = &window;
    const std::string path = FixturePath(c.fixture);
    ReadProjectFile(ds, path);

    EXPECT_EQ(ds.fileverin, c.fileverin);
    ExpectFixtureBody(ds);
    EXPECT_EQ(ds.hring, c.readsHring ? 1 : previous.hring);
    if (c.readsTail) {
      EXPECT_EQ(ds.extraopt, 1);
      EXPECT_TRUE(SameVariant(Variant(-2500.5f), ds.naxial));
      EXPECT_TRUE(SameVariant(Variant::Int(-350), ds.M1a));
      EXPECT_TRUE(SameVariant(Variant(-150.25f), ds.M2a));  // M2a before M1b
      EXPECT_TRUE(SameVariant(Variant::Int(175), ds.M1b));
      EXPECT_EQ(ds.M2b, 80.5f);
      EXPECT_TRUE(SameVariant(Variant(0.7f), ds.k1));
      EXPECT_EQ(ds.k2, 0.8f);
      EXPECT_EQ(ds.odmom, 1);
    } else {
      EXPECT_EQ(ds.extraopt, previous.extraopt);
      EXPECT_TRUE(SameVariant(previous.naxial, ds.naxial));
      EXPECT_TRUE(SameVariant(previous.M1a, ds.M1a));
      EXPECT_TRUE(SameVariant(previous.M2a, ds.M2a));
      EXPECT_TRUE(SameVariant(previous.M1b, ds.M1b));
      EXPECT_EQ(ds.M2b, previous.M2b);
      EXPECT_TRUE(SameVariant(previous.k1, ds.k1));
      EXPECT_EQ(ds.k2, previous.k2);
      EXPECT_EQ(ds.odmom, previous.odmom);
    }
    EXPECT_EQ(ds.filename, path);
    ASSERT_EQ(window.captions.size(), 1u);
    EXPECT_EQ(window.captions[0], "Tamrel DNV: " + path);
  }
}

// Older files then save in the current format.
TEST(ProjectFile, AnOldFileIsSavedAsFormat170) {
  DesignState ds = PreviousProject();
  ReadProjectFile(ds, FixturePath("project_105.tmr"));
  TempDir dir;
  WriteProjectFile(ds, dir.File("p.tmr"));
  const auto lines = SplitCrLf(ReadBytes(dir.File("p.tmr")));
  ASSERT_EQ(lines.size(), 59u);
  EXPECT_EQ(lines[0], "170");
  EXPECT_EQ(lines[1], "Tank T-12, \"north\" \xE2\x80\x93 \xC3\x86r\xC3\xB8");  // now UTF-8
  EXPECT_EQ(lines[51], "-777.5");  // naxial kept from the previous project
}

TEST(ProjectFile, ReadsLfLineEndsAndAFileWithoutItsLastLineEnd) {
  std::string lf = ReadBytes(FixturePath("project_170.tmr"));
  std::erase(lf, '\r');
  std::string noEnd = ReadBytes(FixturePath("project_170.tmr"));
  noEnd.resize(noEnd.size() - 2);
  for (const std::string& content : {lf, noEnd}) {
    TempDir dir;
    WriteBytes(dir.File("p.tmr"), content);
    DesignState ds;
    ReadProjectFile(ds, dir.File("p.tmr"));
    ExpectFixtureBody(ds);
    EXPECT_EQ(ds.odmom, 1);
  }
}

// Number lines are read as fields: leading blanks, a comma ending the field,
// forms without a leading zero and exponent forms.
TEST(ProjectFile, ReadsNumberFieldsInEveryForm) {
  auto lines = SplitCrLf(ReadBytes(FixturePath("new_project_170.tmr")));
  lines[10] = " .85";       // UF
  lines[33] = "3.333E+03";  // cylr
  lines[38] = "-.3,extra";  // pd
  lines[3] = "  1 ";        // matp
  TempDir dir;
  WriteBytes(dir.File("p.tmr"), JoinCrLf(lines));
  DesignState ds;
  ReadProjectFile(ds, dir.File("p.tmr"));
  EXPECT_TRUE(SameVariant(Variant(0.85f), ds.UF));
  EXPECT_EQ(ds.cylr, 3333.0f);
  EXPECT_EQ(ds.pd, -0.3f);
  EXPECT_EQ(ds.matp, 1);
}

TEST(ProjectFile, TextLinesKeepCommasQuotesAndBlanks) {
  auto lines = SplitCrLf(ReadBytes(FixturePath("new_project_170.tmr")));
  lines[1] = "\"quoted\", then, more ";
  lines[2] = "";
  TempDir dir;
  WriteBytes(dir.File("p.tmr"), JoinCrLf(lines));
  DesignState ds;
  ReadProjectFile(ds, dir.File("p.tmr"));
  EXPECT_EQ(ds.proj, "\"quoted\", then, more ");
  EXPECT_EQ(ds.ident, "");
}

TEST(ProjectFile, SavesThroughALinkIntoTheFileItNames) {
  TempDir dir;
  WriteBytes(dir.File("real.tmr"), "old");
  fs::create_symlink("real.tmr", dir.path() / "link.tmr");
  DesignState ds;
  SetDefaults(ds);
  WriteProjectFile(ds, dir.File("link.tmr"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.tmr"));
  EXPECT_EQ(ReadBytes(dir.File("real.tmr")), ReadBytes(FixturePath("new_project_170.tmr")));
  EXPECT_EQ(ds.filename, dir.File("link.tmr"));
}

TEST(ProjectFile, ReplacingAFileKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  WriteBytes(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  DesignState ds;
  SetDefaults(ds);
  WriteProjectFile(ds, path);
  EXPECT_EQ(ReadBytes(path), ReadBytes(FixturePath("new_project_170.tmr")));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
}

}  // namespace
}  // namespace tamrel
