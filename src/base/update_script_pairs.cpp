// Reading the copy pairs of an update script, deciding which of them may be applied, and writing
// a script's text.
#include "base/update_script.h"

#include "base/safe_file_name.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool isFullPath(std::string_view p) {
  if (p.size() >= 3 && p[1] == ':' && p[2] == '\\') return true;
  return p.size() >= 3 && p[0] == '\\' && p[1] == '\\' && p[2] != '\\';
}

bool hasDotSegment(std::string_view p) {
  // "X:\data\..\elsewhere\a" must not pass for a file of the data folder.
  return p.find("\\..") != std::string_view::npos || p.find("\\.\\") != std::string_view::npos ||
         p.find('/') != std::string_view::npos;
}

}  // namespace

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

std::optional<std::string> updateScriptArgument(std::string_view args) {
  while (!args.empty() && (args.front() == ' ' || args.front() == '\t')) args.remove_prefix(1);
  while (!args.empty() && (args.back() == ' ' || args.back() == '\t')) args.remove_suffix(1);
  std::string_view path = args;
  if (!args.empty() && args.front() == '"') {
    if (args.size() < 2 || args.back() != '"') return std::nullopt;
    path = args.substr(1, args.size() - 2);
    if (path.find('"') != std::string_view::npos) return std::nullopt;
  } else if (args.find_first_of(" \t\"") != std::string_view::npos) {
    return std::nullopt;
  }
  if (path.size() > 259 || !isFullPath(path) || hasDotSegment(path) ||
      !endsWithIgnoringCase(path, "\\updatescript.dat"))
    return std::nullopt;
  return std::string(path);
}

UpdateScriptPlan planUpdateScript(const std::vector<std::string>& lines,
                                  const std::string& dataFolder) {
  UpdateScriptPlan plan;
  if (lines.empty()) return plan;
  plan.program = lines[0];
  const bool programUsable = isFullPath(plan.program) && !hasDotSegment(plan.program);
  for (auto& pair : updateScriptPairs(lines)) {
    const std::string& d = pair.destination;
    bool inData =
        d.size() > dataFolder.size() &&
        equalsIgnoringCase(std::string_view(d).substr(0, dataFolder.size()), dataFolder) &&
        isSafeFileName(std::string_view(d).substr(dataFolder.size()));
    bool isProgram = programUsable && equalsIgnoringCase(d, plan.program);
    bool sourceOk = isFullPath(pair.source) && !hasDotSegment(pair.source) &&
                    !equalsIgnoringCase(pair.source, d);
    if (sourceOk && (inData || isProgram))
      plan.accepted.push_back(std::move(pair));
    else
      plan.refused.push_back(std::move(pair));
  }
  return plan;
}

}  // namespace scrubwell
