// Applying a pending update script at start-up.
#include "base/update_script.h"

#include <windows.h>

#include "base/data_folder.h"
#include "base/file_ops.h"
#include "platform/text_upper.h"

namespace scrubwell {

bool applyUpdateScript(const std::string& productName) {
  const std::string script = locateFile(productName, "updatescript.dat");
  if (!fileExists(script)) return false;
  for (const auto& pair : updateScriptPairs(readLines(script))) {
    // A pair naming the same file twice would copy it onto itself and then delete it.
    if (equalsIgnoringCase(pair.source, pair.destination)) continue;
    if (!pair.destination.empty() && fileExists(pair.source))
      copyFileByStream(pair.source, pair.destination);
    if (!pair.source.empty()) DeleteFileA(pair.source.c_str());
  }
  DeleteFileA(script.c_str());
  return true;
}

}  // namespace scrubwell
