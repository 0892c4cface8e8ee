#pragma once
// A project recalculated with its three result pictures recorded on a
// recording window: what the main window would show of it.

#include <utility>

#include "calc/checks.h"
#include "calc/design_state.h"
#include "calc/recording_surface.h"
#include "fake_window.h"

namespace tamrel::testing {

struct Recorded {
  DesignState ds;
  FakeWindow w;
  RecordingSurface shell, stiff, ring;

  explicit Recorded(DesignState state) : ds(std::move(state)) {
    w.surfaces[0] = &shell;
    w.surfaces[1] = &stiff;
    w.surfaces[2] = &ring;
    ds.mainfrm = &w;
    Recalculate(ds);
  }
  Recorded(const Recorded&) = delete;
  Recorded& operator=(const Recorded&) = delete;
};

}  // namespace tamrel::testing
