// The update window's animation while a check runs: six pictures shown in a fixed rhythm. A
// counter runs 2, 3, ..., 9 and then starts again at 2; the even counters 2, 4, 6 and 8 show
// pictures 1 to 4 (the globe turning), 3 and 7 show picture 5 and 5 and 9 picture 6 (the arrow
// between them, up and down), so the arrow beats twice per turn of the globe.
#pragma once

namespace scrubwell {

constexpr int kUpdatePictureCount = 6;
constexpr unsigned kUpdateAnimationStepMs = 300;

class UpdateAnimation {
 public:
  int counter() const { return counter_; }
  // The picture the counter shows, 1 to 6.
  int picture() const;
  // The next counter; after 9 the count starts again at 2.
  void step() { counter_ = counter_ >= 9 ? 2 : counter_ + 1; }
  void restart() { counter_ = 2; }

 private:
  int counter_ = 2;
};

}  // namespace scrubwell
