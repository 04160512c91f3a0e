// The six pictures of the update window's animation, drawn with GDI into any rectangle: a globe
// turning through four positions (pictures 1 to 4) and a download arrow over it, up and down
// (pictures 5 and 6).
#pragma once
#include <windows.h>

namespace scrubwell {

void drawUpdatePicture(HDC dc, const RECT& area, int picture);

}  // namespace scrubwell
