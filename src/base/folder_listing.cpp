// Folder sizes and listings of names and subfolders.
#include "base/file_ops.h"

#include "platform/find.h"
#include "platform/message_pump.h"
#include "platform/path_text.h"

namespace scrubwell {
int64_t folderSize(const std::string& folder, bool recursive) {
  // An empty folder stands for the root of the current drive.
  const std::string dir = folder.empty() ? std::string("\\") : withTrailingBackslash(folder);
  int64_t total = 0;
  std::vector<std::string> subfolders;
  FindFiles find(dir + "*.*", 63);
  while (find.next()) {
    total += find.size();
    if (recursive && find.isDirectory() && find.name()[0] != '.') subfolders.push_back(find.name());
  }
  for (const auto& sub : subfolders) total += folderSize(dir + sub, true);
  return total;
}

int64_t maskSize(const std::string& pattern) {
  int64_t total = 0;
  FindFiles find(pattern, 47);
  while (find.next()) total += find.size();
  return total;
}

std::vector<std::string> listNames(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  PumpSlice pump;
  FindFiles find(folder + mask, 47);
  while (find.next()) {
    if (!find.isDots()) names.emplace_back(find.name());
    pump();
  }
  return names;
}

std::vector<std::string> listSubfolders(const std::string& folder) {
  std::vector<std::string> names;
  PumpSlice pump;
  FindFiles find(folder + "*.*", 16);
  while (find.next()) {
    if (find.isDirectory() && !find.isDots()) names.emplace_back(find.name());
    pump();
  }
  return names;
}

}  // namespace scrubwell
