// The splash shown while the guide gets ready (dialog 105).
#pragma once
#include <windows.h>

namespace varuno::corvid {

// Opens the splash, paints it at once and keeps it on screen for a second;
// the caller closes it with DestroyWindow when the start-up is done.
HWND open_splash();

} // namespace varuno::corvid
