// Splitting text into lines.
#include "base/text_lines.h"

namespace scrubwell {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace scrubwell
