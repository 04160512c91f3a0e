// The 36-column row text of the result list.
#include "scan/row_text.h"

namespace scrubwell {

std::string rowText(const std::string& path, const std::string& sizeText) {
  if (path.size() + sizeText.size() <= kRowPathColumns) {
    std::string row = path;
    row.append(kRowPathColumns - path.size() - sizeText.size(), ' ');
    return row + "   " + sizeText;
  }
  std::string size = sizeText;
  if (size.size() < 5) size.insert(0, 5 - size.size(), ' ');
  // The tail keeps at least one character even for an absurdly long size text.
  size_t tail = size.size() < 30 ? 30 - size.size() : 1;
  if (tail > path.size()) tail = path.size();
  return path.substr(0, 3) + "..." + path.substr(path.size() - tail) + "   " + size;
}

}  // namespace scrubwell
