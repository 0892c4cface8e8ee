#pragma once
// The design state: the one record that holds every input, option, code,
// profile dimension, section property, intermediate result and result table
// of the open project, with the few values of the running program. Every
// part of the program reads and writes its variables directly by the names
// engineers know from the program (cylr, fyp, stifftype, UFshell ...).
//
// Value kinds: std::int16_t for 16-bit codes and flags, float for
// single-precision variables (storing rounds), Variant for variables that
// keep the kind of the value last stored, std::string for texts. At program
// start every number is 0, every text empty and every variant empty; the
// new-project defaults (SetDefaults) set the inputs only.

#include <array>
#include <cstdint>
#include <string>

#include "calc/variant.h"

namespace tamrel {

class Window;

// The project file name of a project never saved, shown in the caption.
inline constexpr const char* kNewFile = "New File";

// A text built from a few numbers, kept with them (as bit patterns) so that
// the same numbers give back the same text without formatting it again.
struct TextMemo {
  std::array<std::uint64_t, 6> key{};
  std::string text;
  bool valid = false;
};

// The texts a section routine builds for one member: the profile caption
// and the local-buckling lines (by element of stiffclass or girdclass).
struct SectionTextMemo {
  TextMemo caption;
  std::array<TextMemo, 6> limits{};
};

// Cylinder type (cyltype).
enum CylinderType : std::int16_t {
  kCylinder = 0,           // "Cylinder " (unstiffened)
  kRingStiffened = 1,      // "Ring stiffened "
  kStringerStiffened = 2,  // "Stringer stiffened "
  kColumnBuckling = 3,     // "Column buckling"
};

// Design format (lrfd).
enum DesignFormat : std::int16_t { kLRFD = 0, kWSD = 1 };

// Ring-frame fabrication (ringfab).
enum RingFabrication : std::int16_t { kFabricated = 0, kColdFormed = 1 };

// Dimensioning moments of the column check (odmom).
enum DimensioningMoments : std::int16_t { kMaximumMoment = 0, kReducedMoment = 1 };

// Profile type of the stiffener (stifftype) and of the ring frame (ringtype).
// Codes 0, 2, 4 and 6 take their dimensions from a row of a profile table,
// the others from the built-up set of that member and type.
enum ProfileType : std::int16_t {
  kLTable = 0,
  kLBuiltUp = 1,
  kTTable = 2,
  kTBuiltUp = 3,
  kFlatbarTable = 4,
  kFlatbarBuiltUp = 5,
  kBulbFlat = 6,
  kRHS = 7,
  kTrapezProfile = 8,
  kIBuiltUp = 9,
};

// The profile types are the codes 0 to kProfileTypeCount - 1.
inline constexpr int kProfileTypeCount = kIBuiltUp + 1;
constexpr bool IsProfileType(int code) {
  return code >= 0 && code < kProfileTypeCount;
}

// A result table: a title row (0) and up to fifteen result rows, each a
// label, a formatted value and a unit, plus the index of its last row.
struct ResultTable {
  static constexpr int kRows = 16;
  std::array<std::string, kRows> txt{};
  std::array<std::string, kRows> val{};
  std::array<std::string, kRows> unit{};
  std::int16_t last = 0;
};

// A table of rolled sections read from a data file: rows numbered from 0,
// columns from 1, single-precision dimensions in mm (a bulb flat's area in
// mm2), with the index of the last row loaded (-1 for an empty table).
struct ProfileTable {
  static constexpr int kMaxRows = 61;
  static constexpr int kMaxColumns = 5;
  int capacity = 0;  // rows this table may hold (41, or 61 for bulb flats)
  int columns = 0;   // values per row
  std::array<std::array<float, kMaxColumns + 1>, kMaxRows> cell{};  // [row][column]
  std::int16_t last = 0;

  // True when row lies within the rows loaded.
  bool HasRow(int row) const { return row >= 0 && row <= last && row < capacity; }
};

// The steel grades of "DNVmat.dat": per grade a name and thirteen values,
// columns 1..13 = fy1, t1, fy2, t2, ..., t6, fy7 (MPa, mm). The last grade
// loaded stands for a yield strength typed by the user.
struct MaterialTable {
  static constexpr int kMaxGrades = 21;
  std::array<std::string, kMaxGrades> matname{};
  std::array<std::array<float, 16>, kMaxGrades> mattab{};  // [grade][column]
  std::int16_t matlast = 0;
};

struct DesignState {
  DesignState();

  // ---- Program values ----
  Variant filever;              // format number written on line 1 of a project: 170
  std::int16_t fileverin = 0;   // format number read from an opened project
  std::string apppath;          // program directory (tables, help, manual)
  std::string lastdir;          // first directory of the Open / Save As dialogs
  Variant decflag;              // 0 where the locale writes a decimal point, else nonzero
  std::int32_t titlecolor = 0;  // about box title colour
  std::string filename;         // current project file, "New File" when never saved
  Window* mainfrm = nullptr;    // the main window (nullptr: no window effects)
  double ypos = 0.0;            // running y of the result-table drawing

  // ---- Layout of the printed report ----
  // Set afresh by every report page: the header is drawn in 11-point
  // character units, the body in a grid of rcols x rrows units over the page.
  float rfont = 0;         // report font size (points): 11 in the header, 8 in the body
  Variant rrows;           // units down the page in the body scale (88)
  std::int16_t rcols = 0;  // units across the page in the body scale (136)
  Variant xmargin;         // left margin of the body; x of the result tables
  double xhead = 0;        // x of section headings and row labels
  double xeq2 = 0;         // "=" column of the loading rows
  double xval2 = 0;        // right edge of the loading values
  double xmat = 0;         // right edge of the material grade names
  double xlab = 0;         // symbol column of value rows
  float xeq = 0;           // "=" column of value rows
  double xval = 0;         // right edge of the values; x of the stiffener result table
  double xrule = 0;        // vertical rule between the input summary and the sketch
  float xpic = 0;          // left edge of the geometry sketch
  float xpicend = 0;       // right edge of the geometry sketch
  double xshift = 0;       // x shift of the ring-frame profile section (0 or 60)
  float ytop = 0;          // y at the top of the current section

  // ---- Identification, codes and options ----
  std::string proj;            // project name
  std::string ident;           // identification
  std::int16_t cyltype = 0;    // CylinderType
  std::int16_t lrfd = 0;       // DesignFormat
  Variant UF;                  // allowable (LRFD) or basic (WSD) usage factor
  std::int16_t ring = 0;       // ring-frame control 1/0
  std::int16_t hring = 0;      // heavy ring-frame control 1/0
  std::int16_t outside = 0;    // outside stiffening 1/0
  std::int16_t ih = 0;         // special calculation of Ih 1/0
  std::int16_t ringfab = 0;    // RingFabrication
  std::int16_t odmom = 0;      // DimensioningMoments
  std::int16_t stiffnote = 0;  // report switch of the stiffener block
  std::int16_t extraopt = 0;   // kept in the project file only

  // ---- Geometry and loads (mm, MPa, kN, kNm) ----
  float cylr = 0;         // radius r to the shell mid-plane
  Variant cylt;           // shell thickness t
  Variant ringspacing;    // ring-frame spacing l
  Variant stiffspacing;   // stiffener spacing s
  Variant cyll;           // cylinder length L (also the column length)
  Variant stifflt;        // lateral-torsional buckling length of the stiffener
  float ringlt = 0;       // tripping length of the ring frame
  Variant Sigx;           // axial design stress (negative in compression)
  float Sigy = 0;         // circumferential design stress
  float Tau = 0;          // shear design stress
  float pd = 0;           // lateral design pressure, positive inside
  Variant naxial;         // axial force of the column (kN)
  Variant M1a, M1b, M2a;  // end moments (kNm)
  float M2b = 0;          // end moment (kNm)
  Variant k1;             // buckling-length factor about axis 1
  float k2 = 0;           // buckling-length factor about axis 2
  float emod = 0;         // Young's modulus E

  // ---- Materials ----
  std::int16_t matp = 0, mats = 0, matg = 0;  // grade indices: plate, stiffener, ring frame
  Variant fyp, fys, fyg;                      // yield strengths (MPa)
  float tmat = 0;                             // lookup thickness of the profile last computed

  // ---- Stiffener and ring-frame profiles ----
  std::int16_t stifftype = 0, ringtype = 0;  // ProfileType
  std::int16_t stifflidx = 0, stifftidx = 0, stifffidx = 0, stiffhpidx = 0;
  std::int16_t girdlidx = 0, girdtidx = 0, girdfidx = 0, girdhpidx = 0;
  Variant hs, bs, tws;  // current stiffener H, B, tw
  float tfs = 0;        // current stiffener tf
  Variant cs;           // bulb c / trapezoid a
  Variant Ros;          // bulb radius / RHS corner radius
  Variant hg, bg, twg;  // current ring frame H, B, tw
  float tfg = 0;        // current ring frame tf
  Variant cg, Rog;

  // Built-up sets, one per built-up dialog; the last dimension of each set is single.
  Variant stifflb_h, stifflb_b, stifflb_tw;
  float stifflb_tf = 0;
  Variant stifftb_h, stifftb_b, stifftb_tw;
  float stifftb_tf = 0;
  Variant stifffb_h;
  float stifffb_tw = 0;
  Variant stiffrhs_h, stiffrhs_b;
  float stiffrhs_tw = 0;
  Variant stiffusp_h, stiffusp_b, stiffusp_a;
  float stiffusp_tw = 0;
  Variant stiffib_h, stiffib_b, stiffib_tw;
  float stiffib_tf = 0;
  Variant girdlb_h, girdlb_b, girdlb_tw;
  float girdlb_tf = 0;
  Variant girdtb_h, girdtb_b, girdtb_tw;
  float girdtb_tf = 0;
  Variant girdfb_h;
  float girdfb_tw = 0;
  Variant girdrhs_h, girdrhs_b;
  float girdrhs_tw = 0;
  Variant girdusp_h, girdusp_b, girdusp_a;
  float girdusp_tw = 0;
  Variant girdib_h, girdib_b, girdib_tw;
  float girdib_tf = 0;

  // ---- Section properties ----
  Variant As, Ag;          // section area (mm2)
  Variant Aws, Awg;        // web area
  float Afs = 0, Afg = 0;  // flange area
  Variant zcs, zcg;        // centroid height above the plate side
  Variant Iys, Iyg;        // second moment about the axis parallel to the shell
  Variant Izs;             // flange quantity used for tripping (mm4)
  float Izg = 0;
  Variant gstiff, ggird;  // mass per metre (kg/m)
  Variant hw;             // web height of the profile last computed
  Variant zna;            // neutral axis of profile with effective shell
  Variant Aeff;           // area of profile with effective shell
  Variant ztip;           // neutral axis to profile tip
  Variant Ieff;           // second moment of profile with effective shell
  Variant r0;             // radius to the ring frame's neutral axis
  float rf = 0;           // radius to the ring-frame flange
  float fTors = 0;        // torsional buckling strength of the profile last computed
  std::array<std::string, 6> stiffclass{};  // local-buckling texts, elements 1..2
  std::array<std::string, 6> girdclass{};   // local-buckling texts, elements 1..4
  // The profile last computed for the member cannot exist (no web height, no
  // area, no thickness ...): its local-buckling verdicts read NOK and every
  // result that uses its section is undefined.
  bool stiffdegenerate = false;
  bool girddegenerate = false;

  // ---- Design stresses and curvature ----
  Variant Z;     // curvature parameter
  Variant le;    // effective shell length min(1.56 sqrt(r t), l)
  Variant shp;   // hoop stress from lateral pressure
  Variant sh;    // total design hoop stress
  Variant sa;    // axial design stress of the shell check
  float sm = 0;  // bending stress of the shell check
  Variant sp;    // panel width of the curved-panel check

  // ---- Check results ----
  Variant sa0;              // compressive part of the axial stress
  Variant sigj;             // equivalent design stress SigjSd
  Variant fEa;              // elastic buckling strength, axial
  float fEh = 0;            // elastic buckling strength, hoop
  float lamdas = 0;         // reduced shell slenderness
  float fks = 0;            // characteristic buckling strength
  Variant eta;              // sigj / fks of the shell check
  Variant gM;               // material factor
  float beta = 0;           // WSD factor
  Variant UFperm;           // permitted usage factor, shell and column checks
  Variant UFshell;          // usage factor of the shell check
  Variant UFpermShell;      // permitted value shown (and coloured against) in the shell table
  Variant UFpermst;         // permitted usage factor of the stiffener check
  Variant UFst;             // usage factor of the stiffener check
  Variant UF1, UF2;         // usage factors of the column check
  float Isef = 0;           // effective second moment of stiffener with plate
  float les = 0;            // effective shell width with the stiffener
  Variant Areq;             // required ring-frame area
  Variant UFarea;           // usage factor of the area requirement
  Variant leg;              // effective shell width with the ring frame
  float shR = 0;            // hoop stress in the ring frame
  Variant delta0;           // initial out-of-roundness
  Variant Ix, Ixh, Ih, IR;  // ring-frame inertia requirements (mm4)
  float UFinertia = 0;      // usage factor of the inertia requirement
  float pratio = 0;         // pressure ratio of the special Ih calculation

  // ---- Result tables ----
  ResultTable shellTable;  // shelltxt, shellval, shellunit, shelllast
  ResultTable stiffTable;  // stifftxt, stiffval, stiffunit, stifflast
  ResultTable ringTable;   // ringtxt, ringval, ringunit, ringlast

  // ---- Data tables ----
  ProfileTable lprof, tprof, fprof, bfprof;
  MaterialTable mat;

  // True while Recalculate runs; a window effect it causes must not start
  // another recalculation inside it.
  bool recalculating = false;

  // Captions and local-buckling lines of the stiffener and the ring frame
  // as last built: a recalculation that leaves a profile as it was reuses
  // them (the ring-frame section runs twice in a ring-stiffened cylinder's
  // recalculation). Not part of the project.
  SectionTextMemo stiffTexts, girdTexts;
};

// The decimal sign shown to the user: '.' where decflag is 0, ',' otherwise.
inline char DecimalSign(const DesignState& ds) {
  return ds.decflag.value() == 0.0 ? '.' : ',';
}

}  // namespace tamrel
