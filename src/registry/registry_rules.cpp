// The text rules of the registry check.
#include "registry/registry_rules.h"

#include <array>

#include "platform/text_upper.h"

namespace scrubwell {

std::string stripSurroundingQuotes(std::string_view text) {
  if (text.size() > 2 && text.front() == '"' && text.back() == '"')
    return std::string(text.substr(1, text.size() - 2));
  return std::string(text);
}

bool isExempt(std::string_view text) {
  static constexpr std::array<std::string_view, 4> kWords = {"ACTIVESYNC", "INCRED", "NIKONVIEW",
                                                             "OPENOFFICE"};
  const std::string upper = toUpper(text);
  for (std::string_view word : kWords)
    if (upper.find(word) != std::string::npos) return true;
  return false;
}

std::string fileTypeProgramPath(std::string_view raw) {
  const std::string command = stripSurroundingQuotes(stripSurroundingQuotes(raw));
  if (command.size() <= 10 || command.compare(1, 2, ":\\") != 0) return {};
  // Up to the first "." that has three characters after it; without one, the whole command.
  size_t end = command.size();
  for (size_t p = 0; p + 3 < command.size(); ++p)
    if (command[p] == '.') {
      end = p + 4;
      break;
    }
  if (end < command.size() && command[end] != ' ' && command[end] != '"') return {};
  std::string path = command.substr(0, end);
  size_t first = path.find_first_not_of('"');
  path = first == std::string::npos ? std::string() : path.substr(first);
  if (size_t quote = path.find('"'); quote != std::string::npos) path.resize(quote);
  return path;
}

bool fileTypeCommandInvalid(const std::string& extension, const std::string& command,
                            const std::string& path, const PathTest& fileExists) {
  if (path.empty() || extension.size() <= 1) return false;
  if (path.find('%', 1) != std::string::npos) return false;
  if (toUpper(path).find("\\NAVW32") != std::string::npos) return false;
  if (isExempt(command)) return false;
  return !fileExists(path) && !fileExists(path + ".exe") && !fileExists(path + ".lnk");
}

std::string uninstallProgramPath(std::string_view s) {
  const size_t dot = s.find('.');
  const size_t d = dot == std::string_view::npos ? 0 : dot + 1;  // counted from 1
  if (d + 2 >= s.size()) return {};
  const std::string_view t = s.substr(0, d + 3);
  if (t.size() <= 10 || t.substr(t.size() - 3) != "exe" || t.find('\\') == std::string_view::npos ||
      t[1] != ':')
    return {};
  return std::string(t);
}

std::string argumentDirectory(std::string_view s) {
  if (s.size() <= 12) return {};
  const std::string_view a = s.substr(uninstallProgramPath(s).size());
  const size_t b = a.rfind('\\');
  const size_t c = a.rfind(':');
  if (b == std::string_view::npos || c == std::string_view::npos || c == 0) return {};
  if (c + 2 >= a.size() || c >= b) return {};
  const std::string_view dir = a.substr(c - 1, b - (c - 1));
  if (dir.size() < 6 || dir[1] != ':') return {};
  return std::string(dir);
}

bool uninstallEntryInvalid(std::string_view command, const PathTest& fileExists,
                           const PathTest& folderExists) {
  const std::string program = uninstallProgramPath(command);
  if (program.empty()) return false;
  const std::string dir = argumentDirectory(command);
  if (dir.empty()) return program.size() == command.size() && !fileExists(program);
  return !fileExists(program) || !folderExists(dir);
}

}  // namespace scrubwell
