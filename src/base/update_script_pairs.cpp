// Reading the copy pairs of an update script and writing a script's text.
#include "base/update_script.h"

namespace scrubwell {

std::vector<UpdateCopy> updateScriptPairs(const std::vector<std::string>& lines) {
  std::vector<UpdateCopy> pairs;
  for (size_t i = 1; i < lines.size(); i += 2)
    pairs.push_back({lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string()});
  return pairs;
}

std::optional<std::string> updateScriptText(const std::string& programFile,
                                            const std::vector<UpdateCopy>& pairs) {
  auto usable = [](const std::string& line) {
    return !line.empty() && line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
  };
  if (!usable(programFile)) return std::nullopt;
  std::string text = programFile + "\r\n";
  for (const auto& pair : pairs) {
    if (!usable(pair.source) || !usable(pair.destination)) return std::nullopt;
    text += pair.source + "\r\n" + pair.destination + "\r\n";
  }
  return text;
}

}  // namespace scrubwell
