// Builds a repeatable file tree with realistic junk for the walk benchmark: ordinary files of
// many name shapes, folders that collect junk (temp and backup folders), junk scattered
// elsewhere, and look-alikes that must not be listed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace scrubwell::bench {

struct TreeShape {
  size_t folders = 5000;
  size_t filesPerFolder = 21;
  double junkFolderShare = 0.2;    // folders that collect junk
  double junkInJunkFolder = 0.45;  // share of junk among their files
  double scatteredJunk = 0.01;     // share of junk among the files of other folders
  uint32_t seed = 1;
};

struct TreeCounts {
  size_t folders = 0, files = 0, junk = 0, lookAlikes = 0;
};

// Creates the tree below `root` (ending with "\"), which must not exist yet.
TreeCounts makeJunkTree(const std::string& root, const TreeShape& shape);

}  // namespace scrubwell::bench
