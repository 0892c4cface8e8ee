// Profiles whose shape cannot exist (a flange thicker than the profile is
// high, so no web height; an area not above zero): every local-buckling line
// reads NOK and every usage factor that uses the section is undefined, shown
// "n/a" in red. The dimensions themselves are ones the section dialogs accept.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/built_up_sets.h"
#include "calc/checks.h"
#include "calc/recording_surface.h"
#include "calc/result_tables.h"
#include "calc/sections.h"
#include "calc_fixture.h"
#include "fake_window.h"
#include "recorded_project.h"

namespace tamrel {
namespace {

using testing::BuiltUpSet;
using testing::FakeWindow;
using testing::Project;
using testing::Recorded;
using testing::RingSets;
using testing::SetRowValues;
using testing::StiffenerSets;

// The coloured texts of a picture (the usage factors), in the order drawn.
std::vector<RecordingSurface::Text> Coloured(const RecordingSurface& s) {
  std::vector<RecordingSurface::Text> out;
  for (const auto& t : s.Visible()) {
    if (t.colour != Colour::Black) out.push_back(t);
  }
  return out;
}

void ExpectUndefinedRed(const RecordingSurface::Text& t, const char* what) {
  EXPECT_EQ(t.text, "n/a") << what;
  EXPECT_EQ(t.colour, Colour::Red) << what;
}

void ExpectAllNok(const std::array<std::string, 6>& lines, const std::vector<int>& which) {
  for (int i : which) {
    EXPECT_NE(lines[static_cast<std::size_t>(i)].find("==> NOK"), std::string::npos)
        << lines[static_cast<std::size_t>(i)];
  }
}

// Built-up and table ring frames, each a shape the dialogs (or an edited
// profile table) let through: H x B x tw x tf.
struct RingCase {
  const char* name;
  std::int16_t type;
  std::function<void(DesignState&)> set;
  std::vector<int> lines;  // local-buckling lines the type writes
};

const RingCase kRingCases[] = {
    {"T built-up 100 x 5 x 30 x 150 (area -750)",
     kTBuiltUp,
     [](DesignState& ds) {
       ds.girdtb_h = Variant::Int(100);
       ds.girdtb_b = Variant::Int(5);
       ds.girdtb_tw = Variant::Int(30);
       ds.girdtb_tf = 150.0f;
     },
     {1, 2, 3, 4}},
    {"L built-up 100 x 90 x 10 x 120 (area above zero, no web)",
     kLBuiltUp,
     [](DesignState& ds) {
       ds.girdlb_h = Variant::Int(100);
       ds.girdlb_b = Variant::Int(90);
       ds.girdlb_tw = Variant::Int(10);
       ds.girdlb_tf = 120.0f;
     },
     {1, 2, 3, 4}},
    {"I built-up 100 x 90 x 10 x 60 (two flanges higher than the profile)",
     kIBuiltUp,
     [](DesignState& ds) {
       ds.girdib_h = Variant::Int(100);
       ds.girdib_b = Variant::Int(90);
       ds.girdib_tw = Variant::Int(10);
       ds.girdib_tf = 60.0f;
     },
     {1, 2, 3, 4}},
    {"I built-up with the web height exactly zero",
     kIBuiltUp,
     [](DesignState& ds) {
       ds.girdib_h = Variant::Int(100);
       ds.girdib_tf = 50.0f;
     },
     {1, 2, 3, 4}},
    {"RHS 20 x 90 x 12 (walls thicker than half the height)",
     kRHS,
     [](DesignState& ds) {
       ds.girdrhs_h = Variant::Int(20);
       ds.girdrhs_b = Variant::Int(90);
       ds.girdrhs_tw = 12.0f;
     },
     {}},
    {"RHS 200 x 0 x 30 (no width)",
     kRHS,
     [](DesignState& ds) {
       ds.girdrhs_h = Variant::Int(200);
       ds.girdrhs_b = Variant::Int(0);
       ds.girdrhs_tw = 30.0f;
     },
     {}},
    {"trapezoid of width -10",
     kTrapezProfile,
     [](DesignState& ds) { ds.girdusp_b = Variant::Int(-10); },
     {}},
    {"T table row 100 x 5 x 30 x 150",
     kTTable,
     [](DesignState& ds) {
       SetRowValues(ds.tprof, 1, {100, 5, 30, 150});
       ds.girdtidx = 1;
     },
     {1, 2, 3, 4}},
    {"L table row 100 x 0 x 10 x 12 (no flange width)",
     kLTable,
     [](DesignState& ds) {
       SetRowValues(ds.lprof, 1, {100, 0, 10, 12});
       ds.girdlidx = 1;
     },
     {1, 2, 3, 4}},
    {"L table row 100 x 90 x 10 x 120",
     kLTable,
     [](DesignState& ds) {
       SetRowValues(ds.lprof, 1, {100, 90, 10, 120});
       ds.girdlidx = 1;
     },
     {1, 2, 3, 4}},
};

TEST(DegenerateProfiles, RingFrameUsageFactorsAreUndefined) {
  for (const auto& c : kRingCases) {
    SCOPED_TRACE(c.name);
    // Stringer stiffened with ring-frame control and the heavy ring frame.
    DesignState state = Project(kStringerStiffened);
    state.ring = 1;
    state.hring = 1;
    state.ringtype = c.type;
    c.set(state);
    Recorded r(state);
    const DesignState& ds = r.ds;
    EXPECT_TRUE(ds.girddegenerate);
    ExpectAllNok(ds.girdclass, c.lines);
    EXPECT_TRUE(std::isnan(ds.UFarea.value())) << ds.UFarea.value();
    EXPECT_TRUE(std::isnan(ds.UFinertia)) << ds.UFinertia;
    EXPECT_EQ(ds.ringTable.val[2], "n/a");
    EXPECT_EQ(ds.ringTable.val[11], "n/a");
    EXPECT_NE(ds.ringTable.txt[12].find(">= n/a "), std::string::npos) << ds.ringTable.txt[12];
    const auto ring = Coloured(r.ring);
    ASSERT_EQ(ring.size(), 2U);
    ExpectUndefinedRed(ring[0], "area");
    ExpectUndefinedRed(ring[1], "inertia");
    // The shell and the stiffener do not use the ring frame here.
    EXPECT_TRUE(std::isfinite(ds.UFshell.value()));
    EXPECT_TRUE(std::isfinite(ds.UFst.value()));
    EXPECT_NE(Coloured(r.shell).at(0).text, "n/a");
    EXPECT_NE(Coloured(r.stiff).at(0).text, "n/a");
    EXPECT_FALSE(ds.stiffdegenerate);
  }
}

// Rings of a ring-stiffened cylinder carry part of the pressure: the shell's
// usage factor uses the ring frame's area, with and without ring control.
TEST(DegenerateProfiles, RingStiffenedShellUsesTheRingFrame) {
  for (const auto& c : kRingCases) {
    for (std::int16_t ring : {std::int16_t{0}, std::int16_t{1}}) {
      SCOPED_TRACE(std::string(c.name) + ", ring control " + std::to_string(ring));
      DesignState state = Project(kRingStiffened);
      state.ring = ring;
      state.ringtype = c.type;
      c.set(state);
      Recorded r(state);
      EXPECT_TRUE(std::isnan(r.ds.UFshell.value())) << r.ds.UFshell.value();
      EXPECT_EQ(r.ds.shellTable.val[10], "n/a");
      ExpectUndefinedRed(Coloured(r.shell).at(0), "shell");
    }
  }
  // The same ring frame does not touch the shell of a stringer-stiffened
  // cylinder, nor the unstiffened cylinder's.
  for (std::int16_t type : {kCylinder, kStringerStiffened}) {
    DesignState state = Project(type);
    state.ringtype = kTBuiltUp;
    kRingCases[0].set(state);
    Recorded r(state);
    EXPECT_TRUE(std::isfinite(r.ds.UFshell.value())) << type;
  }
}

struct StiffenerCase {
  const char* name;
  std::int16_t type;
  std::function<void(DesignState&)> set;
  std::vector<int> lines;
};

const StiffenerCase kStiffenerCases[] = {
    {"T built-up 100 x 5 x 30 x 150",
     kTBuiltUp,
     [](DesignState& ds) {
       ds.stifftb_h = Variant::Int(100);
       ds.stifftb_b = Variant::Int(5);
       ds.stifftb_tw = Variant::Int(30);
       ds.stifftb_tf = 150.0f;
     },
     {1, 2}},
    {"L built-up 100 x 90 x 10 x 120",
     kLBuiltUp,
     [](DesignState& ds) {
       ds.stifflb_h = Variant::Int(100);
       ds.stifflb_b = Variant::Int(90);
       ds.stifflb_tw = Variant::Int(10);
       ds.stifflb_tf = 120.0f;
     },
     {1, 2}},
    {"I built-up 100 x 90 x 10 x 60",
     kIBuiltUp,
     [](DesignState& ds) {
       ds.stiffib_h = Variant::Int(100);
       ds.stiffib_b = Variant::Int(90);
       ds.stiffib_tw = Variant::Int(10);
       ds.stiffib_tf = 60.0f;
     },
     {1, 2}},
    {"trapezoid of wall thicker than its height",
     kTrapezProfile,
     [](DesignState& ds) {
       ds.stiffusp_h = Variant::Int(10);
       ds.stiffusp_b = Variant::Int(90);
       ds.stiffusp_a = Variant::Int(20);
       ds.stiffusp_tw = 12.0f;
     },
     {}},
    {"RHS 200 x 0 x 10 (no width)",
     kRHS,
     [](DesignState& ds) {
       ds.stiffrhs_h = Variant::Int(200);
       ds.stiffrhs_b = Variant::Int(0);
       ds.stiffrhs_tw = 10.0f;
     },
     {}},
    {"trapezoid of width -10",
     kTrapezProfile,
     [](DesignState& ds) { ds.stiffusp_b = Variant::Int(-10); },
     {}},
    {"L table row 100 x 90 x 10 x 120",
     kLTable,
     [](DesignState& ds) {
       SetRowValues(ds.lprof, 1, {100, 90, 10, 120});
       ds.stifflidx = 1;
     },
     {1, 2}},
    {"T table row 100 x 5 x 30 x 150",
     kTTable,
     [](DesignState& ds) {
       SetRowValues(ds.tprof, 1, {100, 5, 30, 150});
       ds.stifftidx = 1;
     },
     {1, 2}},
};

// The stiffener's own usage factor, and the ring frames' inertia requirement
// that counts the stringers' area under axial compression.
TEST(DegenerateProfiles, StiffenerUsageFactorsAreUndefined) {
  for (const auto& c : kStiffenerCases) {
    SCOPED_TRACE(c.name);
    DesignState state = Project(kStringerStiffened);
    state.ring = 1;
    state.hring = 1;
    state.stifftype = c.type;
    c.set(state);
    Recorded r(state);
    const DesignState& ds = r.ds;
    EXPECT_TRUE(ds.stiffdegenerate);
    ExpectAllNok(ds.stiffclass, c.lines);
    EXPECT_TRUE(std::isnan(ds.UFst.value())) << ds.UFst.value();
    EXPECT_EQ(ds.stiffTable.val[13], "n/a");
    ExpectUndefinedRed(Coloured(r.stiff).at(0), "stiffener");
    // Sigx < 0: the stringers' area enters Ix.
    EXPECT_TRUE(std::isnan(ds.UFinertia));
    EXPECT_NE(ds.ringTable.txt[12].find(">= n/a "), std::string::npos) << ds.ringTable.txt[12];
    const auto ring = Coloured(r.ring);
    ASSERT_EQ(ring.size(), 2U);
    EXPECT_NE(ring[0].text, "n/a");  // the area requirement has no stringers
    ExpectUndefinedRed(ring[1], "inertia");
    EXPECT_TRUE(std::isfinite(ds.UFshell.value()));
  }
  // Without axial compression the stringers' area does not enter.
  DesignState state = Project(kStringerStiffened);
  state.stifftype = kTBuiltUp;
  kStiffenerCases[0].set(state);
  state.Sigx = Variant::Int(50);
  Recorded r(state);
  EXPECT_TRUE(std::isnan(r.ds.UFst.value()));
  EXPECT_TRUE(std::isfinite(r.ds.UFinertia));
}

// A grid of L, T and I built-up sets, every value one the dialogs accept
// (H, B >= 5; tw, tf >= 0.1), for both members: wherever the web height or
// the area is not above zero, every line reads NOK and the member's usage
// factors are red "n/a"; nowhere is a negative usage factor drawn green.
TEST(DegenerateProfiles, GridOfBuiltUpShapesTheDialogsAccept) {
  const double heights[] = {5, 40, 100, 300};
  const double widths[] = {5, 90};
  const float webs[] = {0.1f, 10, 30};
  const float flanges[] = {0.1f, 12, 60, 150};
  int degenerate = 0, sound = 0;
  for (std::int16_t type : {kLBuiltUp, kTBuiltUp, kIBuiltUp}) {
    for (bool ringFrame : {false, true}) {
      for (double H : heights) {
        for (double B : widths) {
          for (float tw : webs) {
            for (float tf : flanges) {
              SCOPED_TRACE((ringFrame ? "ring " : "stiffener ") + std::to_string(type) + ": " +
                           std::to_string(H) + " x " + std::to_string(B) + " x " +
                           std::to_string(tw) + " x " + std::to_string(tf));
              DesignState state = Project(kStringerStiffened);
              state.ring = 1;
              // The member's remembered set of this type: H, B, tw, then tf.
              const auto& sets = ringFrame ? RingSets() : StiffenerSets();
              const auto set = std::find_if(sets.begin(), sets.end(),
                                            [&](const BuiltUpSet& s) { return s.type == type; });
              ASSERT_NE(set, sets.end());
              state.*set->variants[0] = static_cast<float>(H);
              state.*set->variants[1] = static_cast<float>(B);
              state.*set->variants[2] = tw;
              state.*set->last = tf;
              (ringFrame ? state.ringtype : state.stifftype) = type;
              Recorded r(state);
              const DesignState& ds = r.ds;
              const double hw = H - (type == kIBuiltUp ? 2.0 : 1.0) * tf;
              const double A = ringFrame ? ds.Ag.value() : ds.As.value();
              const bool impossible = !(hw > 0) || !(A > 0);
              EXPECT_EQ(ringFrame ? ds.girddegenerate : ds.stiffdegenerate, impossible);
              for (const auto* pic : {&r.shell, &r.stiff, &r.ring}) {
                for (const auto& t : Coloured(*pic)) {
                  if (t.colour == Colour::Green) {
                    EXPECT_EQ(t.text.find('-'), std::string::npos) << t.text;
                  }
                }
              }
              if (!impossible) {
                ++sound;
                continue;
              }
              ++degenerate;
              if (ringFrame) {
                ExpectAllNok(ds.girdclass, {1, 2, 3, 4});
                const auto ring = Coloured(r.ring);
                ASSERT_EQ(ring.size(), 2U);
                ExpectUndefinedRed(ring[0], "area");
                ExpectUndefinedRed(ring[1], "inertia");
              } else {
                ExpectAllNok(ds.stiffclass, {1, 2});
                ExpectUndefinedRed(Coloured(r.stiff).at(0), "stiffener");
              }
            }
          }
        }
      }
    }
  }
  // The grid holds both kinds.
  EXPECT_GT(degenerate, 50);
  EXPECT_GT(sound, 50);
}

// ---- One rule for every result-table row ----
//
// A member whose section cannot exist has no section: a row worked out from
// its area, inertia, neutral-axis radii, tip distance, torsional strength or
// effective width reads "n/a"; every other row is drawn as computed, so it
// reads the same as with a sound profile of the same type. Each case names
// the rows that must read "n/a"; all others must equal the sound run's.

enum class Tab { Shell, Stiff, Ring };

struct RuleCase {
  const char* name;
  std::int16_t cyltype;
  bool ringMember;                         // the degenerate member
  std::function<void(DesignState&)> load;  // loads and options
  std::vector<int> shellNa, stiffNa, ringNa;
  bool heavyNa;  // the heavy ring frame's line (row 12 label) reads n/a
};

void Compression(DesignState&) {}  // the defaults: Sigx -100, pd -0.3, Tau 40
void Tension(DesignState& ds) {
  ds.Sigx = Variant::Int(50);
  ds.Tau = 0.0f;
  ds.pd = 0.2f;
}

const std::vector<int> kStiffAll = {1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13};  // all but SighSd, gm
const std::vector<int> kRingUnderLoads = {2, 5, 6, 7, 8, 9, 10, 11};      // all but le

const RuleCase kRuleCases[] = {
    {"stringer, stiffener, compression",
     kStringerStiffened,
     false,
     Compression,
     {},
     kStiffAll,
     {6, 9, 11},
     true},
    // se = s under tension reads no section; the stringers' area leaves Ix.
    {"stringer, stiffener, tension",
     kStringerStiffened,
     false,
     Tension,
     {},
     {2, 3, 4, 5, 6, 8, 9, 10, 12, 13},
     {},
     false},
    {"stringer, ring frame, compression",
     kStringerStiffened,
     true,
     Compression,
     {},
     {},
     kRingUnderLoads,
     true},
    // No axial compression, shear or external pressure: Ix = Ixh = Ih = 0
    // read no section, and so IR and the heavy ring frame's Ihr = 0.
    {"stringer, ring frame, tension",
     kStringerStiffened,
     true,
     Tension,
     {},
     {},
     {2, 5, 10, 11},
     false},
    // The ring frames carry part of the hoop stress of a ring-stiffened
    // shell: its rows from SighSd on read the ring area, gm follows the
    // slenderness; fEa, fEh and fEtau read none.
    {"ring stiffened, ring frame, LRFD",
     kRingStiffened,
     true,
     Compression,
     {4, 5, 6, 7, 8, 9, 10},
     {},
     kRingUnderLoads,
     true},
    {"unstiffened, ring frame", kCylinder, true, Compression, {}, {}, kRingUnderLoads, true},
    // A column carries no shear: Ixh = 0 reads no section.
    {"column, ring frame",
     kColumnBuckling,
     true,
     Compression,
     {},
     {},
     {2, 5, 6, 8, 9, 10, 11},
     true},
};

const ResultTable& TableOf(const DesignState& ds, Tab t) {
  return t == Tab::Shell ? ds.shellTable : (t == Tab::Stiff ? ds.stiffTable : ds.ringTable);
}

TEST(DegenerateProfiles, EveryResultRowFollowsTheOneRule) {
  for (const RuleCase& c : kRuleCases) {
    SCOPED_TRACE(c.name);
    // An RHS of no width: every other dimension sound.
    auto project = [&](double width) {
      DesignState ds = Project(c.cyltype);
      ds.ring = 1;
      ds.hring = 1;
      ds.stifftype = kRHS;
      ds.ringtype = kRHS;
      ds.stiffrhs_h = Variant::Int(200);
      ds.stiffrhs_tw = 10.0f;
      ds.girdrhs_h = Variant::Int(200);
      ds.girdrhs_tw = 30.0f;
      ds.stiffrhs_b = Variant::Int(90);
      ds.girdrhs_b = Variant::Int(90);
      (c.ringMember ? ds.girdrhs_b : ds.stiffrhs_b) = static_cast<float>(width);
      c.load(ds);
      return ds;
    };
    Recorded sound(project(90));
    Recorded none(project(0));
    ASSERT_FALSE(sound.ds.stiffdegenerate || sound.ds.girddegenerate);
    EXPECT_TRUE(c.ringMember ? none.ds.girddegenerate : none.ds.stiffdegenerate);
    for (Tab t : {Tab::Shell, Tab::Stiff, Tab::Ring}) {
      const bool stiffenerTable = t == Tab::Stiff && c.cyltype == kStringerStiffened;
      if (t == Tab::Stiff && !stiffenerTable) continue;  // the column table reads no profile
      const std::vector<int>& na =
          t == Tab::Shell ? c.shellNa : (t == Tab::Stiff ? c.stiffNa : c.ringNa);
      const ResultTable& a = TableOf(sound.ds, t);
      const ResultTable& b = TableOf(none.ds, t);
      ASSERT_EQ(a.last, b.last);
      for (int row = 1; row <= b.last; ++row) {
        SCOPED_TRACE("table " + std::to_string(static_cast<int>(t)) + " row " +
                     std::to_string(row) + " " + b.txt[static_cast<std::size_t>(row)]);
        const auto i = static_cast<std::size_t>(row);
        if (t == Tab::Ring && row == 12) {
          EXPECT_EQ(b.txt[i].find("n/a") != std::string::npos, c.heavyNa) << b.txt[i];
          if (!c.heavyNa) {
            EXPECT_EQ(b.txt[i], a.txt[i]);
          }
          continue;
        }
        if (std::find(na.begin(), na.end(), row) != na.end()) {
          EXPECT_EQ(b.val[i], "n/a");
          EXPECT_NE(a.val[i], "n/a");  // the sound profile has a value there
        } else {
          EXPECT_EQ(b.val[i], a.val[i]);
          EXPECT_EQ(b.txt[i], a.txt[i]);
          EXPECT_EQ(b.unit[i], a.unit[i]);
        }
      }
    }
    // Every usage factor the degenerate member enters is red "n/a"; the
    // section properties shown in the dialogs stay as computed.
    const Variant& area = c.ringMember ? none.ds.Ag : none.ds.As;
    EXPECT_TRUE(std::isfinite(area.value()));
    for (const auto* pic : {&none.shell, &none.stiff, &none.ring}) {
      for (const auto& text : Coloured(*pic)) {
        if (text.text == "n/a") {
          EXPECT_EQ(text.colour, Colour::Red);
        }
      }
    }
  }
}

// The same RHS and trapezoid widths on the ring-stiffened shell under WSD:
// the permitted value follows the slenderness (beta), so it reads n/a too.
TEST(DegenerateProfiles, WsdPermittedValueFollowsTheSlenderness) {
  DesignState state = Project(kRingStiffened);
  state.lrfd = kWSD;
  state.ringtype = kTrapezProfile;
  state.girdusp_b = Variant::Int(-10);
  Recorded r(state);
  EXPECT_TRUE(r.ds.girddegenerate);
  EXPECT_EQ(r.ds.shellTable.val[8], "1.15");  // gm of WSD is fixed
  EXPECT_EQ(r.ds.shellTable.unit[10], " <= n/a");
  ExpectUndefinedRed(Coloured(r.shell).at(0), "shell");
}

// A profile type code that names no profile leaves the member without a
// section: no usage factor is worked out from what an earlier profile left.
TEST(DegenerateProfiles, AnUnknownProfileTypeHasNoSection) {
  DesignState state = Project(kStringerStiffened);
  state.stifftype = 12;
  state.ringtype = -1;
  Recorded r(state);
  EXPECT_TRUE(r.ds.stiffdegenerate);
  EXPECT_TRUE(r.ds.girddegenerate);
  EXPECT_TRUE(std::isnan(r.ds.UFst.value()));
  EXPECT_TRUE(std::isnan(r.ds.UFarea.value()));
  EXPECT_TRUE(std::isnan(r.ds.UFinertia));
}

// The boundary: a web height just above zero is a profile (odd, but one that
// exists), and the flag follows the last computation of the member.
TEST(DegenerateProfiles, JustAboveZeroWebHeightIsAProfile) {
  DesignState ds = Project(kStringerStiffened);
  ds.girdtb_h = Variant::Int(100);
  ds.girdtb_b = Variant::Int(90);
  ds.girdtb_tw = Variant::Int(10);
  ds.girdtb_tf = 99.9f;
  CalcRingSection(ds, kTBuiltUp);
  EXPECT_FALSE(ds.girddegenerate);
  EXPECT_GT(ds.Ag.value(), 0);
  ds.girdtb_tf = 100.0f;
  CalcRingSection(ds, kTBuiltUp);
  EXPECT_TRUE(ds.girddegenerate);
  ds.girdtb_tf = 12.0f;
  CalcRingSection(ds, kTBuiltUp);
  EXPECT_FALSE(ds.girddegenerate);
  // The profiles of the new project are all sound.
  for (std::int16_t type = 0; type <= 9; ++type) {
    DesignState fresh = Project(kStringerStiffened);
    CalcStiffSection(fresh, type);
    CalcRingSection(fresh, type);
    EXPECT_FALSE(fresh.stiffdegenerate) << type;
    EXPECT_FALSE(fresh.girddegenerate) << type;
  }
}

}  // namespace
}  // namespace tamrel
