// Splitting text into lines the way the program's text files are read: a line ends at CR LF, at a
// lone LF or at a lone CR; a last line without an end still counts, an empty rest after the last
// line end does not.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

// Calls `onLine(std::string_view)` for each line, in order, without the line end.
template <class OnLine>
void forEachLine(std::string_view text, OnLine&& onLine) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    onLine(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

std::vector<std::string> splitLines(std::string_view text);

}  // namespace scrubwell
