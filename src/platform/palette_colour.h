#pragma once
// The Qt colour of a palette entry, for every surface that draws with Qt.

#include <QColor>
#include <array>
#include <cstddef>

#include "calc/text_surface.h"

namespace tamrel {

namespace palette_detail {
// Indexed by the entry's number (those the tables do not use are black),
// worked out at compile time. A picture looks up the colour of every text it
// draws, and black, green and red follow one another without a pattern: a
// table look-up costs no mispredicted branch, a choice between them would.
constexpr std::size_t kEntries = 16;
inline constexpr std::array<QColor, kEntries> kColours = [] {
  std::array<QColor, kEntries> colours{};
  for (std::size_t i = 0; i < kEntries; ++i) {
    const Rgb rgb = PaletteRgb(static_cast<Colour>(i));
    colours[i] = QColor(rgb.red, rgb.green, rgb.blue);
  }
  return colours;
}();
}  // namespace palette_detail

constexpr QColor PaletteColour(Colour c) {
  return palette_detail::kColours[static_cast<std::size_t>(c) % palette_detail::kEntries];
}

}  // namespace tamrel
