// Pacing of the walks: cancel after every entry, progress and message pumping on a time slice.
#include "scan/walk_progress.h"

#include "platform/message_pump.h"

namespace scrubwell {

WalkPacer::WalkPacer(const ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs)
    : cancel_(cancel), progress_(progress), slice_(sliceMs), last_(GetTickCount()) {}

bool WalkPacer::onSlice(const std::string& folder) {
  if (progress_) progress_->showFolder(folder);
  pumpMessages();
  ++pumps_;
  last_ = GetTickCount();
  // The cancel button may have been pressed during the pump.
  return !cancel_.isSet();
}

}  // namespace scrubwell
