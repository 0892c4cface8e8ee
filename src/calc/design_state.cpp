#include "calc/design_state.h"

namespace tamrel {

namespace {
void Shape(ProfileTable& t, int capacity, int columns) {
  t.capacity = capacity;
  t.columns = columns;
}
}  // namespace

DesignState::DesignState() {
  Shape(lprof, 41, 4);   // H, B, tw, tf
  Shape(tprof, 41, 4);   // H, B, tw, tf
  Shape(fprof, 41, 2);   // H, tw
  Shape(bfprof, 61, 5);  // H, tw, c, r, A
}

}  // namespace tamrel
