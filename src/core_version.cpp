// The program version shown in the results window's caption and status bar.
#include "core_version.h"

namespace scrubwell {
const char* const kVersionText = "8.75";
}
