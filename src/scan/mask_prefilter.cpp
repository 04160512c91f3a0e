// A deliberately loose test of whether a file name could match a find mask.
//
// The mask is compiled into a small automaton whose states are the positions between its tokens,
// one bit per position in a 64-bit word, and a name is run through it one character at a time.
#include "scan/mask_prefilter.h"

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool isStar(char c) { return c == '*' || c == '<' || c == '>' || c == '"'; }

}  // namespace

MaskPrefilter::MaskPrefilter(std::string_view mask) : mask_(mask) {
  const size_t n = mask.size();
  if (n > 63) {
    matchesAll_ = true;
    return;
  }
  // The tail of the mask made only of wildcards, dots and blanks: its dots and blanks may match
  // nothing (the system drops trailing dots and blanks, and lets a dot before wildcards match the
  // end of a name without extension).
  size_t tail = n;
  while (tail > 0 && (isStar(mask[tail - 1]) || mask[tail - 1] == '?' || mask[tail - 1] == '.' ||
                      mask[tail - 1] == ' '))
    --tail;
  for (size_t i = 0; i < n; ++i) {
    const uint64_t bit = uint64_t{1} << i;
    const char c = mask[i];
    if (isStar(c)) {
      stars_ |= bit;
      skippable_ |= bit;
    } else if (c == '?') {
      skippable_ |= bit;
      anyLiteral_ |= bit;
      for (auto& a : accepts_) a |= bit;
    } else {
      const bool optional = i >= tail;
      if (optional) skippable_ |= bit;
      anyLiteral_ |= bit;
      const char up = upperChar(c);
      for (int ch = 0; ch < 256; ++ch)
        if (upperChar(static_cast<char>(ch)) == up) accepts_[ch] |= bit;
    }
  }
  // A "?" in a name stands for a character the code page cannot show; it may be anything.
  accepts_[static_cast<unsigned char>('?')] |= anyLiteral_;
  finalState_ = static_cast<int>(n);
  auto fixed = [this](size_t i) { return !((stars_ | skippable_) >> i & 1); };
  while (prefix_ < n && fixed(prefix_)) ++prefix_;
  while (suffix_ < n && fixed(n - 1 - suffix_)) ++suffix_;
  for (size_t i = 0; i < n; ++i) minLength_ += fixed(i);
}

uint64_t MaskPrefilter::closure(uint64_t states) const {
  for (;;) {
    uint64_t next = states | ((states & skippable_) << 1);
    if (next == states) return states;
    states = next;
  }
}

bool MaskPrefilter::mayMatch(std::string_view name) const {
  if (matchesAll_) return true;
  if (name.size() < minLength_) return false;
  for (size_t i = 0; i < prefix_; ++i)
    if (!tokenAccepts(i, name[i])) return false;
  const size_t n = static_cast<size_t>(finalState_);
  for (size_t k = 1; k <= suffix_; ++k)
    if (!tokenAccepts(n - k, name[name.size() - k])) return false;
  uint64_t states = closure(1);
  for (char c : name) {
    states = closure(((states & accepts_[static_cast<unsigned char>(c)]) << 1) | (states & stars_));
    if (states == 0) return false;
  }
  return (states >> finalState_) & 1;
}

bool mayMatch(std::string_view mask, std::string_view name) {
  return MaskPrefilter(mask).mayMatch(name);
}

}  // namespace scrubwell
