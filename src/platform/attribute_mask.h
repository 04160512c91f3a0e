// The classic find-first attribute-mask rule that every walk uses: an entry is returned unless it
// carries the hidden, system, volume-label or directory attribute while the mask lacks it.
// So 47 returns every file but no folder, 63 everything, 16 folders and plain files.
#pragma once
#include <cstdint>

namespace scrubwell {

inline constexpr uint32_t kAttrReadOnly = 0x01;
inline constexpr uint32_t kAttrHidden = 0x02;
inline constexpr uint32_t kAttrSystem = 0x04;
inline constexpr uint32_t kAttrVolume = 0x08;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

inline constexpr bool passesAttributeMask(uint32_t attributes, uint32_t mask) {
  constexpr uint32_t guarded = kAttrHidden | kAttrSystem | kAttrVolume | kAttrDirectory;
  return (attributes & guarded & ~mask) == 0;
}

}  // namespace scrubwell
