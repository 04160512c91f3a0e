// The process-wide cancel flag of the scans.
#include "scan/cancel_flag.h"

namespace scrubwell {

ProcessFlag& cancelFlag() {
  static ProcessFlag flag;
  return flag;
}

}  // namespace scrubwell
