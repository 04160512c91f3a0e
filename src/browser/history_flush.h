// Clearing the system URL history, and the flush that makes it forget today's entries too: the
// history keeps the current day's entries through a clear, so the clock is set a day forward,
// an entry is added and the history cleared again, and the clock is set back. The clock goes
// through the clock seam, so a test clock records the requests and the host's clock stays.
#pragma once
#include "browser/url_history.h"
#include "platform/seams.h"

namespace scrubwell {

// Clears the history and deletes the entries "*.*", "." and "Heute" the clear leaves behind.
// True when the clear itself succeeded.
bool clearUrlHistory(UrlHistoryStore& store);

// `utc` moved by `ms` milliseconds (either way), a valid date across month and year ends.
SYSTEMTIME shiftedTime(const SYSTEMTIME& utc, LONGLONG ms);

// Clears the history and flushes it with the clock trick; true when the history was cleared.
// When the first clear fails the clock is not touched at all. The forward time is the current
// UTC time plus a day; the clock is set back only when that step succeeded, to the remembered
// time plus the milliseconds that passed meanwhile, on every way out (an exception included).
bool flushUrlHistory(UrlHistoryStore& store, Clock& clock);

}  // namespace scrubwell
