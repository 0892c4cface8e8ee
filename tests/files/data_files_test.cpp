// Checks over the data tables shipped in data/.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calc/design_state.h"
#include "files/table_loaders.h"

namespace tamrel {
namespace {

DesignState Shipped() {
  DesignState ds;
  ds.apppath = TAMREL_DATA_DIR;
  LoadAllTables(ds);
  return ds;
}

struct ProfileFile {
  const char* file;
  ProfileTable DesignState::*table;
  std::vector<int> match;  // columns a project file finds its row again by
  int tw;                  // column of the web thickness
};

const std::vector<ProfileFile>& ProfileFiles() {
  static const std::vector<ProfileFile> files = {
      {"lprof.dat", &DesignState::lprof, {1, 2, 3}, 3},     // H, B, tw
      {"tprof.dat", &DesignState::tprof, {1, 2, 3, 4}, 3},  // H, B, tw, tf
      {"fprof.dat", &DesignState::fprof, {1, 2}, 2},        // H, tw
      {"bfprof.dat", &DesignState::bfprof, {1, 2}, 2},      // H, tw
  };
  return files;
}

TEST(ShippedData, ProfileTablesAreWithinCapacityPositiveAndDistinct) {
  const DesignState ds = Shipped();
  for (const auto& f : ProfileFiles()) {
    SCOPED_TRACE(f.file);
    const ProfileTable& t = ds.*f.table;
    EXPECT_GE(t.last, 0);
    EXPECT_LT(t.last, t.capacity);
    std::set<std::vector<float>> keys;
    for (int r = 0; r <= t.last; ++r) {
      for (int c = 1; c <= t.columns; ++c) {
        EXPECT_TRUE(std::isfinite(t.cell[r][c]) && t.cell[r][c] > 0)
            << "row " << r << " column " << c;
      }
      // The web is thinner than the section is high.
      EXPECT_LT(t.cell[r][f.tw], t.cell[r][1]) << "row " << r;
      std::vector<float> key;
      for (int c : f.match) key.push_back(t.cell[r][c]);
      EXPECT_TRUE(keys.insert(key).second) << "row " << r << " repeats an earlier row";
      if (r > 0) {
        EXPECT_LE(t.cell[r - 1][1], t.cell[r][1]) << "rows sorted by height, row " << r;
      }
    }
  }
}

TEST(ShippedData, AnglesAndTeesHaveTheirFlangeWithinTheWebHeight) {
  const DesignState ds = Shipped();
  for (const ProfileTable* t : {&ds.lprof, &ds.tprof}) {
    for (int r = 0; r <= t->last; ++r) {
      SCOPED_TRACE(r);
      EXPECT_LT(t->cell[r][4], t->cell[r][1]);  // tf < H
      EXPECT_LT(t->cell[r][3], t->cell[r][2]);  // tw < B
    }
  }
  for (int r = 0; r <= ds.lprof.last; ++r) {
    EXPECT_LE(ds.lprof.cell[r][2], ds.lprof.cell[r][1]) << "angle " << r << ": long leg is H";
  }
}

TEST(ShippedData, BulbFlatsGiveAPositiveDerivedFlange) {
  const DesignState ds = Shipped();
  const ProfileTable& t = ds.bfprof;
  for (int r = 0; r <= t.last; ++r) {
    SCOPED_TRACE(r);
    const double h = t.cell[r][1], tw = t.cell[r][2], c = t.cell[r][3], rad = t.cell[r][4],
                 a = t.cell[r][5];
    const double b = tw + c - 0.45 * rad;  // flange width of the equivalent angle
    EXPECT_GT(b, tw);
    const double tf = (a - h * tw) / (b - tw);
    EXPECT_GT(tf, 0.0);
    EXPECT_LT(tf, h);
  }
}

TEST(ShippedData, MaterialTableHoldsGradesAndTheTypedValueEntry) {
  const DesignState ds = Shipped();
  const MaterialTable& m = ds.mat;
  ASSERT_GE(m.matlast, 3) << "at least three grades before the typed-value entry";
  ASSERT_LT(m.matlast, MaterialTable::kMaxGrades);
  // New projects use grade 2 for plate, stiffener and ring frame.
  EXPECT_EQ(m.matname[2], "S355");
  EXPECT_FALSE(m.matname[m.matlast].empty());
  for (int c = 1; c <= 13; ++c) EXPECT_EQ(m.mattab[m.matlast][c], 0.0f) << "column " << c;

  std::set<std::string> names;
  for (int g = 0; g < m.matlast; ++g) {
    SCOPED_TRACE(m.matname[g]);
    EXPECT_FALSE(m.matname[g].empty());
    EXPECT_TRUE(names.insert(m.matname[g]).second) << "name repeats";
    for (int c = 1; c <= 13; ++c) EXPECT_GT(m.mattab[g][c], 0.0f) << "column " << c;
    for (int c = 4; c <= 12; c += 2) {
      EXPECT_LT(m.mattab[g][c - 2], m.mattab[g][c]) << "limits increase, column " << c;
    }
    for (int c = 3; c <= 13; c += 2) {
      EXPECT_LE(m.mattab[g][c], m.mattab[g][c - 2]) << "strength does not rise, column " << c;
    }
  }
}

// The first three grades are the EN 10025-2 structural steels, S355 third:
// new projects use grade 2 for the plate, the stiffener and the ring frame.
TEST(ShippedData, FirstGradesAreTheEn10025Steels) {
  const DesignState ds = Shipped();
  struct Grade {
    const char* name;
    float fy[7];
  };
  const Grade grades[] = {
      {"S235", {235, 225, 215, 215, 215, 195, 185}},
      {"S275", {275, 265, 255, 245, 235, 225, 215}},
      {"S355", {355, 345, 335, 325, 315, 295, 285}},
  };
  const float limits[6] = {16, 40, 63, 80, 100, 150};
  for (int g = 0; g < 3; ++g) {
    SCOPED_TRACE(grades[g].name);
    EXPECT_EQ(ds.mat.matname[g], grades[g].name);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(ds.mat.mattab[g][1 + 2 * i], grades[g].fy[i]) << i;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ds.mat.mattab[g][2 + 2 * i], limits[i]) << i;
  }
}

}  // namespace
}  // namespace tamrel
