#include "mainwindow/layout.h"

#include <cmath>

namespace tamrel {

namespace {
// Design places of the frames and pictures, where the layout does not set them.
constexpr TwipRect kFr10{-45, 90, 10380, 6720};
constexpr TwipRect kFr110{135, 225, 4725, 1530};
constexpr TwipRect kFr111{135, 1800, 4785, 2535};
constexpr TwipRect kFr112{135, 4410, 4785, 2130};
constexpr TwipRect kFr120{4995, 225, 5175, 2070};
constexpr TwipRect kFr121{4995, 2340, 4740, 2310};
constexpr TwipRect kFr123{4995, 4680, 5205, 1920};
constexpr TwipRect kFr124{9360, 6120, 5205, 2640};
constexpr TwipRect kFr20{10170, 45, 4605, 6690};
constexpr TwipRect kPic20{135, 270, 4215, 6300};
constexpr TwipRect kFr30{0, 6525, 5190, 4065};
constexpr TwipRect kPic30{90, 270, 7755, 2985};
constexpr TwipRect kFr31{4455, 7020, 9900, 1545};
constexpr TwipRect kPic31{135, 225, 6180, 3615};
constexpr TwipRect kFr32{8010, 6165, 9900, 4200};
constexpr TwipRect kPic32{180, 225, 6180, 3615};
}  // namespace

MainLayout LayOutMainWindow(double W, double H) {
  MainLayout l{kFr10, kFr110, kFr111, kFr112, kFr120, kFr121, kFr123, kFr124,
               kFr20, kPic20, kFr30,  kPic30, kFr31,  kPic31, kFr32,  kPic32};
  // The sketch frame at the right.
  l.fr20.left = W - l.fr20.width - 0.02 * W;
  l.fr20.top = 0;
  // The input area beside it.
  l.fr10.width = W - l.fr20.width - 0.04 * W;
  l.fr10.left = 0.01 * W;
  l.fr10.top = 0;
  l.fr10.height = l.fr20.height;
  // The left column of the input area.
  l.fr111.width = l.fr110.width;
  l.fr112.width = l.fr110.width;
  l.fr112.height = l.fr10.height - l.fr110.height - l.fr111.height - 0.08 * l.fr10.height;
  // The stiffener frame right of the left column.
  l.fr120.left = l.fr110.left + l.fr110.width + 0.01 * W;
  l.fr120.width = l.fr10.width - l.fr110.width - 0.03 * W;
  l.fr120.top = l.fr110.top;
  // The ring-frame frame below the stiffener frame.
  l.fr121.left = l.fr120.left;
  l.fr121.width = l.fr120.width;
  l.fr121.top = l.fr120.top + l.fr120.height;
  // The loading frame below them, and the column frame's width.
  l.fr123.left = l.fr120.left;
  l.fr123.width = l.fr120.width;
  l.fr124.width = l.fr120.width;
  l.fr123.top = l.fr120.top + l.fr120.height + l.fr121.height;
  l.fr123.height = l.fr10.height - l.fr120.height - l.fr121.height - 0.04 * H;
  // The sketch inside its frame.
  l.pic20.left = (l.fr20.width - l.pic20.width) / 2;
  l.pic20.top = (l.fr20.height - l.pic20.height) * 0.8;
  // The shell results frame and picture, below the input area.
  l.fr30.left = l.fr10.left;
  l.fr30.width = 0.3 * W;
  l.fr30.height = H - l.fr20.height - 0.07 * H;
  l.fr30.top = l.fr10.height;
  l.pic30.height = 0.92 * l.fr30.height;
  l.pic30.width = 0.97 * l.fr30.width;
  l.pic30.left = (l.fr30.width - l.pic30.width) / 2;
  l.pic30.top = (l.fr30.height - l.pic30.height) * 0.8;
  // The stiffener or column results frame and picture beside them.
  l.fr31.width = (W - l.fr30.width - 0.04 * W) / 2;
  l.fr31.left = l.fr30.width + 0.015 * W;
  l.fr31.height = l.fr30.height;
  l.fr31.top = l.fr30.top;
  l.Pic31.height = l.pic30.height;
  l.Pic31.width = 0.97 * l.fr31.width;
  l.Pic31.left = (l.fr31.width - l.Pic31.width) / 2;
  l.Pic31.top = l.pic30.top;
  // The ring-frame results frame and picture at the right.
  l.fr32.width = W - l.fr30.width - l.fr31.width - 0.04 * W;
  l.fr32.left = l.fr30.width + l.fr31.width + 0.02 * W;
  l.fr32.height = l.fr30.height;
  l.fr32.top = l.fr30.top;
  l.pic32.height = l.pic30.height;
  l.pic32.width = 0.97 * l.fr32.width;
  l.pic32.left = (l.fr32.width - l.pic32.width) / 2;
  l.pic32.top = l.pic30.top;
  return l;
}

TwipRect PlaceColumnFrame(const MainLayout& layout) {
  TwipRect r = layout.fr124;
  r.left = layout.fr123.left;
  r.top = layout.fr10.top + layout.fr10.height - 1.06 * layout.fr124.height;
  return r;
}

WindowPlacement PlaceMainWindow(int dpiX, int dpiY, int screenWidth, int screenHeight) {
  WindowPlacement p;
  p.width = static_cast<int>(std::lround(dpiX / 96.0 * 1024.0));
  p.height = static_cast<int>(std::lround(dpiY / 96.0 * 768.0));
  // Integer halves, as a whole-pixel position; negative on a smaller screen.
  p.left = static_cast<int>(std::floor((screenWidth - p.width) / 2.0));
  p.top = static_cast<int>(std::floor((screenHeight - p.height) / 2.0));
  return p;
}

}  // namespace tamrel
