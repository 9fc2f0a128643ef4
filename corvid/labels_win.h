// The pointer labels of the balloon on show: blinking red rings with a
// caption around controls of varuno's main window (dialog 168, modeless).
#pragma once
#include <windows.h>

#include "corvid/tour.h"

namespace varuno::corvid {

// Opens the stage's labels around their targets in `main_window`, measured
// now. A target that the window does not have gets no label.
void open_labels(TourStage stage, HWND main_window, HWND balloon);

// Destroys the labels of the balloon and forgets their texts.
void close_labels();

// While a balloon button is held down the labels keep blinking in step but
// do not repaint, so that the press is not disturbed.
void set_button_held(bool held);

} // namespace varuno::corvid
