// The findings of the full registry check: one record per finding, kept together with the short
// text and description the results window shows for it and its check mark, so that a line and the
// registry entry it stands for can never drift apart.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace scrubwell {

// The keys the checks read, below their roots (no leading backslash).
inline constexpr const char* kAppPathsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kFontsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
inline constexpr const char* kFontsFallbackKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";
inline constexpr const char* kSharedDllsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Where a finding of the full check comes from.
enum class FindingKind : int32_t {
  appPath = 1,    // a subkey of the application-paths key
  font = 2,       // a value of a fonts key
  sharedDll = 3,  // a value of the shared-DLLs key
  fileType = 4,   // an extension key of the classes root
};

struct RegistryRecord {
  FindingKind Kind = FindingKind::appPath;
  std::string EntryName;  // the key or value name to remove
  std::string KeyPath;    // the fonts key that holds the value (fonts only)
};

struct RegistryFinding {
  RegistryRecord record;
  std::string shortText;    // the line of the checkable list
  std::string description;  // shown when the line is clicked
  bool checked = true;
  std::string target;  // the missing file or program the entry points at
};

// The line /preview writes for a finding, fields separated by tabs: its kind ("apppath", "font",
// "shareddll" or "filetype"), its key, the value name ("@" for the default value, empty for a
// file type, whose keys go whole) and the missing target.
std::string previewLine(const RegistryFinding& finding);

// The findings table: at most kCapacity findings; line i of the results lists is finding i.
class RegistryFindings {
 public:
  static constexpr size_t kCapacity = 1000;

  // Adds a finding while fewer than kCapacity are held; false (and nothing added) when full.
  bool add(RegistryFinding finding);
  void clear() { lines_.clear(); }

  size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  const RegistryFinding& operator[](size_t line) const { return lines_[line]; }
  const std::vector<RegistryFinding>& lines() const { return lines_; }

  void setChecked(size_t line, bool checked);
  void setAllChecked(bool checked);
  size_t checkedCount() const;

 private:
  std::vector<RegistryFinding> lines_;
};

// The invalid entries of the uninstall check: one line per entry, its display name shown.
struct UninstallFinding {
  std::string displayName;
  std::string uninstallCommand;
  std::string subkey;  // the entry's key under the uninstall key
  bool selected = true;
};

struct UninstallFindings {
  std::vector<std::string> allSubkeys;  // every subkey of the uninstall key
  std::vector<UninstallFinding> lines;
  void clear() {
    allSubkeys.clear();
    lines.clear();
  }
  void setAllSelected(bool selected) {
    for (auto& l : lines) l.selected = selected;
  }
};

}  // namespace scrubwell
