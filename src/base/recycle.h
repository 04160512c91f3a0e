// Sending a file or folder to the recycle bin with the shell's delete operation (undo allowed,
// no confirmation, no progress, no error boxes).
#pragma once
#include <string>

namespace scrubwell {

// True when the shell reported success and did not abort. A drive root is refused.
bool sendToRecycleBin(const std::string& path);

// True when the drive of `path` ("X:\...") keeps a recycle bin: a local fixed disk. On other
// drives (removable, network, a share path) the shell's delete removes a file for good.
bool hasRecycleBin(const std::string& path);

}  // namespace scrubwell
