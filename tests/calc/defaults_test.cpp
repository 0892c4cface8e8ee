#include "calc/defaults.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/window.h"

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

// ---- Every variable of the design state ----
//
// The tables below name every number, code and text of the design state with
// the kind it is declared with (a member pointer of the wrong type does not
// compile) and, for the variables the new-project defaults set, the value and
// kind they store. A variable without a default keeps whatever it held.

constexpr std::nullopt_t kKeep = std::nullopt;

Variant I(std::int16_t v) {
  return Variant::Int(v);
}

struct VariantVar {
  const char* name;
  Variant DesignState::*member;
  std::optional<Variant> def;
};
struct SingleVar {
  const char* name;
  float DesignState::*member;
  std::optional<float> def;
};
struct DoubleVar {
  const char* name;
  double DesignState::*member;
};
struct Int16Var {
  const char* name;
  std::int16_t DesignState::*member;
  std::optional<std::int16_t> def;
};
struct TextVar {
  const char* name;
  std::string DesignState::*member;
  std::optional<std::string> def;
};

const std::vector<VariantVar>& VariantVars() {
  static const std::vector<VariantVar> vars = {
      // program values
      {"filever", &DesignState::filever, I(170)},
      {"decflag", &DesignState::decflag, kKeep},
      // usage factor and geometry and loads
      {"UF", &DesignState::UF, I(1)},
      {"cylt", &DesignState::cylt, I(20)},
      {"ringspacing", &DesignState::ringspacing, I(3000)},
      {"stiffspacing", &DesignState::stiffspacing, I(600)},
      {"cyll", &DesignState::cyll, I(6000)},
      {"stifflt", &DesignState::stifflt, I(3000)},
      {"Sigx", &DesignState::Sigx, I(-100)},
      {"naxial", &DesignState::naxial, I(-1000)},
      {"M1a", &DesignState::M1a, I(-200)},
      {"M1b", &DesignState::M1b, I(100)},
      {"M2a", &DesignState::M2a, I(-100)},
      {"k1", &DesignState::k1, Variant(1.0)},
      // materials: the yield strengths are looked up by the next recalculation
      {"fyp", &DesignState::fyp, kKeep},
      {"fys", &DesignState::fys, kKeep},
      {"fyg", &DesignState::fyg, kKeep},
      // current profiles
      {"hs", &DesignState::hs, I(200)},
      {"bs", &DesignState::bs, I(90)},
      {"tws", &DesignState::tws, I(9)},
      {"cs", &DesignState::cs, I(1)},
      {"Ros", &DesignState::Ros, I(10)},
      {"hg", &DesignState::hg, I(200)},
      {"bg", &DesignState::bg, I(90)},
      {"twg", &DesignState::twg, I(9)},
      {"cg", &DesignState::cg, I(1)},
      {"Rog", &DesignState::Rog, I(10)},
      // built-up sets: all but the last dimension are variants
      {"stifflb_h", &DesignState::stifflb_h, I(200)},
      {"stifflb_b", &DesignState::stifflb_b, I(90)},
      {"stifflb_tw", &DesignState::stifflb_tw, I(9)},
      {"stifftb_h", &DesignState::stifftb_h, I(200)},
      {"stifftb_b", &DesignState::stifftb_b, I(90)},
      {"stifftb_tw", &DesignState::stifftb_tw, I(9)},
      {"stifffb_h", &DesignState::stifffb_h, I(100)},
      {"stiffrhs_h", &DesignState::stiffrhs_h, I(200)},
      {"stiffrhs_b", &DesignState::stiffrhs_b, I(90)},
      {"stiffusp_h", &DesignState::stiffusp_h, I(200)},
      {"stiffusp_b", &DesignState::stiffusp_b, I(90)},
      {"stiffusp_a", &DesignState::stiffusp_a, I(50)},
      {"stiffib_h", &DesignState::stiffib_h, I(200)},
      {"stiffib_b", &DesignState::stiffib_b, I(90)},
      {"stiffib_tw", &DesignState::stiffib_tw, I(9)},
      {"girdlb_h", &DesignState::girdlb_h, I(200)},
      {"girdlb_b", &DesignState::girdlb_b, I(90)},
      {"girdlb_tw", &DesignState::girdlb_tw, I(9)},
      {"girdtb_h", &DesignState::girdtb_h, I(200)},
      {"girdtb_b", &DesignState::girdtb_b, I(90)},
      {"girdtb_tw", &DesignState::girdtb_tw, I(9)},
      {"girdfb_h", &DesignState::girdfb_h, I(200)},
      {"girdrhs_h", &DesignState::girdrhs_h, I(200)},
      {"girdrhs_b", &DesignState::girdrhs_b, I(90)},
      {"girdusp_h", &DesignState::girdusp_h, I(200)},
      {"girdusp_b", &DesignState::girdusp_b, I(90)},
      {"girdusp_a", &DesignState::girdusp_a, I(50)},
      {"girdib_h", &DesignState::girdib_h, I(200)},
      {"girdib_b", &DesignState::girdib_b, I(90)},
      {"girdib_tw", &DesignState::girdib_tw, I(9)},
      // section properties
      {"As", &DesignState::As, kKeep},
      {"Ag", &DesignState::Ag, kKeep},
      {"Aws", &DesignState::Aws, kKeep},
      {"Awg", &DesignState::Awg, kKeep},
      {"zcs", &DesignState::zcs, kKeep},
      {"zcg", &DesignState::zcg, kKeep},
      {"Iys", &DesignState::Iys, kKeep},
      {"Iyg", &DesignState::Iyg, kKeep},
      {"Izs", &DesignState::Izs, kKeep},
      {"gstiff", &DesignState::gstiff, kKeep},
      {"ggird", &DesignState::ggird, kKeep},
      {"hw", &DesignState::hw, kKeep},
      {"zna", &DesignState::zna, kKeep},
      {"Aeff", &DesignState::Aeff, kKeep},
      {"ztip", &DesignState::ztip, kKeep},
      {"Ieff", &DesignState::Ieff, kKeep},
      {"r0", &DesignState::r0, kKeep},
      // design stresses and curvature
      {"Z", &DesignState::Z, kKeep},
      {"le", &DesignState::le, kKeep},
      {"shp", &DesignState::shp, kKeep},
      {"sh", &DesignState::sh, kKeep},
      {"sa", &DesignState::sa, kKeep},
      {"sp", &DesignState::sp, kKeep},
      // check results; gM is an input-like factor the defaults set
      {"sa0", &DesignState::sa0, kKeep},
      {"sigj", &DesignState::sigj, kKeep},
      {"fEa", &DesignState::fEa, kKeep},
      {"eta", &DesignState::eta, kKeep},
      {"gM", &DesignState::gM, Variant(1.15)},
      {"UFperm", &DesignState::UFperm, kKeep},
      {"UFshell", &DesignState::UFshell, kKeep},
      {"UFpermShell", &DesignState::UFpermShell, kKeep},
      {"UFpermst", &DesignState::UFpermst, kKeep},
      {"UFst", &DesignState::UFst, kKeep},
      {"UF1", &DesignState::UF1, kKeep},
      {"UF2", &DesignState::UF2, kKeep},
      {"Areq", &DesignState::Areq, kKeep},
      {"UFarea", &DesignState::UFarea, kKeep},
      {"leg", &DesignState::leg, kKeep},
      {"delta0", &DesignState::delta0, kKeep},
      {"Ix", &DesignState::Ix, kKeep},
      {"Ixh", &DesignState::Ixh, kKeep},
      {"Ih", &DesignState::Ih, kKeep},
      {"IR", &DesignState::IR, kKeep},
      // report layout
      {"rrows", &DesignState::rrows, kKeep},
      {"xmargin", &DesignState::xmargin, kKeep},
  };
  return vars;
}

const std::vector<SingleVar>& SingleVars() {
  static const std::vector<SingleVar> vars = {
      {"cylr", &DesignState::cylr, 3333.0f},
      {"ringlt", &DesignState::ringlt, 600.0f},
      {"Sigy", &DesignState::Sigy, -10.0f},
      {"Tau", &DesignState::Tau, 40.0f},
      {"pd", &DesignState::pd, -0.3f},
      {"M2b", &DesignState::M2b, 100.0f},
      {"k2", &DesignState::k2, 1.0f},
      {"emod", &DesignState::emod, 210000.0f},
      {"tmat", &DesignState::tmat, 12.0f},
      {"tfs", &DesignState::tfs, 12.0f},
      {"tfg", &DesignState::tfg, 12.0f},
      {"stifflb_tf", &DesignState::stifflb_tf, 12.0f},
      {"stifftb_tf", &DesignState::stifftb_tf, 12.0f},
      {"stifffb_tw", &DesignState::stifffb_tw, 10.0f},
      {"stiffrhs_tw", &DesignState::stiffrhs_tw, 9.0f},
      {"stiffusp_tw", &DesignState::stiffusp_tw, 9.0f},
      {"stiffib_tf", &DesignState::stiffib_tf, 12.0f},
      {"girdlb_tf", &DesignState::girdlb_tf, 12.0f},
      {"girdtb_tf", &DesignState::girdtb_tf, 12.0f},
      {"girdfb_tw", &DesignState::girdfb_tw, 9.0f},
      {"girdrhs_tw", &DesignState::girdrhs_tw, 9.0f},
      {"girdusp_tw", &DesignState::girdusp_tw, 9.0f},
      {"girdib_tf", &DesignState::girdib_tf, 12.0f},
      {"beta", &DesignState::beta, 1.0f},
      {"Afs", &DesignState::Afs, kKeep},
      {"Afg", &DesignState::Afg, kKeep},
      {"Izg", &DesignState::Izg, kKeep},
      {"rf", &DesignState::rf, kKeep},
      {"fTors", &DesignState::fTors, kKeep},
      {"sm", &DesignState::sm, kKeep},
      {"fEh", &DesignState::fEh, kKeep},
      {"lamdas", &DesignState::lamdas, kKeep},
      {"fks", &DesignState::fks, kKeep},
      {"Isef", &DesignState::Isef, kKeep},
      {"les", &DesignState::les, kKeep},
      {"shR", &DesignState::shR, kKeep},
      {"UFinertia", &DesignState::UFinertia, kKeep},
      {"pratio", &DesignState::pratio, kKeep},
      {"rfont", &DesignState::rfont, kKeep},
      {"xeq", &DesignState::xeq, kKeep},
      {"xpic", &DesignState::xpic, kKeep},
      {"xpicend", &DesignState::xpicend, kKeep},
      {"ytop", &DesignState::ytop, kKeep},
  };
  return vars;
}

// Running positions and report columns: none has a default.
const std::vector<DoubleVar>& DoubleVars() {
  static const std::vector<DoubleVar> vars = {
      {"ypos", &DesignState::ypos},     {"xhead", &DesignState::xhead},
      {"xeq2", &DesignState::xeq2},     {"xval2", &DesignState::xval2},
      {"xmat", &DesignState::xmat},     {"xlab", &DesignState::xlab},
      {"xval", &DesignState::xval},     {"xrule", &DesignState::xrule},
      {"xshift", &DesignState::xshift},
  };
  return vars;
}

const std::vector<Int16Var>& Int16Vars() {
  static const std::vector<Int16Var> vars = {
      {"fileverin", &DesignState::fileverin, kKeep},
      {"cyltype", &DesignState::cyltype, 2},
      {"lrfd", &DesignState::lrfd, 0},
      {"ring", &DesignState::ring, 1},
      {"hring", &DesignState::hring, 0},
      {"outside", &DesignState::outside, 0},
      {"ih", &DesignState::ih, 0},
      {"ringfab", &DesignState::ringfab, 0},
      {"odmom", &DesignState::odmom, 0},
      {"stiffnote", &DesignState::stiffnote, 1},
      {"extraopt", &DesignState::extraopt, 0},
      {"matp", &DesignState::matp, 2},
      {"mats", &DesignState::mats, 2},
      {"matg", &DesignState::matg, 2},
      {"stifftype", &DesignState::stifftype, 0},
      {"ringtype", &DesignState::ringtype, 2},
      {"stifflidx", &DesignState::stifflidx, 0},
      {"stifftidx", &DesignState::stifftidx, 0},
      {"stifffidx", &DesignState::stifffidx, 0},
      {"stiffhpidx", &DesignState::stiffhpidx, 0},
      {"girdlidx", &DesignState::girdlidx, kKeep},
      {"girdtidx", &DesignState::girdtidx, kKeep},
      {"girdfidx", &DesignState::girdfidx, kKeep},
      {"girdhpidx", &DesignState::girdhpidx, kKeep},
      {"rcols", &DesignState::rcols, kKeep},
  };
  return vars;
}

const std::vector<TextVar>& TextVars() {
  static const std::vector<TextVar> vars = {
      {"apppath", &DesignState::apppath, kKeep},
      {"lastdir", &DesignState::lastdir, kKeep},
      {"filename", &DesignState::filename, std::string("New File")},
      {"proj", &DesignState::proj, std::string("Project")},
      {"ident", &DesignState::ident, std::string("Test")},
  };
  return vars;
}

// Gives every variable of the tables (and the arrays and tables beside them)
// a value no default has, of a kind no default stores.
void Poison(DesignState& ds, Window* window) {
  const Variant poison(-7777.25);
  for (const auto& v : VariantVars()) ds.*v.member = poison;
  for (const auto& v : SingleVars()) ds.*v.member = -7777.25f;
  for (const auto& v : DoubleVars()) ds.*v.member = -7777.25;
  for (const auto& v : Int16Vars()) ds.*v.member = -777;
  for (const auto& v : TextVars()) ds.*v.member = "poison";
  ds.titlecolor = -777;
  ds.mainfrm = window;
  ds.stiffclass.fill("poison");
  ds.girdclass.fill("poison");
  for (ResultTable* t : {&ds.shellTable, &ds.stiffTable, &ds.ringTable}) {
    t->txt.fill("poison");
    t->val.fill("poison");
    t->unit.fill("poison");
    t->last = 13;
  }
  ds.lprof.cell[0][1] = 777.0f;
  ds.lprof.last = 7;
  ds.mat.matname[0] = "poison";
  ds.mat.mattab[0][1] = 777.0f;
  ds.mat.matlast = 7;
}

// SetDefaults writes exactly the new-project values: each listed variable
// gets its value in its kind, every other variable keeps what it held.
TEST(SetDefaults, WritesExactlyTheListedVariables) {
  DesignState ds;
  NullWindow window;
  Poison(ds, &window);
  SetDefaults(ds);

  int defaulted = 0;
  const Variant poison(-7777.25);
  for (const auto& v : VariantVars()) {
    SCOPED_TRACE(v.name);
    const Variant& got = ds.*v.member;
    if (v.def) {
      ++defaulted;
      EXPECT_EQ(got.kind(), v.def->kind());
      EXPECT_EQ(got.value(), v.def->value());
    } else {
      EXPECT_TRUE(got.SameAs(poison)) << got.value();
    }
  }
  for (const auto& v : SingleVars()) {
    SCOPED_TRACE(v.name);
    if (v.def) ++defaulted;
    EXPECT_EQ(ds.*v.member, v.def.value_or(-7777.25f));
  }
  for (const auto& v : DoubleVars()) {
    EXPECT_EQ(ds.*v.member, -7777.25) << v.name;
  }
  for (const auto& v : Int16Vars()) {
    SCOPED_TRACE(v.name);
    if (v.def) ++defaulted;
    EXPECT_EQ(ds.*v.member, v.def.value_or(std::int16_t{-777}));
  }
  for (const auto& v : TextVars()) {
    SCOPED_TRACE(v.name);
    if (v.def) ++defaulted;
    EXPECT_EQ(ds.*v.member, v.def.value_or("poison"));
  }
  EXPECT_EQ(ds.titlecolor, 0 + 85 * 256 + 152 * 65536);  // RGB(0, 85, 152)
  ++defaulted;
  // 5 program and identification values, 20 codes and options, 22
  // material, geometry and load values, 27 stiffener and 27 ring-frame
  // profile dimensions.
  EXPECT_EQ(defaulted, 5 + 20 + 22 + 27 + 27);

  // Arrays, tables and the window reference are not touched.
  EXPECT_EQ(ds.mainfrm, &window);
  EXPECT_EQ(ds.stiffclass[1], "poison");
  EXPECT_EQ(ds.girdclass[4], "poison");
  for (const ResultTable* t : {&ds.shellTable, &ds.stiffTable, &ds.ringTable}) {
    EXPECT_EQ(t->txt[0], "poison");
    EXPECT_EQ(t->val[15], "poison");
    EXPECT_EQ(t->unit[7], "poison");
    EXPECT_EQ(t->last, 13);
  }
  EXPECT_EQ(ds.lprof.last, 7);
  EXPECT_EQ(ds.lprof.cell[0][1], 777.0f);
  EXPECT_EQ(ds.mat.matlast, 7);
  EXPECT_EQ(ds.mat.matname[0], "poison");
  EXPECT_EQ(ds.mat.mattab[0][1], 777.0f);
}

// At program start, before the defaults, every number is 0, every text
// empty, every variant empty and every table without rows written.
TEST(DesignState, EveryVariableStartsAtZeroOrEmpty) {
  const DesignState ds;
  for (const auto& v : VariantVars()) {
    EXPECT_TRUE((ds.*v.member).empty()) << v.name;
    EXPECT_EQ((ds.*v.member).value(), 0.0) << v.name;
  }
  for (const auto& v : SingleVars()) EXPECT_EQ(ds.*v.member, 0.0f) << v.name;
  for (const auto& v : DoubleVars()) EXPECT_EQ(ds.*v.member, 0.0) << v.name;
  for (const auto& v : Int16Vars()) EXPECT_EQ(ds.*v.member, 0) << v.name;
  for (const auto& v : TextVars()) EXPECT_EQ(ds.*v.member, "") << v.name;
  EXPECT_EQ(ds.titlecolor, 0);
  EXPECT_EQ(ds.mainfrm, nullptr);
  for (const ResultTable* t : {&ds.shellTable, &ds.stiffTable, &ds.ringTable}) {
    EXPECT_EQ(t->last, 0);
    for (int i = 0; i < ResultTable::kRows; ++i) {
      EXPECT_EQ(t->txt[i], "");
      EXPECT_EQ(t->val[i], "");
      EXPECT_EQ(t->unit[i], "");
    }
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(ds.stiffclass[i], "");
    EXPECT_EQ(ds.girdclass[i], "");
  }
}

}  // namespace
}  // namespace tamrel
