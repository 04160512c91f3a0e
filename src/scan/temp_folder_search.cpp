// The automatic search for temp folders.
#include "scan/temp_folder_search.h"

#include "platform/attribute_mask.h"
#include "scan/drive_walk.h"
#include "scan/is_allowed.h"

namespace scrubwell {
namespace {

constexpr uint32_t kSearchedFolders = kAttrHidden | kAttrDirectory;  // hidden ones, no system ones

class TemporaryFolderRules : public FolderRules {
 public:
  TemporaryFolderRules(const TemporaryFolderNames& names, const SearchExceptions& exceptions,
                       std::vector<std::string>& found)
      : names_(names), exceptions_(exceptions), found_(found) {}

  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    enterLast_ = false;
    if (!isFolder(entry) || isLink(entry) ||
        !passesAttributeMask(entry.dwFileAttributes, kSearchedFolders) ||
        !isAllowed(folder, entry.cFileName, "", false, exceptions_))
      return;
    const std::string path = folder + entry.cFileName;
    if (names_.isTemporaryFolder(path + "\\"))
      found_.push_back(path);
    else
      enterLast_ = true;
  }
  // Asked right after entry() for the same folder entry.
  bool entersFolder(const WIN32_FIND_DATAA&) const override { return enterLast_; }

 private:
  const TemporaryFolderNames& names_;
  const SearchExceptions& exceptions_;
  std::vector<std::string>& found_;
  bool enterLast_ = false;
};

}  // namespace

std::vector<std::string> findTemporaryFolders(const std::vector<std::string>& roots,
                                              const TemporaryFolderNames& names,
                                              const SearchExceptions& exceptions,
                                              const ProcessFlag& cancel, WalkProgress* progress,
                                              DWORD sliceMs) {
  std::vector<std::string> found;
  TemporaryFolderRules rules(names, exceptions, found);
  DriveWalk walk(exceptions, cancel, progress);
  walk.setSliceMs(sliceMs);
  for (const std::string& root : roots)
    if (!walk.walk(root, rules)) break;
  return found;
}

}  // namespace scrubwell
