#pragma once
// A tieback (ground anchor) becomes a linear spring and a prestress load at
// one station of the wall.
#include "engine/case_data.h"

namespace torven {

// Fills the derived fields of `tie` for a wall with increment h.
void convertTieback(Tieback& tie, int units, double h, double widthActive);

}  // namespace torven
