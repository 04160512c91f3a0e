// The process-wide translation object and the text lookup.
#include "base/texts.h"

#include "base/app_state.h"

namespace scrubwell {

KvTrans2& translation() {
  static KvTrans2 instance(kProductName);
  return instance;
}

std::string tr(int number) { return translation().text(number); }

}  // namespace scrubwell
