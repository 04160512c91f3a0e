// The process-wide cancel flag of the scans: the search progress window's "cancel" button sets
// it and every walk tests it after each directory entry.
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

}  // namespace scrubwell
