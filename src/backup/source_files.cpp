// Expansion of backup file specifications into the list of files to store.
#include "backup/source_files.h"

#include <windows.h>

#include <unordered_set>

#include "platform/attribute_mask.h"
#include "platform/find.h"
#include "platform/message_pump.h"
#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

class Collector {
 public:
  Collector(const std::string& archiveName, TBackupMode mode)
      : archive_(archiveName.empty() ? std::string() : lowerFullPath(archiveName)), mode_(mode) {}

  void add(const std::string& specification) {
    std::string spec = toLowerInAnsiCodePage(specification);
    size_t recursive = spec.find("/s");
    spec = std::string(trimmedOfControls(std::string_view(spec).substr(0, recursive)));
    size_t cut = spec.find_last_of("\\:");
    std::string folder = cut == std::string::npos ? std::string() : spec.substr(0, cut + 1);
    walk(folder, spec.substr(folder.size()), recursive != std::string::npos);
  }

  std::vector<std::string> take() { return std::move(files_); }

 private:
  // Files of `folder` matching `namePart`; with `recursive` the sub-folders' files come first.
  void walk(const std::string& folder, const std::string& namePart, bool recursive) {
    if (recursive) {
      for (FindFiles sub(folder + "*.*", kAttrDirectory); sub.next();) {
        pump_();
        // No walk follows a link: a junction or symbolic link folder is not entered.
        if (sub.isDirectory() && !sub.isDots() &&
            !(sub.data().dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
          walk(lowerFullPath(folder + sub.name()) + "\\", namePart, true);
      }
    }
    for (FindFiles file(folder + namePart,
                        kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
         file.next();) {
      pump_();
      if (file.isDirectory()) continue;
      std::string candidate = lowerFullPath(folder + file.name());
      if (candidate == archive_ || seen_.count(candidate)) continue;
      if (mode_ == bmIncremental && !(file.data().dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE))
        continue;
      seen_.insert(candidate);
      files_.push_back(std::move(candidate));
    }
  }

  std::string archive_;
  TBackupMode mode_;
  std::unordered_set<std::string> seen_;  // all lower case, so equal ignoring case
  std::vector<std::string> files_;
  PumpSlice pump_;
};

}  // namespace

std::string lowerFullPath(const std::string& path) {
  char buffer[MAX_PATH * 2];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return toLowerInAnsiCodePage(n > 0 && n < sizeof buffer ? std::string(buffer, n) : path);
}

std::vector<std::string> collectSourceFiles(const std::vector<std::string>& specifications,
                                            const std::string& archiveName, TBackupMode mode) {
  Collector collector(archiveName, mode);
  for (const auto& spec : specifications) collector.add(spec);
  return collector.take();
}

}  // namespace scrubwell
