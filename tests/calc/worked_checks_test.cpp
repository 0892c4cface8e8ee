// The verdicts of the shell, stiffener, column, panel-ring and heavy
// ring-frame checks and of the special calculation of Ih against values
// worked out by hand from DNV-RP-C202 (ch. 3.4.2, 3.6.3, 3.8, 3.5.2 and
// 3.5.2.7) for a few concrete design states. The chain of intermediate values is written out
// beside each state; the drawn rows and the usage factors must equal it.
//
// Working conventions: pi = 3.141593 and 2 pi = 6.283186 held in single
// precision; 1 - nu^2 = 0.91; [s] marks a value rounded to single precision
// where the design state or the clause holds it so, and later steps use the
// rounded value. Digits are those of the working, not of the program.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/checks.h"
#include "calc/recording_surface.h"
#include "calc_fixture.h"
#include "fake_window.h"
#include "recorded_project.h"

namespace tamrel {
namespace {

using testing::FakeWindow;
using testing::Project;
using testing::Recorded;

// One row as the table holds it.
struct Row {
  const char* label;
  const char* value;
  const char* unit;
};

// Rows 1..last of `t` equal `rows`, and each is drawn, in order, as its
// label, value and unit (for a usage-factor row of the ring table the unit
// is " <= " and the permitted value). `colours` gives, by row, the colour of
// each usage factor drawn; every other text is black.
void ExpectRows(const ResultTable& t, const char* title, const std::vector<Row>& rows,
                const RecordingSurface& surface, const std::vector<std::string>& drawnUnits,
                const std::vector<std::pair<int, Colour>>& colours) {
  ASSERT_EQ(t.last, static_cast<int>(rows.size()));
  EXPECT_EQ(t.txt[0], title);
  const auto drawn = surface.Rows();
  ASSERT_EQ(drawn.size(), rows.size() + 1);
  EXPECT_EQ(drawn[0].Joined(), title);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    SCOPED_TRACE("row " + std::to_string(n));
    const Row& row = rows[i];
    EXPECT_EQ(t.txt[n], row.label);
    EXPECT_EQ(t.val[n], row.value);
    EXPECT_EQ(t.unit[n], row.unit);
    const std::string unit = drawnUnits.empty() || drawnUnits[i].empty() ? row.unit : drawnUnits[i];
    EXPECT_EQ(drawn[i + 1].Joined(), std::string(row.label) + row.value + unit);
    Colour expected = Colour::Black;
    for (const auto& [r, c] : colours) {
      if (r == n) expected = c;
    }
    for (const auto& text : drawn[i + 1].texts) {
      EXPECT_STREQ(ColourName(text.colour),
                   ColourName(text.text == row.value ? expected : Colour::Black))
          << text.text;
    }
  }
}

void ExpectClose(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected));
}

// State A: the new-project defaults of the small fixture, stringer stiffened.
// t = 20, r = 3333, l = 3000, s = 600, L = 6000, E = 210000, Sigx = -100,
// Sigy = -10, Tau = 40, pd = -0.3 [s], fy = 355 for plate, stiffener and
// ring; LRFD, UF = 1. Stiffener: L-table row 0, L 100x50x6x6, lT = 3000.
// Ring frame: T-table row 0, T 100x100x5.6x8.5 (5.6 and 8.5 as singles),
// inside, lT = 600.
//
// Design stresses: Z = l^2/(r t) sqrt(0.91) = 128.7946717;
// le = 1.56 sqrt(r t) = 402.770128; shp = [s](pd r) / t = -49.99500122;
// sh = shp + Sigy = -59.99500122; sa = Sigx = -100.
//
// Curved panel (sp = s = 600): Zs = 5.151786866; fEa = 883.4454611,
// fEtau = 1171.657052, fEh = [s]235.790329; sigj = sqrt(100^2 - 100*60 +
// 60^2 + 3*40^2) (sh = -59.995) = 111.3548385; lamdas = [s]1.131751537;
// fks = [s]355 / sqrt(1 + lamdas^4) = 218.4623108; eta = sigj/fks = 0.5097210501.
//
// Stiffener section: hw = 94, Aw = 564, Af = 300, As = 864, zc = 64.36111111,
// Iy = 905775.3333, ef = 22, Iz = Af B^2/12 + ef^2 Af/(1 + Af/Aw) = 157283.3333.
// Torsion: G = E/2.6; Cr = (94/600)(20/6)^3 sqrt(1 - eta) = 4.062884372;
// beta = (3 Cr + 0.2)/(Cr + 0.2) = 2.906166819; fEt = [s]638.6217651;
// lamT = sqrt(355/fEt) = 0.7455766849; phi = [s]1 + 0.35 (lamT - 0.6) + lamT^2
// = 1.606836438; fT = 355 (phi - sqrt(phi^2 - 4 lamT^2)) / (2 lamT^2)
// = [s]321.9240723 (below fyp, no cap).
// Stiffener check: se = [s]s fks |Sigx| / sigj / fT = 365.6497192; with the
// plating: zna = 7.857165723, Ieff = 5422287.296, Isef = [s]5422287.5;
// sa = (Sigx t s + Sigx As)/(As + se t) = -157.3194183;
// gamma = 0.91 * 12 Isef / s / t^3 = 12.33570406;
// fEa = 394.3939052 (psi = (1 + gamma)/(1 + As/(se t)), xi = 0.702 Z, rho 0.5),
// fEtau = 385.7179416 (psi = 5.34 + 1.82 (l/s)^(4/3) gamma^(1/3)),
// fEh = 98.63001319 (psi = 2 (1 + sqrt(1 + gamma))), each K pi^2 E/12/0.91 (t/l)^2;
// sigj = sqrt(sa^2 - sa sh + sh^2 + 3 tau^2) = 153.9818848;
// lamdas = sqrt(fT/sigj (|sa|/fEa + |sh|/fEh + tau/fEtau)) = 1.523963437;
// fks = [s]fT / sqrt(1 + lamdas^4) = 127.3129272; gm = 1.15;
// fks/gm = 110.7068933, fksd = [s]110.7068939; UFst = sigj/fksd = 1.390896984.
//
// Panel ring: Areq = (2/Z^2 + 0.06) l t = 3607.234116;
// le = 1.56 sqrt(r t)/(1 + 12 t/r) = 375.7158793;
// ring section: hw = 91.5, Aw = 512.3999913, Af = 850, A = 1362.399991,
// zc = 76.94495029, Iy = 1161827.39, Iz = [s]708333.3125; with le:
// zna = 13.34432446, ztip = 96.65567554, I = 10130578.42, r0 = r - zna
// = 3319.655676; torsion (b = 402.770128): Cr = 7.246217955,
// fEt = [s]4714.11084, lamT = 0.2744 <= 0.6, so fT = fy = 355;
// alpha = [s]A/l/t = 0.02270666696; rf = r - t/2 - H = 3223;
// shR = [s]([s](pd r)/t - 0.3 Sigx)/[s](1 + alpha) r/rf + Sigy = -30.2183342
// (2 |shR| < fT: no raise); UFarea = Areq/A = 2.647705622;
// a = [s]As/s/t = 0.0719999969; Ix = 100 t [s](1 + a) r0^4/([s](500 E) l)
// = 826582.8628; Ixh = (40/E)^1.6 (r0/L)^0.2 L r0 t l = 1185029.094;
// delta0 = 16.665; Ih = [s](|pd| r) r0^2 l/[s](3E) (1.5 + [s](3E) ztip delta0
// / r0^2 / [s](fT/2 - |shR|)) = 111513875.3; IR = 113525487.2;
// UFinertia = [s]IR/I = 11.20621967.
TEST(WorkedChecks, StringerStiffenedDefaults) {
  Recorded d(Project(kStringerStiffened));
  const DesignState& ds = d.ds;

  ExpectRows(ds.stiffTable, "Stiffener Buckling: (Ch 3.6.3)",
             {
                 {"se =", "365.6", "  mm"},
                 {"Isef =", "5.422E+6", "  mm4"},
                 {"fEa =", "394.4", "  MPa"},
                 {"fEtau = ", "385.7", "  MPa"},
                 {"fEh = ", "98.6", "  MPa"},
                 {"fT = ", "321.9", "  MPa"},
                 {"SighSd = ", "-50.0", "  MPa (only lateral pressure)"},
                 {"SigjSd = ", "154.0", "  MPa "},
                 {"lamdas = ", "1.52", " "},
                 {"fks = ", "127.3", "  MPa"},
                 {"gm = ", "1.15", " "},
                 {"fksd = ", "110.7", "  MPa"},
                 {"UF = SigjSd/fksd = 154.0/110.7 = ", "1.39", " <= 1.00"},
             },
             d.stiff, {}, {{13, Colour::Red}});
  ExpectClose(ds.les, 365.6497192);
  ExpectClose(ds.Isef, 5422287.5);
  ExpectClose(ds.UFst.value(), 1.390896984);
  EXPECT_EQ(ds.UFpermst.value(), 1.0);

  ExpectRows(ds.ringTable, "Panel Ring Buckling: (Ch 3.5.2)",
             {
                 {"Area requirement:", "", ""},
                 {"UF = Areq/A = 3.607E+3/1.362E+3 = ", "2.65", "  "},
                 {"Moment of inertia requirement:", "", ""},
                 {"le =", "375.7", "  mm"},
                 {"fT = ", "355.0", "  MPa"},
                 {"Ix =", "8.266E+5", "  mm4  "},
                 {"Ixh =", "1.185E+6", "  mm4  "},
                 {"Ih =", "1.115E+8", "  mm4 (General calc, ref ch 3.5.2.6)"},
                 {"IR =", "1.135E+8", "  mm4"},
                 {"I =", "1.013E+7", "  mm4"},
                 {"UF = IR/I = 1.135E+8/1.013E+7 = ", "11.21", " "},
                 {" ", "", ""},
             },
             d.ring, {"", " <= 1.00", "", "", "", "", "", "", "", "", " <= 1.00", ""},
             {{2, Colour::Red}, {11, Colour::Red}});
  ExpectClose(ds.Areq.value(), 3607.234116);
  ExpectClose(ds.UFarea.value(), 2.647705622);
  ExpectClose(ds.Ix.value(), 826582.8628);
  ExpectClose(ds.Ixh.value(), 1185029.094);
  ExpectClose(ds.Ih.value(), 111513875.3);
  ExpectClose(ds.IR.value(), 113525487.2);
  ExpectClose(ds.Ieff.value(), 10130578.42);
  EXPECT_EQ(ds.UFinertia, 11.20621967f);
}

// State A with heavy ring-frame control on: the panel-ring formulas with the
// cylinder length L = 6000 in place of the ring spacing, on the r0, ztip,
// shR, fT and a of the panel-ring check above.
// Ix' = 100 t [s](1 + a) r0^4 / ([s](500 E) L) = 413291.4316 (half the Ix over l);
// Ixh' = (40/E)^1.6 (r0/L)^0.2 L r0 t L = 2370058.188 (L both times: twice the
// Ixh over l = 3000);
// delta0 = 0.005 r = 16.665; [s](fT/2 - |shR|) = 147.281662;
// 3E ztip delta0 / r0^2 / 147.281662 = 0.6252280763 (3E = [s]630000);
// Ih' = [s](|pd| r) r0^2 L / [s](3E) (1.5 + 0.6252280763) = 223027750.6
// ([s](|pd| r) = 999.9000244);
// Ihr = Ix' + Ixh' + Ih' = 225811100.2.
TEST(WorkedChecks, HeavyRingFrameOfTheStringerStiffenedDefaults) {
  DesignState state = Project(kStringerStiffened);
  state.hring = 1;
  Recorded d(std::move(state));
  const DesignState& ds = d.ds;

  EXPECT_EQ(ds.ringTable.last, 12);
  EXPECT_EQ(ds.ringTable.txt[12], "Heavy ringframe Ihr>= 2.258E+8  mm4");
  EXPECT_EQ(d.ring.VisibleTexts().back(), "Heavy ringframe Ihr>= 2.258E+8  mm4");
  EXPECT_EQ(ds.delta0.value(), 0.005 * 3333);
  EXPECT_EQ(ds.fTors, 355.0f);
  // The panel-ring rows keep their values.
  EXPECT_EQ(ds.ringTable.val[8], "1.115E+8");
  EXPECT_EQ(ds.ringTable.val[9], "1.135E+8");
}

// State A with the special calculation of Ih (ch. 3.5.2.7): from the general
// Ih = 111513875.3, Ih := 0.99 Ih pass by pass until the pressure ratio
// reaches 1. The terms that stay: A = 1362.399991, the design stresses' le =
// 402.770128, ztip = 96.65567554, delta0 = 16.665, rf = [s]3223, fT = 355 and
// gm = 1.15 (left by the stiffener check, the last to write it);
// alpha = A/le/t = 0.1691287283; ZL = L^2/r/t sqrt(0.91) = 515.1786866;
// C1 = 2 sqrt(1 + 0.27 ZL) = 23.67262093.
// Pass 1 (Ih = 110398736.5) gives pratio 0.3882243; pass 145 (Ih = 25967618.68)
// gives [s]0.9987165, still below 1. Pass 146, Ih = 0.99^146 Ih0 = 25707942.50:
// gamma = 10.92 Ih/l/t^3 = 11.69711384; ih2 = Ih/(A + le t) = 2729.717719;
// C2 = 2 (1 + gamma)/(1 + alpha) (sqrt(1 + 0.27 ZL/sqrt(1 + gamma))
// - gamma/(1 + gamma)) = 117.4258365 (not below C1, so mu counts);
// fE = C2 pi^2 E/12/0.91 (t/L)^2 = 247.6382037;
// mu = ztip delta0/ih2 rf/r l/le (1 - C1/C2) (1/0.85) = 3.992156123;
// lambda = sqrt(fT/fE) = 1.197306538; B = [s](1 + mu + lambda^2) = 6.425699234;
// fk = [s](B - sqrt(B^2 - 4 lambda^2)) fT/2/lambda^2 = 57.31104279;
// pdRd = [s]0.75 fk/gm t rf/r^2 (1 + alpha)/0.85 = 0.2983079553;
// pratio = [s]|pd/pdRd| = 1.005672216 >= 1: the passes end here.
// (With 10.9 or 10.95 for the constant of gamma the ratio would end on
// 1.0057110 or 1.0056143.)
// IR = Ix + Ixh + Ih = 826582.8628 + 1185029.094 + 25707942.50 = 27719554.45;
// UFinertia = [s]IR/I = [s]27719554.45/10130578.42 = 2.736226320.
TEST(WorkedChecks, SpecialCalculationOfIhOfTheStringerStiffenedDefaults) {
  DesignState state = Project(kStringerStiffened);
  state.ih = 1;
  Recorded d(std::move(state));
  const DesignState& ds = d.ds;

  EXPECT_NEAR(ds.Ih.value(), 25707942.50, 1e-8 * 25707942.50);
  EXPECT_NEAR(ds.pratio, 1.005672216f, 1e-6);
  EXPECT_NEAR(ds.IR.value(), 27719554.45, 1e-8 * 27719554.45);
  EXPECT_EQ(ds.UFinertia, 2.736226320f);
  const ResultTable& t = ds.ringTable;
  EXPECT_EQ(t.txt[8], "Ih =");
  EXPECT_EQ(t.val[8], "2.571E+7");
  EXPECT_EQ(t.unit[8], "  mm4 (Special Calc, ref ch 3.5.2.7)");
  EXPECT_EQ(t.val[9], "2.772E+7");
  EXPECT_EQ(t.val[10], "1.013E+7");
  EXPECT_EQ(t.txt[11], "UF = IR/I = 2.772E+7/1.013E+7 = ");
  EXPECT_EQ(t.val[11], "2.74");
  EXPECT_EQ(t.val[6], "8.266E+5");  // Ix and Ixh stay
  EXPECT_EQ(t.val[7], "1.185E+6");
}

// State D: the small fixture's defaults, unstiffened cylinder, under shear
// alone: Sigx = 0, Sigy = 0, pd = 0, Tau = -40 (its size counts).
// Design stresses: shp = sh = 0, sa = 0.
// Z = 128.7946717 (as state A); l/r = 0.90, below 3.85 sqrt(r/t) = 49.70 and
// 2.25 sqrt(r/t) = 29.05, so no long-cylinder strength.
// fEa = 262.6026206, fEh = [s]68.60842133 (coefficient formulas of ch. 3.4.2);
// shear: xi = 0.856 Z^0.75 = 32.72632107, C = 5.34 sqrt(1 + (0.6 xi/5.34)^2)
// = 20.34895459, fEtau = pi^2 C E/12/0.91 (t/l)^2 = 171.6548491
// (pi^2 = 9.869606448).
// tau0 = |Tau| = 40; sigj = sqrt(0^2 - 0 0 + 0^2 + 3 40^2) = 69.28203230;
// lamdas = [s]sqrt(fy/sigj tau0/fEtau) = [s]sqrt(5.124 0.2330258) = 1.092712283;
// fks = [s]fy/sqrt(1 + lamdas^4) = 227.9351196; lamdas > 1: gm = 1.45;
// fks/gm = 157.1966342, fksd = [s]157.1966400; UF = sigj/fksd = 0.4407348166.
TEST(WorkedChecks, UnstiffenedShellUnderShear) {
  DesignState state = Project(kCylinder);
  state.Sigx = Variant::Int(0);
  state.Sigy = 0.0f;
  state.pd = 0.0f;
  state.Tau = -40.0f;
  Recorded d(std::move(state));
  const DesignState& ds = d.ds;

  ExpectRows(ds.shellTable, "Shell Buckling: (Ch 3.4.2)",
             {
                 {"fEa = ", "262.6", "  MPa"},
                 {"fEh = ", "68.6", "  MPa"},
                 {"fEtau = ", "171.7", "  MPa"},
                 {"SighSd = ", "0.0", "  MPa (only lateral pressure)"},
                 {"SigjSd = ", "69.3", "  MPa "},
                 {"lamdas = ", "1.09", " "},
                 {"fks = ", "227.9", "  MPa"},
                 {"gm = ", "1.45", " "},
                 {"fksd = ", "157.2", "  MPa"},
                 {"UF = SigjSd/fksd = 69.3/157.2 = ", "0.44", " <= 1.00"},
             },
             d.shell, {}, {{10, Colour::Green}});
  ExpectClose(ds.sigj.value(), 69.28203230);
  EXPECT_EQ(ds.lamdas, 1.092712283f);
  EXPECT_EQ(ds.fks, 227.9351196f);
  ExpectClose(ds.gM.value(), 1.45);
  ExpectClose(ds.UFshell.value(), 0.4407348166);
}

// State C: the small fixture's defaults, ring stiffened, with the rings
// closer, l = 600 (so that the rings carry a good part of the hoop stress);
// the ring frame of state A.
//
// Design stresses: le = 402.770128, beta = l/le = 1.489683465,
// zeta = 2 (sinh b cos b + cosh b sin b)/(sinh 2b + sin 2b) = 0.500005063,
// alpha = (A/le)/t = 0.1691287283, pr/t = [s]([s](pd r)/t) = -49.995003;
// shp = pr/t - alpha zeta/(alpha + 1) (pr/t - 0.3 Sigx) = -48.54872761,
// sh = -58.54872761.
// Shell check (Z = 5.151786866): fEa = 336.6944597, fEtau = 1185.491141,
// fEh = [s]894.875; sigj = 111.2343506; lamdas = [s]1.124442458;
// fks = [s]220.2195282; eta = 0.5051066609.
// Panel ring: Areq = (2/Z^2 + 0.06) l t = 1624.264469; le = 375.7158793 and
// the section with it as in state A (I = 10130578.42, r0 = 3319.655676,
// ztip = 96.65567554); torsion (b = 402.770128): Cr = 7.280237938,
// fEt = [s]4714.17041, lamT = 0.2744 <= 0.6, fT = 355;
// alpha = [s]A/le/t = 0.1691287309; shR = -27.68618202;
// UFarea = 1.19220822; a = 0 (no stringers): Ix = 3855330.421;
// Ixh = 237005.8188; Ih = 22191875.59; IR = 26284211.83;
// UFinertia = [s]2.594542027.
TEST(WorkedChecks, RingStiffenedCloseRings) {
  DesignState state = Project(kRingStiffened);
  state.ringspacing = Variant::Int(600);
  Recorded d(std::move(state));
  const DesignState& ds = d.ds;

  ExpectClose(ds.shp.value(), -48.54872761);
  EXPECT_EQ(ds.shellTable.val[4], "-48.5");
  ExpectRows(ds.ringTable, "Panel Ring Buckling: (Ch 3.5.2)",
             {
                 {"Area requirement:", "", ""},
                 {"UF = Areq/A = 1.624E+3/1.362E+3 = ", "1.19", "  "},
                 {"Moment of inertia requirement:", "", ""},
                 {"le =", "375.7", "  mm"},
                 {"fT = ", "355.0", "  MPa"},
                 {"Ix =", "3.855E+6", "  mm4  "},
                 {"Ixh =", "2.370E+5", "  mm4  "},
                 {"Ih =", "2.219E+7", "  mm4 (General calc, ref ch 3.5.2.6)"},
                 {"IR =", "2.628E+7", "  mm4"},
                 {"I =", "1.013E+7", "  mm4"},
                 {"UF = IR/I = 2.628E+7/1.013E+7 = ", "2.59", " "},
                 {" ", "", ""},
             },
             d.ring, {"", " <= 1.00", "", "", "", "", "", "", "", "", " <= 1.00", ""},
             {{2, Colour::Red}, {11, Colour::Red}});
  ExpectClose(ds.Areq.value(), 1624.264469);
  ExpectClose(ds.UFarea.value(), 1.19220822);
  ExpectClose(ds.Ix.value(), 3855330.421);
  ExpectClose(ds.Ixh.value(), 237005.8188);
  ExpectClose(ds.Ih.value(), 22191875.59);
  ExpectClose(ds.IR.value(), 26284211.83);
  EXPECT_EQ(ds.UFinertia, 2.594542027f);
}

// State B: a column of r = 1000 [s], t = 12, L = l = 15000, E = 210000,
// fy = 355, N = -5000 kN, end moments M1a/M1b = 2000/-1000 kNm, M2a/M2b =
// 500/750 kNm, k1 = 2, k2 = 1, pd = -0.05 [s] (Sigy = Tau = 0), reduced
// moments (NORSOK Cm = 0.6 + 0.4 ratio), LRFD, UF = 1.
//
// Design stresses: shp = sh = [s](pd r)/t = -4.166666667;
// sa = Sigx = N/([s](2 pi r) t) 1000 = -66.31455194.
// Tube: A = 2 pi r t = 75398.23151, I = pi (2012^4 - 1988^4)/64
// = 3.770047292E+10, i = sqrt(I/A) = 707.119509, W = pi r^2 t = 37699115.75.
// End stresses M/W 1E6: 53.05164219/-26.5258211 and 13.26291055/19.89436582;
// ratios -0.5 and 0.6666666667; means 13.26291055 and 16.57863819;
// sm = (13.263 + 16.579)/sqrt(2) = 21.10116196, handed on as [s]-21.10116196.
// Shell check over l = 15000 (no long-cylinder case): Z = 17886.36003,
// fEa = 611.4525999, fEm = 674.6490173, fEh = [s]10.1489315;
// sigj = sqrt((sa + sm)^2 - (sa + sm) sh + sh^2) = 85.40864128;
// lamdas = [s]sqrt(fy/sigj (66.31/fEa + 21.10/fEm + 4.167/fEh)) = 1.512364745,
// so gm = 1.45.
// Cm1 = 0.4, Cm2 = 0.8666666667; sm1 = 21.22065688, sm2 = 17.24178371;
// M1Sd/M2Sd = 800/650 kNm.
// Local strength: a = 1 + fy^2/fEa^2 = 1.337078548, b = (2 fy^2/fEa/fEh - 1) sh
// = -165.0691739, c = sh^2 + fy^2 sh^2/fEh^2 - fy^2 = -104765.7281;
// fak = (b + sqrt(b^2 - 4ac))/(2a) = 224.9159484, fakd = 155.1144472.
// Axis 1: lamda = k L/pi/i sqrt(fak/E) = 0.4419559612, fkc = (1 - 0.28 lamda^2)
// fak = 212.6150658, fkcd = 146.6310799, fE = pi^2 E I/(k L)^2/A = 1151.495538.
// Axis 2: lamda = 0.2209779806, fkc = 221.8407278, fkcd = 152.9936054,
// fE = 4605.982152.
// Bending term (1/fakd) sqrt((sm1/(1 - sa0/fE1))^2 + (sm2/(1 - sa0/fE2))^2)
// = 0.1838271855; UF1 = sa0/fkcd1 + 0.18383 = 0.6360815916,
// UF2 = sa0/fkcd2 + 0.18383 = 0.6172737454.
TEST(WorkedChecks, Column) {
  DesignState state = Project(kColumnBuckling);
  state.cylr = 1000.0f;
  state.cylt = Variant::Int(12);
  state.cyll = Variant::Int(15000);
  state.ringspacing = Variant::Int(15000);
  state.k1 = 2.0;
  state.k2 = 1.0f;
  state.naxial = Variant::Int(-5000);
  state.M1a = Variant::Int(2000);
  state.M1b = Variant::Int(-1000);
  state.M2a = Variant::Int(500);
  state.M2b = 750.0f;
  state.pd = -0.05f;
  state.Sigy = 0.0f;
  state.Tau = 0.0f;
  state.odmom = kReducedMoment;
  Recorded d(std::move(state));
  const DesignState& ds = d.ds;

  ExpectRows(ds.stiffTable, "Global Buckling: (Ch 3.8)",
             {
                 {"fkcd1 = ", "146.6", " MPa (Column buckl. axis 1)"},
                 {"lamda1 = ", "0.44", ""},
                 {"fkcd2 = ", "153.0", " MPa (Column buckl. axis 2)"},
                 {"lamda2 = ", "0.22", ""},
                 {"fakd = ", "155.1", " MPa (local buckling)"},
                 {"fE1 = ", "1151.5", " MPa (Euler buckling axis 1)"},
                 {"fE2 = ", "4606.0", " MPa (Euler buckling axis 2)"},
                 {"gm = ", "1.45", " "},
                 {"Siga0Sd = ", "66.3", " MPa"},
                 {"M1Sd/M2Sd = ", "800.0/650.0", " kNm (Reduced value)"},
                 {"Sigm1Sd = ", "21.2", " MPa"},
                 {"Sigm2Sd = ", "17.2", " MPa  "},
                 {"UF1 = ", "0.64", " <= 1.00"},
                 {"UF2 =  ", "0.62", " <= 1.00"},
             },
             d.stiff, {}, {{13, Colour::Green}, {14, Colour::Green}});
  ExpectClose(ds.sa0.value(), 66.31455194);
  ExpectClose(ds.sm, -21.10116196);
  ExpectClose(ds.gM.value(), 1.45);
  ExpectClose(ds.UF1.value(), 0.6360815916);
  ExpectClose(ds.UF2.value(), 0.6172737454);
  EXPECT_EQ(ds.UFperm.value(), 1.0);
}

}  // namespace
}  // namespace tamrel
