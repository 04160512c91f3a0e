// Builds a repeatable file tree with realistic junk for the walk benchmarks: ordinary files of
// many name shapes, folders that collect junk (temp and backup folders), junk scattered
// elsewhere, and look-alikes that must not be listed. On request some of the files are empty
// while the others hold a few bytes, and shortcut files (working and broken) lie among them.
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
  // Every file above holds `fileBytes` bytes, except `zeroByteFiles` of them (drawn at random)
  // that stay empty. With fileBytes 0 every file is empty.
  size_t fileBytes = 0;
  size_t zeroByteFiles = 0;
  // Shortcut files beside the files above, in folders drawn at random: a `pifShare` of them
  // named ".pif", the rest ".lnk". A `brokenShortcutShare` of them point at a file on the same
  // drive that does not exist (in a folder that is gone, or a missing file in a folder of the
  // tree); the others at a file or folder of the tree.
  size_t shortcuts = 0;
  double pifShare = 0.05;
  double brokenShortcutShare = 0.5;
  uint32_t seed = 1;
};

struct TreeCounts {
  size_t folders = 0, files = 0, junk = 0, lookAlikes = 0;
  size_t zeroByte = 0;             // empty files (shortcuts are never empty)
  size_t zeroByteNeverListed = 0;  // of them, names the protected names or exceptions keep out
  size_t shortcuts = 0, pifs = 0, brokenShortcuts = 0;  // shortcut files saved (also in files)
  size_t shortcutsFailed = 0;  // shortcuts the shell link object could not save
};

// Creates the tree below `root` (ending with "\"), which must not exist yet.
TreeCounts makeJunkTree(const std::string& root, const TreeShape& shape);

// The UTF-16 form of an ANSI string; empty when it cannot be converted.
std::wstring wide(const std::string& ansi);

}  // namespace scrubwell::bench
