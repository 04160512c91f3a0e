// Expansion of backup file specifications into the list of files to store.
#include "backup/source_files.h"

#include <windows.h>

#include <unordered_map>
#include <unordered_set>

#include "platform/attribute_mask.h"
#include "platform/find.h"
#include "platform/long_path.h"
#include "platform/message_pump.h"
#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// A file specification taken apart: folder (ending in "\" or ":"), name part and "/s".
struct Specification {
  std::string folder, namePart;
  bool recursive = false;
  // A plain name names one file: it is looked up, not searched for.
  bool plain() const {
    return !recursive && !namePart.empty() && namePart.find_first_of("*?") == std::string::npos;
  }
};

Specification parse(const std::string& specification) {
  Specification s;
  std::string spec = toLowerInAnsiCodePage(specification);
  size_t recursive = spec.find("/s");
  s.recursive = recursive != std::string::npos;
  std::string_view text = std::string_view(spec).substr(0, recursive);
  // Blanks around a specification are ignored, unless the blank belongs to the name of a file.
  const bool namesFile = !s.recursive && !text.empty() && text.back() == ' ' &&
                         pathAttributes(std::string(text)) != INVALID_FILE_ATTRIBUTES;
  spec = std::string(namesFile ? text : trimmedOfControls(text));
  size_t cut = spec.find_last_of("\\:");
  s.folder = cut == std::string::npos ? std::string() : spec.substr(0, cut + 1);
  s.namePart = spec.substr(s.folder.size());
  return s;
}

// A folder with at least this many plain names among the specifications is listed once, and the
// names are looked up in the listing instead of one search each.
constexpr size_t kListFolderFrom = 8;

class Collector {
 public:
  Collector(const std::string& archiveName, TBackupMode mode)
      : archive_(archiveName.empty() ? std::string() : lowerFullPath(archiveName)), mode_(mode) {}

  void listFolder(const std::string& folder) { listings_.try_emplace(folder); }

  void add(const Specification& spec) {
    // A name the search cannot take as it is (it ends in a dot or a blank, or the path is too
    // long) is looked up in the "\\?\" form.
    if (spec.plain() && needsSystemPath(spec.folder + spec.namePart)) {
      DWORD attributes = pathAttributes(spec.folder + spec.namePart);
      if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        take(spec.folder, spec.namePart, attributes);
      return;
    }
    auto listing = spec.plain() ? listings_.find(spec.folder) : listings_.end();
    if (listing == listings_.end()) return walk(spec.folder, spec.namePart, spec.recursive);
    if (!listing->second.filled) fill(spec.folder, listing->second);
    // Like the search, a name matches a long or a short name.
    auto found = listing->second.names.find(spec.namePart);
    if (found != listing->second.names.end())
      take(spec.folder, found->second.name, found->second.attributes);
  }

  std::vector<std::string> take() { return std::move(files_); }

 private:
  struct Entry {
    std::string name;
    DWORD attributes;
  };
  struct Listing {
    bool filled = false;
    std::unordered_map<std::string, Entry> names;  // long and short names in lower case
  };

  static constexpr DWORD kFileMask = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

  void fill(const std::string& folder, Listing& listing) {
    listing.filled = true;
    for (FindFiles file(folder + "*.*", kFileMask); file.next();) {
      pump_();
      if (file.isDirectory()) continue;
      Entry entry{file.name(), file.data().dwFileAttributes};
      listing.names.emplace(toLowerInAnsiCodePage(file.name()), entry);
      if (file.data().cAlternateFileName[0])
        listing.names.emplace(toLowerInAnsiCodePage(file.data().cAlternateFileName), entry);
    }
  }

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
    for (FindFiles file(folder + namePart, kFileMask); file.next();) {
      pump_();
      if (!file.isDirectory()) take(folder, file.name(), file.data().dwFileAttributes);
    }
  }

  void take(const std::string& folder, const std::string& name, DWORD attributes) {
    std::string candidate = lowerFullPath(folder + name);
    if (candidate == archive_ || seen_.count(candidate)) return;
    if (mode_ == bmIncremental && !(attributes & FILE_ATTRIBUTE_ARCHIVE)) return;
    seen_.insert(candidate);
    files_.push_back(std::move(candidate));
  }

  std::string archive_;
  TBackupMode mode_;
  std::unordered_set<std::string> seen_;  // all lower case, so equal ignoring case
  std::vector<std::string> files_;
  std::unordered_map<std::string, Listing> listings_;  // by folder, for the folders listed
  PumpSlice pump_;
};

}  // namespace

std::string lowerFullPath(const std::string& path) {
  // The system's full-path rule drops a trailing dot or blank, but the file's name has them.
  const size_t cut = path.find_last_of('\\');
  if (cut != std::string::npos && cut + 1 < path.size() && needsSystemPath(path) &&
      path.find_first_not_of(". ", cut + 1) != std::string::npos)
    return lowerFullPath(path.substr(0, cut + 1)) + toLowerInAnsiCodePage(path.substr(cut + 1));
  char buffer[MAX_PATH * 2];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return toLowerInAnsiCodePage(n > 0 && n < sizeof buffer ? std::string(buffer, n) : path);
}

std::vector<std::string> collectSourceFiles(const std::vector<std::string>& specifications,
                                            const std::string& archiveName, TBackupMode mode) {
  Collector collector(archiveName, mode);
  std::vector<Specification> specs;
  specs.reserve(specifications.size());
  std::unordered_map<std::string, size_t> plainNames;  // per folder
  for (const auto& text : specifications) {
    specs.push_back(parse(text));
    if (specs.back().plain() && ++plainNames[specs.back().folder] == kListFolderFrom)
      collector.listFolder(specs.back().folder);
  }
  for (const auto& spec : specs) collector.add(spec);
  return collector.take();
}

}  // namespace scrubwell
