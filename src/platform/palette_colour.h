#pragma once
// The Qt colour of a palette entry, for every surface that draws with Qt.

#include <QColor>

#include "calc/text_surface.h"

namespace tamrel {

constexpr QColor PaletteColour(Colour c) {
  const Rgb rgb = PaletteRgb(c);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace tamrel
