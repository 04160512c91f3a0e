// Where the temporary files are: the user's temporary folder (%TEMP%) and the Windows folder's
// temp and tmp folders, each passed through the folder gate, so a TEMP that names a drive root
// ("C:", "D:\"), the Windows folder in any spelling, or a protected folder is never walked, and
// no folder is walked twice under two spellings. The temp-folder scan, the empty-folder sweep
// after its removal and the multi-clean's temp test all take their folders from here.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

// The folders to walk for temporary files, in order (user's temporary folder first), each
// absolute, in long form, with one trailing "\". A folder lying inside an earlier one is left
// out; so are missing ones.
std::vector<std::string> temporaryScanFolders();
// The same judged against `guarded` instead of the protected folders (tests).
std::vector<std::string> temporaryScanFolders(const std::vector<std::string>& guarded);

// The temp-folder name test of the automatic search for temp folders: a folder (ending with "\")
// is named like a temp folder when its path holds "\TEMP\", "\TMP\" or "\CACHE4\", and it lies
// in none of the folders the temp-folder scan itself walks. Built once per search: it resolves
// those folders to their long form, so a TEMP given in short form is still recognised.
class TemporaryFolderNames {
 public:
  TemporaryFolderNames();
  explicit TemporaryFolderNames(std::vector<std::string> scannedFolders);
  bool isTemporaryFolder(const std::string& folder) const;

 private:
  std::vector<std::string> scannedUpper_;  // upper case, each ending with "\"
};

}  // namespace scrubwell
