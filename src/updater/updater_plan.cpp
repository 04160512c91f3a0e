// The updater's command-line and destination rules.
#include "updater/updater_plan.h"

#include "platform/text_upper.h"
#include "update/safe_file_name.h"

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

std::optional<std::string> updaterScriptArgument(std::string_view args) {
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

UpdaterPlan planUpdate(const std::vector<std::string>& lines, const std::string& dataFolder) {
  UpdaterPlan plan;
  if (lines.empty()) return plan;
  plan.program = lines[0];
  const bool programUsable = isFullPath(plan.program) && !hasDotSegment(plan.program);
  for (auto& pair : updateScriptPairs(lines)) {
    const std::string& d = pair.destination;
    bool inData = d.size() > dataFolder.size() &&
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
