// The process-wide translation object and the text lookup every window uses for its captions.
#pragma once
#include <string>

#include "base/kv_trans2.h"

namespace scrubwell {

// The one translation object of the process (product name "Scrubwell"). Start-up loads it with
// translation().loadFromDataFolder(); until then every text is empty.
KvTrans2& translation();

// The text of `number` in the chosen language; empty for 10001 and above or a missing text.
std::string tr(int number);

}  // namespace scrubwell
