// What the two balloon panels share (the kind panel and the favourites
// panel): borderless dialogs cut into a speech balloon whose tail points
// left towards the function buttons, in a colour of their own.
#pragma once
#include <windows.h>

#include "platform/handles_win.h"

namespace varuno {

enum class PanelMode { kKinds, kFavourites };

// The balloon look of one panel while it is open.
class BalloonPanel {
public:
    explicit BalloonPanel(PanelMode mode);
    // At the panel's WM_INITDIALOG: hides the shape markers, moves the panel
    // 40 pixels right of and 53 below where it was created, makes it
    // topmost, shows it, and cuts it to the balloon.
    void open(HWND panel);
    // The answer to WM_CTLCOLORDLG and WM_CTLCOLORSTATIC: the mode's
    // background, black text on a transparent background.
    INT_PTR colour(HDC dc) const;

private:
    UniqueBrush brush_;
};

}  // namespace varuno
