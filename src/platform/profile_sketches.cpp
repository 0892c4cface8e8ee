#include "platform/profile_sketches.h"

#include <QPainter>

namespace tamrel {

const char* ProfileSketchName(ProfileSketch sketch) {
  static const char* const names[] = {
      "pic_stiff_L", "pic_stiff_Lb", "pic_stiff_t",  "pic_stiff_f",   "pic_stiff_hp",
      "pic_stiff_rhs", "pic_stiff_usp", "pic_stiff_i", "pic_gird_L",  "pic_gird_Lb",
      "pic_gird_t",  "pic_gird_f",   "pic_gird_hp",  "pic_gird_rhs", "pic_gird_usp",
      "pic_gird_i"};
  return names[static_cast<int>(sketch)];
}

ProfileSketch SketchForProfile(bool ringFrame, int type) {
  static const ProfileSketch stiff[10] = {
      ProfileSketch::pic_stiff_L,  ProfileSketch::pic_stiff_Lb,  ProfileSketch::pic_stiff_t,
      ProfileSketch::pic_stiff_t,  ProfileSketch::pic_stiff_f,   ProfileSketch::pic_stiff_f,
      ProfileSketch::pic_stiff_hp, ProfileSketch::pic_stiff_rhs, ProfileSketch::pic_stiff_usp,
      ProfileSketch::pic_stiff_i};
  static const ProfileSketch gird[10] = {
      ProfileSketch::pic_gird_L,  ProfileSketch::pic_gird_Lb,  ProfileSketch::pic_gird_t,
      ProfileSketch::pic_gird_t,  ProfileSketch::pic_gird_f,   ProfileSketch::pic_gird_f,
      ProfileSketch::pic_gird_hp, ProfileSketch::pic_gird_rhs, ProfileSketch::pic_gird_usp,
      ProfileSketch::pic_gird_i};
  if (type < 0 || type > 9) type = 0;
  return ringFrame ? gird[type] : stiff[type];
}

// A plain frame with the sketch's name until the drawings are made.
void DrawProfileSketch(QPainter& p, const QRectF& r, ProfileSketch sketch) {
  p.save();
  p.setPen(Qt::black);
  p.drawRect(r.adjusted(1, 1, -1, -1));
  p.drawText(r, Qt::AlignCenter, ProfileSketchName(sketch));
  p.restore();
}

}  // namespace tamrel
