// Small rules for paths as text.
#include "platform/path_text.h"

namespace scrubwell {

std::string withTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

}  // namespace scrubwell
