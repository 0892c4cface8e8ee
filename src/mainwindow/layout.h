#pragma once
// The main window's frames and pictures, placed by proportions of the
// window's outer width W and height H, in twips (1/1440 inch). Pure
// arithmetic: the window maps the rectangles to pixels.

namespace tamrel {

struct TwipRect {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

struct MainLayout {
  // Input area (fr10 and the frames inside it; their rectangles are
  // relative to fr10).
  TwipRect fr10, fr110, fr111, fr112, fr120, fr121, fr123, fr124;
  // Geometry sketch (pic20 relative to fr20).
  TwipRect fr20, pic20;
  // Result band (each picture relative to its frame).
  TwipRect fr30, pic30, fr31, Pic31, fr32, pic32;
};

// The window's outer size at start-up: 1024 x 768 pixels at 96 dots per
// inch, i.e. 15360 x 11520 twips whatever the screen.
inline constexpr double kMainWidthTwips = 15360.0;
inline constexpr double kMainHeightTwips = 11520.0;

MainLayout LayOutMainWindow(double W, double H);

// Where the column frame fr124 stands for the column type: at the left edge
// of the loading frame, its bottom near the bottom of fr10.
TwipRect PlaceColumnFrame(const MainLayout& layout);

struct WindowPlacement {
  int width = 0, height = 0, left = 0, top = 0;  // pixels
};

// The outer window, 1024 x 768 pixels scaled by the screen's dots per inch
// relative to 96, centred on a screen of the given size in pixels.
WindowPlacement PlaceMainWindow(int dpiX, int dpiY, int screenWidth, int screenHeight);

}  // namespace tamrel
