// The automatic search for temp folders, which fills the own-folder list: below each root it
// finds the folders named like temp folders (temporary_folders.h), hidden ones too, and does not
// look inside a folder it found. It reads each folder once, on the shared walk, so it never
// enters a link and honours the protected names, the search exceptions and the cancel flag.
#pragma once
#include <string>
#include <vector>

#include "scan/search_exceptions.h"
#include "scan/temporary_folders.h"
#include "scan/walk_progress.h"

namespace scrubwell {

class ProcessFlag;

// The temp folders below each of `roots` (each ending with "\"), in walk order, without a
// trailing "\".
std::vector<std::string> findTemporaryFolders(const std::vector<std::string>& roots,
                                              const TemporaryFolderNames& names,
                                              const SearchExceptions& exceptions,
                                              const ProcessFlag& cancel, WalkProgress* progress,
                                              DWORD sliceMs = 15);

}  // namespace scrubwell
