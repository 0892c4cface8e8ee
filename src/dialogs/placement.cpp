#include "dialogs/placement.h"

namespace tamrel {

TwipsPosition PlaceSectionDialog(const TwipsRect& mainWindow, float dialogWidth, float dialogHeight,
                                 float f) {
  TwipsPosition p;
  p.top = mainWindow.top + (mainWindow.height / 2.0f - dialogHeight / 2.0f);
  p.left = mainWindow.left + f * (mainWindow.width - dialogWidth);
  return p;
}

float PixelsToTwips(int pixels, int dpi) {
  return static_cast<float>(pixels) * 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace tamrel
