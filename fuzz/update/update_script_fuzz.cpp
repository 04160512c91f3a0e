// Fuzz target: any bytes as an update script (and as a command line naming one); every accepted
// pair must write the program file of line 1 or a plain file directly in the data folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/safe_file_name.h"
#include "base/text_lines.h"
#include "base/update_script.h"
#include "platform/text_upper.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scrubwell;
  static const std::string kData = "C:\\Users\\u\\AppData\\Local\\Korvantis\\Scrubwell\\";
  std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)updateScriptArgument(text.substr(0, 400));
  const UpdateScriptPlan plan = planUpdateScript(splitLines(text), kData);
  for (const auto& pair : plan.accepted) {
    const std::string& d = pair.destination;
    const bool inData = d.size() > kData.size() &&
                        equalsIgnoringCase(d.substr(0, kData.size()), kData) &&
                        isSafeFileName(std::string_view(d).substr(kData.size()));
    if (!inData && !equalsIgnoringCase(d, plan.program)) __builtin_trap();
    // A name may begin with dots ("..notes.txt"); a path segment ".." never passes.
    if (d.find("\\..\\") != std::string::npos || endsWithIgnoringCase(d, "\\..")) __builtin_trap();
  }
  return 0;
}
