// The process-wide flags of the scans.
#include "scan/cancel_flag.h"

namespace scrubwell {

ProcessFlag& cancelFlag() {
  static ProcessFlag flag;
  return flag;
}

ProcessFlag& tempSweepPendingFlag() {
  static ProcessFlag flag;
  return flag;
}

}  // namespace scrubwell
