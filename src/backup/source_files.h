// Collects the files a backup stores from its file specifications: paths with the wildcards "*"
// and "?", optionally followed by "/s" for all sub-folders, expanded to full lower-case paths.
#pragma once
#include <string>
#include <vector>

#include "backup/archive_format.h"

namespace scrubwell {

// The files of `specifications` in order, each once; sub-folders (hidden and system ones and links are
// not entered) come before the files of their parent. Hidden, system and read-only files are
// included; the archive itself is left out; with bmIncremental only files with the archive
// attribute are taken.
std::vector<std::string> collectSourceFiles(const std::vector<std::string>& specifications,
                                            const std::string& archiveName, TBackupMode mode);

// The full path of `path` in lower case (the form names are stored in).
std::string lowerFullPath(const std::string& path);

}  // namespace scrubwell
