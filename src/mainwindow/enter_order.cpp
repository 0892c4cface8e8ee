#include "mainwindow/enter_order.h"

#include <initializer_list>

namespace tamrel {

namespace {

using A = EnterAction;
using W = EnterTarget::When;

// After the plate material: the first input frame the cylinder type shows.
std::vector<EnterTarget> AfterPlateMaterial(std::initializer_list<EnterTarget> first = {}) {
  std::vector<EnterTarget> targets(first);
  targets.insert(targets.end(), {{"is1", W::FrameShown, "fr120"},
                                 {"icyll", W::FrameShown, "fr121"},
                                 {"isigx", W::FrameShown, "fr123"},
                                 {"icolL"}});
  return targets;
}

const std::vector<EnterStep>& Steps() {
  static const std::vector<EnterStep> steps = {
      {"iproj", A::StoreAndMove, {{"iident"}}},
      {"iident", A::StoreAndMove, {{"iufb", W::Visible}, {"icylr"}}},
      {"iufb", A::Move, {{"icylr"}}},
      {"icylr", A::Move, {{"il"}}},
      {"il", A::Move, {{"it"}}},
      {"it", A::Move, {{"ie"}}},
      {"ie", A::Move, {{"cbofyp"}}},
      {"cbofyp", A::Move, AfterPlateMaterial({{"ifyp", W::Enabled}})},
      {"ifyp", A::Move, AfterPlateMaterial()},
      {"is1", A::ParseAndMove, {{"ilt"}}},
      {"ilt", A::ParseAndMove, {{"cbostiff"}}},
      {"cbostiff", A::Move, {{"cbofys"}}},
      // The stiffener frame shows only with the ring-frame frame, so icyll
      // is there whenever these can have the focus.
      {"cbofys", A::Move, {{"ifys", W::Enabled}, {"icyll"}}},
      {"ifys", A::Move, {{"icyll"}}},
      {"icyll", A::ParseAndMove, {{"igilt"}}},
      {"igilt", A::Move, {{"cboring"}}},
      {"cboring", A::Move, {{"cbofyg"}}},
      {"cbofyg", A::Move, {{"ifyg", W::Enabled}, {"isigx"}}},
      {"ifyg", A::Move, {{"isigx"}}},
      {"isigx", A::ParseAndMove, {{"isigy"}}},
      {"isigy", A::ParseAndMove, {{"itau"}}},
      {"itau", A::ParseAndMove, {{"ipp"}}},
      {"ipp", A::ParseAndMove, {{"iproj"}}},
      {"icolL", A::ParseAndMove, {{"ik1"}}},
      {"ik1", A::ParseAndMove, {{"ik2"}}},
      {"ik2", A::ParseAndMove, {{"inn"}}},
      {"inn", A::ParseAndMove, {{"ip"}}},
      {"ip", A::ParseAndMove, {{"im1a"}}},
      {"im1a", A::ParseAndMove, {{"im1b"}}},
      {"im1b", A::ParseAndMove, {{"im2a"}}},
      {"im2a", A::ParseAndMove, {{"im2b"}}},
      {"im2b", A::ParseAndMove, {{"iproj"}}},
  };
  return steps;
}

}  // namespace

std::span<const EnterStep> EnterOrder() {
  return Steps();
}

const EnterStep* FindEnterStep(std::string_view control) {
  for (const EnterStep& s : Steps()) {
    if (control == s.control) return &s;
  }
  return nullptr;
}

}  // namespace tamrel
