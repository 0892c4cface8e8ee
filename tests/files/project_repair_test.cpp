// After reading, the stiffener's table row is found again from its
// dimensions, and the built-up set of the current types is refilled.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "calc/defaults.h"
#include "files/project_file.h"
#include "files/project_test_support.h"

namespace tamrel {
namespace {

using namespace tamrel::testing;

void Fill(ProfileTable& t, std::initializer_list<std::vector<float>> rows) {
  int r = 0;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c)
      t.cell[static_cast<std::size_t>(r)][c + 1] = row[c];
    ++r;
  }
  t.last = static_cast<std::int16_t>(r - 1);
}

// Tables with repeated rows: L rows 3 and 7 alike, T rows 2 and 5 alike in
// H, B, tw but not tf, flat-bar rows 1 and 4 alike, bulb rows 0 and 5 alike
// in H and tw.
DesignState WithTables() {
  DesignState ds;
  SetDefaults(ds);
  Fill(ds.lprof, {{100, 50, 6, 6},
                  {120, 80, 8, 8},
                  {150, 90, 10, 10},
                  {200, 90, 9, 14},
                  {200, 100, 10, 10},
                  {0.1f, 10.5f, 7.3f, 7.3f},
                  {250, 90, 10, 16},
                  {200, 90, 9, 9},
                  {300, 100, 11, 11}});
  Fill(ds.tprof, {{200, 90, 9, 10},
                  {250, 100, 10, 12},
                  {300, 120, 11, 16},
                  {300, 150, 12, 18},
                  {350, 150, 12, 20},
                  {300, 120, 11, 14}});
  Fill(ds.fprof, {{100, 8}, {120, 10}, {140, 10}, {160, 12}, {120, 10}, {180, 12}});
  Fill(ds.bfprof, {{200, 10, 31, 9, 2856},
                   {220, 11, 34, 10, 3190},
                   {240, 11, 37, 11, 3560},
                   {260, 12, 40, 12, 4030},
                   {280, 12, 43, 13, 4450},
                   {200, 10, 99, 9, 2900}});
  return ds;
}

struct RowCase {
  const char* name;
  std::int16_t stifftype;
  Variant hs, bs, tws;
  float tfs;
  std::int16_t fileIndex;  // the row index the file holds
  std::int16_t expected;
};

std::int16_t& StiffIndex(DesignState& ds, std::int16_t type) {
  switch (type) {
    case kLTable: return ds.stifflidx;
    case kTTable: return ds.stifftidx;
    case kFlatbarTable: return ds.stifffidx;
    default: return ds.stiffhpidx;
  }
}

TEST(StiffenerRowRepair, FindsTheRowAgain) {
  using V = Variant;
  const RowCase cases[] = {
      {"L: rows 3 and 7 match, the last wins", kLTable, V::Int(200), V::Int(90), V::Int(9), 1, 1,
       7},
      {"L: no row matches, the file's index stays", kLTable, V::Int(201), V::Int(90), V::Int(9), 9,
       2, 2},
      {"L: single dimensions from a row", kLTable, V(0.1f), V(10.5f), V(7.3f), 7.3f, 0, 5},
      {"L: a double that holds a row's single", kLTable, V(static_cast<double>(0.1f)), V(10.5),
       V(static_cast<double>(7.3f)), 0, 0, 5},
      {"T: H, B, tw and tf match row 2", kTTable, V::Int(300), V::Int(120), V::Int(11), 16, 0, 2},
      {"T: tf differs, the file's index stays", kTTable, V::Int(300), V::Int(120), V::Int(11), 15,
       3, 3},
      {"T: rows 2 and 5 share H, B, tw; tf picks 5", kTTable, V::Int(300), V::Int(120), V::Int(11),
       14, 0, 5},
      {"flat bar: rows 1 and 4 match", kFlatbarTable, V::Int(120), V(), V::Int(10), 0, 0, 4},
      {"flat bar: no match", kFlatbarTable, V::Int(120), V(), V::Int(11), 0, 3, 3},
      {"bulb: H and tw only, rows 0 and 5", kBulbFlat, V::Int(200), V(), V::Int(10), 0, 2, 5},
      {"bulb: no match", kBulbFlat, V::Int(200), V(), V::Int(11), 0, 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState src = WithTables();
    src.stifftype = c.stifftype;
    src.hs = c.hs;
    src.bs = c.bs;
    src.tws = c.tws;
    src.tfs = c.tfs;
    StiffIndex(src, c.stifftype) = c.fileIndex;
    TempDir dir;
    WriteProjectFile(src, dir.File("p.tmr"));
    DesignState ds = WithTables();
    ReadProjectFile(ds, dir.File("p.tmr"));
    EXPECT_EQ(StiffIndex(ds, c.stifftype), c.expected);
  }
}

// Only the current type's index is searched; built-up types get no search,
// and the ring frame none for any type, even where its dimensions match rows.
TEST(StiffenerRowRepair, OtherIndicesAndTheRingFrameStandAsRead) {
  const struct {
    std::int16_t ringtype;
    std::int16_t hg, bg, twg;
    float tfg;
  } cases[] = {
      {kLTable, 200, 90, 9, 9},        // L rows 3 and 7
      {kTTable, 300, 120, 11, 16},     // T row 2
      {kFlatbarTable, 120, 0, 10, 0},  // flat-bar rows 1 and 4
      {kBulbFlat, 200, 0, 10, 0},      // bulb rows 0 and 5
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ringtype);
    DesignState src = WithTables();
    src.stifftype = kLBuiltUp;  // dimensions match L rows 3 and 7: no search
    src.hs = Variant::Int(200), src.bs = Variant::Int(90), src.tws = Variant::Int(9);
    src.ringtype = c.ringtype;
    src.hg = Variant::Int(c.hg), src.bg = Variant::Int(c.bg), src.twg = Variant::Int(c.twg);
    src.tfg = c.tfg;
    src.stifflidx = 1, src.stifftidx = 2, src.stifffidx = 3, src.stiffhpidx = 4;
    src.girdlidx = 1, src.girdtidx = 3, src.girdfidx = 2, src.girdhpidx = 4;
    TempDir dir;
    WriteProjectFile(src, dir.File("p.tmr"));
    DesignState ds = WithTables();
    ReadProjectFile(ds, dir.File("p.tmr"));
    EXPECT_EQ(ds.stifflidx, 1);
    EXPECT_EQ(ds.stifftidx, 2);
    EXPECT_EQ(ds.stifffidx, 3);
    EXPECT_EQ(ds.stiffhpidx, 4);
    EXPECT_EQ(ds.girdlidx, 1);
    EXPECT_EQ(ds.girdtidx, 3);
    EXPECT_EQ(ds.girdfidx, 2);
    EXPECT_EQ(ds.girdhpidx, 4);
  }
}

// A row index beyond the table is stored as it stands, and a table that
// claims more rows than it holds is not read past its end.
TEST(StiffenerRowRepair, IndexBeyondTheTableAndAnOverfullTable) {
  DesignState src = WithTables();
  src.stifftype = kLTable;
  src.hs = Variant::Int(1), src.bs = Variant::Int(1), src.tws = Variant::Int(1);
  src.stifflidx = 32000;
  TempDir dir;
  WriteProjectFile(src, dir.File("p.tmr"));
  DesignState ds = WithTables();
  ds.lprof.last = 32000;
  ReadProjectFile(ds, dir.File("p.tmr"));
  EXPECT_EQ(ds.stifflidx, 32000);
}

// The built-up set of the current type := the current dimensions (tw of the
// flat bar, RHS and trapezoid in single precision); the other sets stay.
TEST(BuiltUpSetRefill, CurrentTypeOnlyForStiffenerAndRingFrame) {
  for (const bool ring : {false, true}) {
    for (const BuiltUpSet& set : ring ? RingSets() : StiffenerSets()) {
      SCOPED_TRACE(set.name);
      DesignState src;
      SetDefaults(src);
      const Variant h = Variant(321.5f), b = Variant::Int(123), c = Variant(45.25f);
      const Variant tw = Variant(7.123456789012);  // a double
      const float tf = 13.5f;
      if (ring) {
        src.ringtype = set.type;
        src.hg = h, src.bg = b, src.cg = c, src.twg = tw, src.tfg = tf;
      } else {
        src.stifftype = set.type;
        src.hs = h, src.bs = b, src.cs = c, src.tws = tw, src.tfs = tf;
      }
      TempDir dir;
      WriteProjectFile(src, dir.File("p.tmr"));
      DesignState before;
      SetDefaults(before);
      DesignState ds = before;
      ReadProjectFile(ds, dir.File("p.tmr"));

      // What the set must hold, by type.
      DesignState expected = before;
      const float twSingle = static_cast<float>(tw.value());
      switch (set.type) {
        case kLBuiltUp:
        case kTBuiltUp:
        case kIBuiltUp:
          expected.*set.variants[0] = h, expected.*set.variants[1] = b;
          expected.*set.variants[2] = tw, expected.*set.last = tf;
          break;
        case kFlatbarBuiltUp: expected.*set.variants[0] = h, expected.*set.last = twSingle; break;
        case kRHS:
          expected.*set.variants[0] = h, expected.*set.variants[1] = b;
          expected.*set.last = twSingle;
          break;
        case kTrapezProfile:
          expected.*set.variants[0] = h, expected.*set.variants[1] = b;
          expected.*set.variants[2] = c, expected.*set.last = twSingle;
          break;
        default: FAIL();
      }
      ExpectSameBuiltUpSets(expected, ds);
    }
  }
}

// Table types have no set: every set keeps what it held.
TEST(BuiltUpSetRefill, TableTypesCopyNothing) {
  for (std::int16_t type : {kLTable, kTTable, kFlatbarTable, kBulbFlat}) {
    SCOPED_TRACE(type);
    DesignState src;
    SetDefaults(src);
    src.stifftype = type;
    src.ringtype = type;
    src.hs = Variant::Int(555), src.hg = Variant::Int(666);
    TempDir dir;
    WriteProjectFile(src, dir.File("p.tmr"));
    DesignState before;
    SetDefaults(before);
    DesignState ds = before;
    ReadProjectFile(ds, dir.File("p.tmr"));
    ExpectSameBuiltUpSets(before, ds);
  }
}

}  // namespace
}  // namespace tamrel
