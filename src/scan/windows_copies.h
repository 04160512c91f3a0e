// The Windows copies of file names: for each name, the file of that name directly in the Windows
// folder, else in its "system32\" subfolder, else in its "system\" subfolder. The three folders
// are read once when the lookup is built (once per scan), so a lookup is one map search instead
// of existence tests; each copy is opened at most once, the first time a size is asked of it.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/file_identity.h"

namespace scrubwell {

class WindowsCopies {
 public:
  // Reads the files of `windowsFolder` (with or without a trailing "\") and of its "system32\"
  // and "system\" subfolders. A folder that cannot be read gives no copies.
  explicit WindowsCopies(std::string windowsFolder);
  // The lookup of the system's Windows folder (GetWindowsDirectoryA).
  static WindowsCopies ofSystem();

  // The Windows folder as given, without a trailing "\"; empty when the system named none.
  const std::string& windowsFolder() const { return windowsFolder_; }

  // The full path of the Windows copy of `name` (case ignored); empty when there is none.
  const std::string& pathOf(std::string_view name) const;
  // The size and identity of the Windows copy of `name`, from opening it read-only; nullptr when
  // there is no copy or it cannot be opened (the answer is kept for the next call).
  const OpenedFileFacts* factsOf(std::string_view name);

  size_t size() const { return copies_.size(); }

 private:
  struct Copy {
    std::string path;
    bool opened = false;
    std::optional<OpenedFileFacts> facts;
  };
  Copy* find(std::string_view name);
  const Copy* find(std::string_view name) const;
  void addFilesOf(const std::string& folder);  // keeps a name already known

  std::string windowsFolder_;
  std::unordered_map<std::string, Copy> copies_;  // by upper-cased name
};

}  // namespace scrubwell
