// The two choices of the browser clean-up: whether cookies and whether the visited-links history
// go too. Both are off unless the user ticks them; the cache always goes.
#pragma once

namespace scrubwell {

struct BrowserOptions {
  bool cookies = false;
  bool history = false;
};

}  // namespace scrubwell
