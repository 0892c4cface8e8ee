#pragma once
// Where a section dialog opens: centred vertically on the main window and
// moved horizontally by the dialog's factor f (0.5 centres it, 1 aligns its
// right edge with the main window's). Positions and sizes in twips, single
// precision; the arithmetic clamps nothing to the screen. The move that
// follows keeps the dialog inside the screen's available area: a main
// window near or past the screen's edge would otherwise push the dialog's
// buttons off it.

namespace tamrel {

struct TwipsRect {
  float left = 0, top = 0, width = 0, height = 0;
};

struct TwipsPosition {
  float left = 0, top = 0;
};

TwipsPosition PlaceSectionDialog(const TwipsRect& mainWindow, float dialogWidth, float dialogHeight,
                                 float f);

float PixelsToTwips(int pixels, int dpi);

}  // namespace tamrel
