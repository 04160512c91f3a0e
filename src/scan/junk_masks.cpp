// The built-in file masks of the junk search.
#include "scan/junk_masks.h"

namespace scrubwell {

const std::vector<std::string>& defaultJunkMasks() {
  static const std::vector<std::string> masks = {
      "*.$$$",       "*.~??",      "*.~mp",     "*.alt",        "*.bak",     "*.cor",
      "*.gid",       "*.old",      "*.qdk",     "*.sik",        "*.tmp",     "*.umb",
      "Bootlog.txt", "Chkdsk.chk", "Modem.log", "Scandisk.log", "SwapFile.*"};
  return masks;
}

}  // namespace scrubwell
