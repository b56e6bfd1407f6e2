#pragma once
// The 32 x 32 picture of the tip of the day: a light bulb, drawn at run time.
#include <windows.h>

namespace vantor::extras {

// A new icon that the caller owns (DestroyIcon).
HICON CreateTipIcon();

}  // namespace vantor::extras
