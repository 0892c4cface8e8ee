#pragma once
// The colour rule of the usage-factor rows, checked on what the result
// pictures show. A usage factor is drawn green only when it is a finite
// number not below zero, the permitted value it is compared with is finite
// and greater than zero, and the usage factor lies within it; anything else
// is red, and a usage factor that is not a finite number shows "n/a". Used
// by the robustness sweeps and the fuzz targets (no test framework here).

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "calc/design_state.h"
#include "calc/format.h"
#include "calc/recording_surface.h"
#include "calc/window.h"

namespace tamrel::testing {

inline bool GreenByRule(double usageFactor, double permitted) {
  return std::isfinite(usageFactor) && usageFactor >= 0 && std::isfinite(permitted) &&
         permitted > 0 && usageFactor <= permitted;
}

// A usage factor as the design state holds it, the permitted value its row
// is coloured against, and the text the row shows for it.
struct UsageRow {
  const char* name = "";
  double value = 0;
  double permitted = 0;
  std::string text;  // the usage factor under "0.00"
  // False where the picture may show a table another check wrote last (the
  // stiffener picture of the unstiffened and ring-stiffened types, which the
  // window hides): its colour still follows the rule, its text need not be
  // this usage factor's (nor "n/a" when the usage factor is not a number).
  bool ownText = true;
};

template <class T>
UsageRow UsageOf(const DesignState& ds, const char* name, const T& value, double permitted) {
  return {name, static_cast<double>(value), permitted,
          FormatNumber(value, "0.00", DecimalSign(ds))};
}

// The usage-factor rows of each result picture after a recalculation, in
// the order they are drawn.
inline std::vector<UsageRow> UsageRowsOf(const DesignState& ds, ResultPicture picture) {
  switch (picture) {
    case ResultPicture::Shell: return {UsageOf(ds, "UFshell", ds.UFshell, ds.UFpermShell)};
    case ResultPicture::Stiffener:
      if (ds.cyltype == kColumnBuckling) {
        return {UsageOf(ds, "UF1", ds.UF1, ds.UFperm), UsageOf(ds, "UF2", ds.UF2, ds.UFperm)};
      } else {
        UsageRow row = UsageOf(ds, "UFst", ds.UFst, ds.UFpermst);
        row.ownText = ds.cyltype == kStringerStiffened;
        return {row};
      }
    case ResultPicture::Ring:
      return {UsageOf(ds, "UFarea", ds.UFarea, ds.UF),
              UsageOf(ds, "UFinertia", ds.UFinertia, ds.UF)};
  }
  return {};
}

inline const char* PictureName(ResultPicture picture) {
  switch (picture) {
    case ResultPicture::Shell: return "shell picture";
    case ResultPicture::Stiffener: return "stiffener picture";
    case ResultPicture::Ring: return "ring-frame picture";
  }
  return "picture";
}

// How many usage-factor rows a sweep saw of each kind.
struct ColourTally {
  int green = 0;
  int red = 0;
  int undefined = 0;  // not a finite number: "n/a"
};

inline std::string ShortestText(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// What breaks the rule on one picture; empty when nothing does. Every
// coloured text drawn is the value of a usage-factor row, in the order of
// `rows`; a picture whose table was never filled draws fewer of them.
inline std::vector<std::string> ColourRuleProblems(const RecordingSurface& surface,
                                                   const std::vector<UsageRow>& rows,
                                                   const char* picture,
                                                   ColourTally* tally = nullptr) {
  std::vector<std::string> problems;
  const auto texts = surface.Visible();
  std::size_t seen = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const RecordingSurface::Text& t = texts[i];
    if (t.text.find("nan") != std::string::npos || t.text.find("inf") != std::string::npos) {
      problems.push_back(std::string(picture) + " shows \"" + t.text + "\"");
    }
    if (t.colour == Colour::Black) continue;
    if (seen == rows.size()) {
      problems.push_back(std::string(picture) + ": more coloured texts than usage-factor rows");
      break;
    }
    const UsageRow& u = rows[seen++];
    const bool green = t.colour == Colour::Green;
    const std::string what = std::string(picture) + ", " + u.name + " = " + ShortestText(u.value) +
                             " against " + ShortestText(u.permitted) + ", shown \"" + t.text + "\"";
    if (green != GreenByRule(u.value, u.permitted)) {
      problems.push_back(what + (green ? ": drawn green" : ": drawn red"));
    }
    if (u.ownText && !std::isfinite(u.value) && t.text != kNotANumberText) {
      problems.push_back(what + ": not a number, not shown as \"n/a\"");
    }
    if (u.ownText && t.text != u.text) {
      problems.push_back(what + ": the row does not show its usage factor (\"" + u.text + "\")");
    }
    if (green) {
      // As the engineer reads a green row: a number not below zero, within
      // a permitted value that is a number above zero.
      if (t.text == kNotANumberText || t.text.starts_with('-')) {
        problems.push_back(what + ": a green value that is not a number >= 0");
      }
      if (i + 1 < texts.size() && texts[i + 1].y == t.y && texts[i + 1].text.starts_with(" <= ")) {
        const std::string limit = texts[i + 1].text.substr(4);
        if (limit == kNotANumberText || limit.starts_with('-')) {
          problems.push_back(what + ": drawn green against \"" + texts[i + 1].text + "\"");
        }
      }
    }
    if (tally != nullptr) {
      ++(green ? tally->green : tally->red);
      if (!std::isfinite(u.value)) ++tally->undefined;
    }
  }
  return problems;
}

// The rule on the three result pictures after a recalculation.
inline std::vector<std::string> ColourRuleProblems(const DesignState& ds,
                                                   const RecordingSurface& shell,
                                                   const RecordingSurface& stiffener,
                                                   const RecordingSurface& ring) {
  std::vector<std::string> problems;
  for (ResultPicture p : {ResultPicture::Shell, ResultPicture::Stiffener, ResultPicture::Ring}) {
    const RecordingSurface& s =
        p == ResultPicture::Shell ? shell : (p == ResultPicture::Stiffener ? stiffener : ring);
    auto found = ColourRuleProblems(s, UsageRowsOf(ds, p), PictureName(p));
    problems.insert(problems.end(), found.begin(), found.end());
  }
  return problems;
}

}  // namespace tamrel::testing
