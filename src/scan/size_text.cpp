// The size texts of the result list and its status line.
#include "scan/size_text.h"

namespace scrubwell {

std::string sizeText(int64_t bytes) {
  if (bytes < 0) return "0kb";
  int64_t k = bytes / 1024;
  if (bytes < 10240 && (bytes / 512) % 2 == 1) return std::to_string(k) + ".5kb";
  return std::to_string(k) + "kb";
}

std::string totalSizeText(int64_t bytes) {
  if (bytes < 1024) return "  0kb";
  return kilobyteText(bytes);
}

std::string kilobyteText(int64_t bytes) { return std::to_string(bytes / 1024) + "kb"; }

std::string statusLineText(size_t entryCount, const std::string& sizeCaption, int64_t totalBytes,
                           bool afterMarkEverything) {
  return std::to_string(entryCount) + std::string(afterMarkEverything ? 5 : 4, ' ') + sizeCaption +
         totalSizeText(totalBytes);
}

}  // namespace scrubwell
