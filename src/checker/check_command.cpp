// The command line of Checker.exe.
#include "checker/check_command.h"

#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view parametersOf(std::string_view commandLine) {
  if (!commandLine.empty() && commandLine.front() == '"') {
    size_t close = commandLine.find('"', 1);
    return close == std::string_view::npos ? std::string_view() : commandLine.substr(close + 1);
  }
  for (size_t i = 0; i + 4 <= commandLine.size(); ++i) {
    if (!equalsIgnoringCase(commandLine.substr(i, 4), ".exe")) continue;
    size_t end = i + 4;
    if (end == commandLine.size() || isBlank(commandLine[end])) return commandLine.substr(end);
  }
  size_t blank = commandLine.find_first_of(" \t");
  return blank == std::string_view::npos ? std::string_view() : commandLine.substr(blank);
}

bool isCheckRequest(std::string_view parameters) {
  std::string_view p = trimmed(parameters);
  // The switch may also come as one quoted argument, as in "/check" or " /check ".
  if (p.size() >= 2 && p.front() == '"' && p.back() == '"') p = trimmed(p.substr(1, p.size() - 2));
  return equalsIgnoringCase(p, "/check");
}

}  // namespace scrubwell
