#pragma once
// What every fuzz target starts from and checks after a recalculation: the
// program as started (new-project defaults, the shipped tables), made once
// per process, and the colour rule on the three result pictures.

#include <string>

#include "calc/colour_rule.h"
#include "calc/picture_window.h"
#include "files/project_checks.h"
#include "fuzz_check.h"

namespace tamrel::fuzz {

inline const DesignState& Started() {
  static const DesignState ds = testing::StartedProgram(TAMREL_DATA_DIR);
  return ds;
}

inline void RequireColourRule(const DesignState& ds, const testing::PictureWindow& window,
                              const std::string& when) {
  RequireNone(testing::ColourRuleProblems(ds, window.picture(ResultPicture::Shell),
                                          window.picture(ResultPicture::Stiffener),
                                          window.picture(ResultPicture::Ring)),
              when);
}

}  // namespace tamrel::fuzz
