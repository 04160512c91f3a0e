// The one instance of the process-wide start-up state.
#include "base/app_state.h"

namespace scrubwell {

AppState& appState() {
  static AppState state;
  return state;
}

}  // namespace scrubwell
