// The names of backup points in the backup folder: "n.bck" for n from 1 to 1000, and the
// continuation files "n.002", "n.003" ... of a point spread over several files.
#pragma once
#include <string_view>

namespace scrubwell {

bool isBackupPointFileName(std::string_view name);

}  // namespace scrubwell
