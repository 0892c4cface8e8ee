#pragma once
// A main window reduced to its three result pictures, each a recording
// surface, and its caption: what a recalculation or a project read shows.

#include <string>
#include <vector>

#include "calc/recording_surface.h"
#include "calc/window.h"

namespace tamrel::testing {

class PictureWindow : public NullWindow {
 public:
  std::vector<std::string> captions;
  RecordingSurface pictures[3];

  TextSurface* ResultPictureSurface(ResultPicture which) override {
    return &pictures[static_cast<int>(which)];
  }
  void SetWindowCaption(const std::string& caption) override { captions.push_back(caption); }

  const RecordingSurface& picture(ResultPicture which) const {
    return pictures[static_cast<int>(which)];
  }

  // Fresh pictures and no caption: a recording keeps every operation ever
  // drawn, so a sweep that draws many states starts each one afresh.
  void Fresh() {
    captions.clear();
    for (auto& p : pictures) p = RecordingSurface();
  }
};

}  // namespace tamrel::testing
