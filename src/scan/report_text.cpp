// The texts of the status report.
#include "scan/report_text.h"

namespace scrubwell {
namespace {
const char* const kRule = "----------------------";
}

std::vector<std::string> reportHeaderLines(const std::string& text1, const std::string& text157,
                                           const std::string& text158) {
  return {std::string(28, ' ') + text1, std::string(27, ' ') + "===========", "",
          std::string(25, ' ') + text157, "", text158, ""};
}

std::string reportLine(const std::string& text149, const std::string& path,
                       const std::string& suffix) {
  return text149 + " " + path + suffix;
}

std::string countLabelText(const std::string& text, int64_t count) {
  return text + " " + std::to_string(count);
}

std::string freedSpaceText(const std::string& text94, int64_t bytes) {
  if (bytes > 9999) return text94 + " " + std::to_string(bytes / 1024) + " kbytes";
  return text94 + " " + std::to_string(bytes) + " bytes";
}

std::vector<std::string> summaryLines(const std::string& text93, const std::string& text94,
                                      const std::string& text95, const std::string& text96,
                                      const RemovalCounts& c) {
  return {"",
          kRule,
          countLabelText(text96, c.unmarked),
          countLabelText(text95, c.unremovable),
          countLabelText(text93, c.removed),
          freedSpaceText(text94, c.freedBytes)};
}

std::vector<std::string> saveDateBlock(const std::string& dateTime) {
  return {"", "", "", kRule, dateTime, ""};
}

std::vector<std::string> printDateBlock(const std::string& dateTime) {
  return {"", "", "", kRule, dateTime};
}

}  // namespace scrubwell
