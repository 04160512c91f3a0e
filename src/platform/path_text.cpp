// Small rules for paths as text.
#include "platform/path_text.h"

namespace scrubwell {

std::string withTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string folderOf(const std::string& path) {
  const size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace scrubwell
