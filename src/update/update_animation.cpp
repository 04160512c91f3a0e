// The update window's animation rhythm.
#include "update/update_animation.h"

namespace scrubwell {

int UpdateAnimation::picture() const {
  if (counter_ % 2 == 0) return counter_ / 2;  // 2, 4, 6, 8: pictures 1 to 4
  return counter_ == 3 || counter_ == 7 ? 5 : 6;
}

}  // namespace scrubwell
