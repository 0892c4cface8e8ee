// Golden-results tool: starts from the new-project defaults with the shipped
// data tables (or from a project file), applies name=value settings,
// recalculates once and prints every drawn row of the three result pictures,
// then the local-buckling texts, the profile captions and any message.
//
//   golden [project.tmr] [name=value ...] [--save FILE]
//
// Row lines: table<TAB>row<TAB>label<TAB>value<TAB>unit<TAB>colour, colour
// being red, green or - for rows without a usage factor.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/number_text.h"
#include "calc/recording_surface.h"
#include "calc/sections.h"
#include "calc/state_vars.h"
#include "calc/window.h"
#include "calc/yield.h"
#include "files/project_file.h"
#include "files/table_loaders.h"

namespace tamrel::tools {
namespace {

class ToolWindow : public NullWindow {
 public:
  RecordingSurface shell, stiff, ring;
  std::string stiffCaption, ringCaption;
  std::vector<std::string> messages;

  TextSurface* ResultPictureSurface(ResultPicture which) override {
    switch (which) {
      case ResultPicture::Shell: return &shell;
      case ResultPicture::Stiffener: return &stiff;
      case ResultPicture::Ring: return &ring;
    }
    return nullptr;
  }
  void SetStiffenerCaption(const std::string& c) override { stiffCaption = c; }
  void SetRingCaption(const std::string& c) override { ringCaption = c; }
  void ShowExclamation(const std::string& text) override { messages.push_back(text); }
};

// A number as the window stores a typed one: the single-precision value the
// number parser gives (point locale). Unlike a window box, the tool takes
// only a whole number, so that a mistyped setting fails instead of reading 0.
bool ParseFloat(const std::string& text, float& out) {
  if (!ParseLocaleNumber(text, '.')) return false;
  const std::optional<float> v = ParseNumber(Variant::Int(0), text);
  if (!v) return false;
  out = *v;
  return true;
}

bool ParseInt16(const std::string& text, std::int16_t& out) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && p == end;
}

// Stores a value the way the window stores a typed one: a number as the
// single-precision value the number parser gives, a code as a 16-bit integer.
bool Apply(DesignState& ds, const std::string& setting) {
  const auto eq = setting.find('=');
  if (eq == std::string::npos) return false;
  const std::string name = setting.substr(0, eq), text = setting.substr(eq + 1);
  const StateVar* var = FindStateVar(name);
  if (var == nullptr) return false;
  if (var->text != nullptr) {
    ds.*var->text = text;
    return true;
  }
  if (std::int16_t* code = var->ref.Int16(ds)) return ParseInt16(text, *code);
  float v = 0;
  if (!ParseFloat(text, v)) return false;
  var->ref.Set(ds, Variant(v));
  return true;
}

void PrintPicture(const char* table, const RecordingSurface& s) {
  for (const auto& row : s.Rows()) {
    const auto& texts = row.texts;
    if (texts.empty()) continue;
    // Title at 0.3, result rows at 0.4 + i (rows are 1 apart after a 1.1 step).
    const long index = row.y < 1.0 ? 0 : std::lround(row.y - 0.4);
    std::string label = texts[0].text, value, unit;
    const char* colour = "-";
    if (texts.size() > 1) value = texts[1].text;
    for (std::size_t i = 2; i < texts.size(); ++i) unit += texts[i].text;
    for (const auto& t : texts) {
      if (t.colour != Colour::Black) colour = ColourName(t.colour);
    }
    std::printf("%s\t%ld\t%s\t%s\t%s\t%s\n", table, index, label.c_str(), value.c_str(),
                unit.c_str(), colour);
  }
}

int Run(int argc, char** argv) {
  DesignState ds;
  ToolWindow w;
  ds.apppath = TAMREL_DATA_DIR;
  SetDefaults(ds);
  LoadAllTables(ds);
  std::string save;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--save") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "golden: --save needs a file name\n");
        return 2;
      }
      save = argv[++i];
    } else if (arg.find('=') != std::string::npos) {
      if (!Apply(ds, arg)) {
        std::fprintf(stderr, "golden: cannot set %s\n", arg.c_str());
        return 2;
      }
    } else {
      if (i != 1) {
        std::fprintf(stderr, "golden: the project file comes first: %s\n", arg.c_str());
        return 2;
      }
      ReadProjectFile(ds, arg);
      // What File Open does after reading, before it refills the window.
      GetShellYield(ds, ds.matp);
      CalcStiffSection(ds, ds.stifftype);
      GetStiffenerYield(ds, ds.mats);
    }
  }
  // The window's refill shows the captions of the current dimensions; the
  // section routines of the recalculation rewrite those they compute.
  w.stiffCaption = ProfileCaption(ds.stifftype, ds.hs, ds.bs, ds.tws, ds.tfs, DecimalSign(ds));
  w.ringCaption = ProfileCaption(ds.ringtype, ds.hg, ds.bg, ds.twg, ds.tfg, DecimalSign(ds));
  ds.mainfrm = &w;
  Recalculate(ds);
  const bool column = ds.cyltype == kColumnBuckling;
  const bool note = !column && w.stiff.Rows().size() > 0 && w.stiff.VisibleTexts().size() > 0 &&
                    w.stiff.VisibleTexts().back().find("Ref Ch 3.6.1") != std::string::npos;
  PrintPicture("shell", w.shell);
  PrintPicture(column ? "column" : (note ? "note" : "stiffener"), w.stiff);
  PrintPicture("ring", w.ring);
  for (int i = 1; i <= 2; ++i) std::printf("stiffclass\t%d\t%s\n", i, ds.stiffclass[i].c_str());
  for (int i = 1; i <= 4; ++i) std::printf("girdclass\t%d\t%s\n", i, ds.girdclass[i].c_str());
  std::printf("stiffprof\t%s\n", w.stiffCaption.c_str());
  std::printf("ringprof\t%s\n", w.ringCaption.c_str());
  for (const auto& m : w.messages) std::printf("message\t%s\n", m.c_str());
  if (!save.empty()) {
    ds.mainfrm = nullptr;
    WriteProjectFile(ds, save);
  }
  return 0;
}

}  // namespace
}  // namespace tamrel::tools

int main(int argc, char** argv) {
  try {
    return tamrel::tools::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "golden: %s\n", e.what());
    return 1;
  }
}
