// The speech balloons of the tour: one modal balloon per stage, with the
// stage's text, buttons and pointer labels (dialogs 166 and 167).
#pragma once
#include <windows.h>

#include "corvid/tour.h"

namespace varuno::corvid {

// What ended a balloon other than one of its buttons.
constexpr int kBalloonRightClicked = -2;  // the character was right-clicked
constexpr int kBalloonClosed = -3;        // the guide is closing
constexpr int kBalloonMainGone = -4;      // varuno's window went away before it opened

// Shows the balloon of `stage` beside `character` and returns when it
// closes: the pressed button's identifier or one of the results above. The
// farewell and the exit confirmation are owned by the character; the
// balloons of the tour sequence have no owner.
int run_balloon(TourStage stage, HWND character);

// The stage whose balloon is on show, or false when none is.
bool balloon_showing(TourStage& stage);

// Closes the balloon on show, its labels first, making run_balloon return
// `result`.
void end_balloon(int result);

} // namespace varuno::corvid
