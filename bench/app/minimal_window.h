// The control id of the minimal window program's one button, which the bench waits for.
#pragma once
enum { kMinimalWindowButton = 100 };
