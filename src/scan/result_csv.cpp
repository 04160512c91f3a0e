// The result list as CSV.
#include "scan/result_csv.h"

namespace scrubwell {

const char* const kResultCsvHeader = "Path,Size,Class,Marked";

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string resultCsvLine(const ResultList& list, size_t i) {
  const int64_t size = list.fileSize(i);
  const char* cls = "other";
  if (list.entryClass(i) == EntryClass::typicalJunk) cls = "junk";
  if (list.entryClass(i) == EntryClass::risky) cls = "risky";
  const bool marked = list.rowCount() == list.size() ? list.isRowMarked(i) : list.isMarked(i);
  return csvField(list.path(i)) + "," + (size >= 0 ? std::to_string(size) : std::string()) + "," +
         cls + "," + (marked ? "yes" : "no");
}

std::string resultListCsv(const ResultList& list) {
  std::string csv = std::string(kResultCsvHeader) + "\r\n";
  for (size_t i = 0; i < list.size(); ++i) csv += resultCsvLine(list, i) + "\r\n";
  return csv;
}

}  // namespace scrubwell
