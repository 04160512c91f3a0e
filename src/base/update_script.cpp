// Applying a pending update script at start-up.
#include "base/update_script.h"

#include <windows.h>

#include "base/data_folder.h"
#include "base/file_ops.h"
#include "platform/path_text.h"

namespace scrubwell {

bool applyUpdateScript(const std::string& productName) {
  const std::string script = locateFile(productName, "updatescript.dat");
  if (!fileExists(script)) return false;
  const std::string folder = folderOf(script);
  for (const auto& pair : planUpdateScript(readLines(script), folder).accepted) {
    if (fileExists(pair.source)) copyFileByStream(pair.source, pair.destination);
    DeleteFileA(pair.source.c_str());
  }
  DeleteFileA(script.c_str());
  return true;
}

}  // namespace scrubwell
