#pragma once
// The profile sketches of the section dialogs' picture pic1 and of the
// printed report: one cross-section drawing per sketch, with the shell plate
// and the dimension names (H, B, tw, tf, ...) of its profile type, and the
// section axes y (pointing left) and z (pointing down); stiffeners are drawn
// blue, ring frames orange. Each drawing fills the rectangle it is given; it
// is designed for 175 x 175 pixels and scales to any size.

#include <QRectF>
#include <cstdint>

class QPainter;

namespace tamrel {

enum class ProfileSketch : std::uint8_t {
  pic_stiff_L,
  pic_stiff_Lb,
  pic_stiff_t,
  pic_stiff_f,
  pic_stiff_hp,
  pic_stiff_rhs,
  pic_stiff_usp,
  pic_stiff_i,
  pic_gird_L,
  pic_gird_Lb,
  pic_gird_t,
  pic_gird_f,
  pic_gird_hp,
  pic_gird_rhs,
  pic_gird_usp,
  pic_gird_i,
};

const char* ProfileSketchName(ProfileSketch sketch);
// The sketch of the section dialog of a member's profile type (0..9): L
// table, L built up, T (table and built up), flat bar (both), bulb flat, RHS,
// trapezoid, I.
ProfileSketch SketchForProfile(bool ringFrame, int type);
void DrawProfileSketch(QPainter& p, const QRectF& r, ProfileSketch sketch);
// True for the ring-frame sketches (pic_gird_...).
bool IsRingFrameSketch(ProfileSketch sketch);

// The size, in pixels at 96 dots per inch, the sketches are drawn for.
inline constexpr int kProfileSketchSize = 175;

}  // namespace tamrel
