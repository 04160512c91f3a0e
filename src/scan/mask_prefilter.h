// A deliberately loose test of whether a file name could match a find mask. It is only a
// pre-filter: the system's own find functions decide, and are asked only for the masks this test
// lets through. So it must never say "no" where the system says "yes": "?" may match zero or one
// character, "*" anything, dots and blanks in a tail of nothing but wildcards, dots and blanks may
// match nothing, case is ignored (code page 1252), and "<", ">" and '"' count as "*".
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrubwell {

class MaskPrefilter {
 public:
  explicit MaskPrefilter(std::string_view mask);
  // True when `name` could match the mask.
  bool mayMatch(std::string_view name) const;
  const std::string& mask() const { return mask_; }

 private:
  uint64_t closure(uint64_t states) const;
  bool tokenAccepts(size_t token, char c) const {
    return (accepts_[static_cast<unsigned char>(c)] >> token) & 1;
  }

  std::string mask_;
  bool matchesAll_ = false;  // a mask too long for the state word: always ask the system
  int finalState_ = 0;
  // Quick rejections before the automaton runs: the fixed characters the mask starts and ends
  // with, and the number of characters every match has at least.
  size_t prefix_ = 0, suffix_ = 0, minLength_ = 0;
  uint64_t stars_ = 0;       // positions whose token is "*"
  uint64_t skippable_ = 0;   // positions whose token may match nothing
  uint64_t anyLiteral_ = 0;  // positions whose token accepts one character of any kind but "*"
  std::array<uint64_t, 256> accepts_{};  // per character: positions whose token consumes it
};

// One-off form of the test; walks compile the mask once with MaskPrefilter.
bool mayMatch(std::string_view mask, std::string_view name);

}  // namespace scrubwell
