// The built-in file masks of the junk search, in their list order.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

const std::vector<std::string>& defaultJunkMasks();

}  // namespace scrubwell
