// The program version text ("8.75").
#pragma once

namespace scrubwell {
extern const char* const kVersionText;
}
