// Point and file-list texts of the backup window.
#include "backup/point_text.h"

#include <cctype>

namespace scrubwell {

int64_t kilobytesRoundedHalfEven(int64_t bytes) {
  int64_t whole = bytes / 1024, rest = bytes % 1024;
  if (rest < 0) {  // a damaged header may carry a negative total; round it the same way
    rest += 1024;
    --whole;
  }
  if (rest > 512 || (rest == 512 && whole % 2 != 0)) ++whole;
  return whole;
}

std::string pointDisplayLine(const std::string& title, int32_t fileCount, int64_t totalBytes,
                             const std::string& filesWord) {
  return title + ": " + std::to_string(fileCount) + " " + filesWord + ", " +
         std::to_string(kilobytesRoundedHalfEven(totalBytes)) + " KB";
}

namespace {

// The leading decimal digits of `s` from `from` on; 0 when there are none. Saturates instead of
// overflowing on absurd lengths.
int64_t leadingNumber(const std::string& s, size_t from) {
  int64_t value = 0;
  for (size_t i = from; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
    if (value > (INT64_MAX - 9) / 10) return INT64_MAX;
    value = value * 10 + (s[i] - '0');
  }
  return value;
}

}  // namespace

std::string fileListLine(const std::string& fileIdLine) {
  size_t tab = fileIdLine.find('\t');
  std::string path = fileIdLine.substr(0, tab);
  int64_t size = 0;
  if (tab != std::string::npos) {
    size_t equals = fileIdLine.find('=', tab);
    if (equals != std::string::npos) size = leadingNumber(fileIdLine, equals + 1);
  }
  return path + ", " + std::to_string(size / 1024) + " kb";
}

std::string pathOfFileListLine(const std::string& line) {
  size_t comma = line.rfind(',');
  return comma == std::string::npos ? line : line.substr(0, comma);
}

}  // namespace scrubwell
