// A bounds check of the shortcut file format (.lnk) before the system's shell link object reads
// a file: every length the file declares must fit inside it. A damaged or hostile file can make
// the shell link object allocate and parse whatever its garbage declares (measured under Wine:
// up to 30 s for one file); such a file is no working shortcut and is never loaded.
#pragma once
#include <cstddef>
#include <string_view>

namespace scrubwell {

// Real shortcut files are a few kilobytes; a larger file is not read.
inline constexpr size_t kMaxShellLinkBytes = 1 << 20;

// True when `bytes` (a whole file) is a shell link: the header of its size and class, then the
// item list, link info, strings and extra data blocks its flags announce, each within the file.
bool isWellFormedShellLink(std::string_view bytes);

}  // namespace scrubwell
