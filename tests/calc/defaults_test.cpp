#include "calc/defaults.h"

#include <gtest/gtest.h>

#include <string>

namespace tamrel {
namespace {

using Kind = Variant::Kind;

struct VariantDefault {
  const char* name;
  Variant DesignState::*member;
  Kind kind;
  double value;
};

// Whole numbers are stored as 16-bit integers, except where a kind is named.
TEST(SetDefaults, VariantsHoldTheirValueAndKind) {
  const VariantDefault cases[] = {
      {"filever", &DesignState::filever, Kind::Int16, 170},
      {"UF", &DesignState::UF, Kind::Int16, 1},
      {"gM", &DesignState::gM, Kind::Double, 1.15},
      {"stiffspacing", &DesignState::stiffspacing, Kind::Int16, 600},
      {"ringspacing", &DesignState::ringspacing, Kind::Int16, 3000},
      {"stifflt", &DesignState::stifflt, Kind::Int16, 3000},
      {"cyll", &DesignState::cyll, Kind::Int16, 6000},
      {"cylt", &DesignState::cylt, Kind::Int16, 20},
      {"Sigx", &DesignState::Sigx, Kind::Int16, -100},
      {"naxial", &DesignState::naxial, Kind::Int16, -1000},
      {"M1a", &DesignState::M1a, Kind::Int16, -200},
      {"M1b", &DesignState::M1b, Kind::Int16, 100},
      {"M2a", &DesignState::M2a, Kind::Int16, -100},
      {"k1", &DesignState::k1, Kind::Double, 1.0},
      {"hs", &DesignState::hs, Kind::Int16, 200},
      {"stifffb_h", &DesignState::stifffb_h, Kind::Int16, 100},
      {"girdfb_h", &DesignState::girdfb_h, Kind::Int16, 200},
      {"stiffusp_a", &DesignState::stiffusp_a, Kind::Int16, 50},
      {"cs", &DesignState::cs, Kind::Int16, 1},
      {"Rog", &DesignState::Rog, Kind::Int16, 10},
  };
  DesignState ds;
  SetDefaults(ds);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ((ds.*c.member).kind(), c.kind);
    EXPECT_EQ((ds.*c.member).value(), c.value);
  }
}

TEST(SetDefaults, SinglesCodesAndTexts) {
  DesignState ds;
  SetDefaults(ds);
  EXPECT_EQ(ds.emod, 210000.0f);
  EXPECT_EQ(ds.pd, -0.3f);
  EXPECT_EQ(ds.Sigy, -10.0f);
  EXPECT_EQ(ds.cylr, 3333.0f);
  EXPECT_EQ(ds.ringlt, 600.0f);
  EXPECT_EQ(ds.M2b, 100.0f);
  EXPECT_EQ(ds.tmat, 12.0f);
  EXPECT_EQ(ds.stifffb_tw, 10.0f);  // the stiffener's flat bar is 100 x 10
  EXPECT_EQ(ds.girdfb_tw, 9.0f);    // the ring frame's is 200 x 9
  EXPECT_EQ(ds.cyltype, kStringerStiffened);
  EXPECT_EQ(ds.ringtype, kTTable);
  EXPECT_EQ(ds.stifftype, kLTable);
  EXPECT_EQ(ds.matp, 2);
  EXPECT_EQ(ds.mats, 2);
  EXPECT_EQ(ds.matg, 2);
  EXPECT_EQ(ds.ring, 1);
  EXPECT_EQ(ds.stiffnote, 1);
  EXPECT_EQ(ds.hring, 0);
  EXPECT_EQ(ds.titlecolor, 0 | (85 << 8) | (152 << 16));
  EXPECT_EQ(ds.filename, "New File");
  EXPECT_EQ(ds.proj, "Project");
  EXPECT_EQ(ds.ident, "Test");
}

// New after a project: what the defaults do not list survives.
TEST(SetDefaults, NewKeepsWhatItDoesNotSet) {
  DesignState ds;
  ds.fyp = 420.0f;
  ds.fys = 355.0f;
  ds.fyg = 460.0f;
  ds.girdlidx = 7;
  ds.girdtidx = 3;
  ds.girdfidx = 5;
  ds.girdhpidx = 11;
  ds.UFshell = 0.83;
  ds.sp = 600.0;
  ds.sm = -12.5f;
  ds.Z = 128.8;
  ds.shellTable.txt[0] = "Shell Buckling: (Ch 3.4.2)";
  ds.shellTable.last = 10;
  ds.apppath = "/opt/tamrel";
  ds.lastdir = "/home/eng/projects";
  ds.decflag = Variant::Int(-1);
  ds.ypos = 4.5;
  ds.stiffclass[1] = "h <= 296 (Eq 3.10.7) ==> OK";
  ds.filename = "/home/eng/projects/a.tmr";
  ds.stifflidx = 9;

  SetDefaults(ds);

  EXPECT_EQ(ds.fyp.value(), 420.0);
  EXPECT_EQ(ds.fys.value(), 355.0);
  EXPECT_EQ(ds.fyg.value(), 460.0);
  EXPECT_EQ(ds.girdlidx, 7);
  EXPECT_EQ(ds.girdtidx, 3);
  EXPECT_EQ(ds.girdfidx, 5);
  EXPECT_EQ(ds.girdhpidx, 11);
  EXPECT_EQ(ds.UFshell.value(), 0.83);
  EXPECT_EQ(ds.sp.value(), 600.0);
  EXPECT_EQ(ds.sm, -12.5f);
  EXPECT_EQ(ds.Z.value(), 128.8);
  EXPECT_EQ(ds.shellTable.txt[0], "Shell Buckling: (Ch 3.4.2)");
  EXPECT_EQ(ds.shellTable.last, 10);
  EXPECT_EQ(ds.apppath, "/opt/tamrel");
  EXPECT_EQ(ds.lastdir, "/home/eng/projects");
  EXPECT_EQ(ds.decflag.value(), -1.0);
  EXPECT_EQ(ds.ypos, 4.5);
  EXPECT_EQ(ds.stiffclass[1], "h <= 296 (Eq 3.10.7) ==> OK");
  // ... while what it lists is reset.
  EXPECT_EQ(ds.filename, "New File");
  EXPECT_EQ(ds.stifflidx, 0);
}

TEST(DesignState, StartsEmpty) {
  DesignState ds;
  EXPECT_TRUE(ds.UFst.empty());
  EXPECT_EQ(ds.UFst.value(), 0.0);
  EXPECT_TRUE(ds.sp.empty());
  EXPECT_EQ(ds.proj, "");
  EXPECT_EQ(ds.lprof.capacity, 41);
  EXPECT_EQ(ds.bfprof.capacity, 61);
  EXPECT_EQ(ds.fprof.columns, 2);
  EXPECT_EQ(ds.bfprof.columns, 5);
}

}  // namespace
}  // namespace tamrel
