// Reading an update description ("update.ini") from its text: the INI layout the profile
// functions read (sections and keys ignoring case, the first of repeated keys wins, values
// trimmed and stripped of surrounding quotes), and the fields the update check uses. The text
// comes from a download, so every count and length is bounded and every listed file name must
// pass isSafeFileName.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

// A description larger than this is not a description; only this much is read.
constexpr size_t kMaxUpdateDescriptionBytes = 1024 * 1024;
// At most this many names are taken from each list ([files], [remove], [Suchausnahmen]).
constexpr int kMaxUpdateListEntries = 1000;

class IniText {
 public:
  explicit IniText(std::string_view text);
  // The value of a key; nothing when the section or the key is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string value(std::string_view section, std::string_view key,
                    std::string_view fallback) const;
  // Every key of a section (upper-cased) with its value; empty when the section is missing.
  const std::map<std::string, std::string>& section(std::string_view name) const;

 private:
  std::map<std::string, std::map<std::string, std::string>> sections_;  // upper-cased names
};

struct UpdateDescription {
  std::string updateUrl;                            // [updateinfo] updateurl, empty when missing
  std::string subversion;                           // [updateinfo] subverion
  std::optional<std::string> reinstallIfOlderThan;  // [updateinfo] reinstallIfOlderThen
  std::optional<std::string> reinstallGer, reinstallEngl;  // reinstallFileFullGer / ...Engl
  std::vector<std::string> files;     // [files] file1..fileN that pass isSafeFileName, no repeats
  std::vector<std::string> removals;  // [remove] the same
  std::vector<std::string> rejected;  // names of either list that failed isSafeFileName
  std::vector<std::string> exceptionMasks;  // [Suchausnahmen] Maske1..MaskeN, non-empty ones

  // [versions] value of a file name; -1 when missing or not an integer.
  int version(std::string_view name) const;
  // [types] value of a file name; "other" when missing or empty.
  std::string category(std::string_view name) const;

  std::map<std::string, int> versions;            // upper-cased names
  std::map<std::string, std::string> categories;  // upper-cased names
};

UpdateDescription parseUpdateDescription(std::string_view text);

}  // namespace scrubwell
