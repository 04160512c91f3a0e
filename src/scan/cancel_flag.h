// The process-wide flags of the scans: the cancel flag that the search progress window's
// "cancel" button sets and every walk tests after each directory entry, and the
// temp-sweep-pending flag the temporary-folder scan leaves for the removal.
#pragma once

namespace scrubwell {

class ProcessFlag {
 public:
  void set() { value_ = true; }
  void clear() { value_ = false; }
  bool isSet() const { return value_; }

 private:
  volatile bool value_ = false;
};

// Set by the search progress window's "cancel"; cleared by the scan launcher after its walk.
ProcessFlag& cancelFlag();
// Set when the temporary-folder scan filled the result list; the removal clears it and sweeps
// the temporary folder's empty folders.
ProcessFlag& tempSweepPendingFlag();

}  // namespace scrubwell
