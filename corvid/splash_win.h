// The splash shown while the guide gets ready (dialog 105).
#pragma once
#include <windows.h>

#include <string_view>

#include "platform/dpi.h"
#include "platform/handles_win.h"
#include "resources/pixel_sizes.h"

namespace varuno::corvid {

class Guide;

// Opens the splash, paints it at once and keeps it on screen for a second;
// it closes with close() or with the object.
class Splash {
public:
    explicit Splash(Guide& guide);
    ~Splash() { close(); }
    Splash(const Splash&) = delete;
    Splash& operator=(const Splash&) = delete;
    void close();

private:
    static INT_PTR CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void paint(HDC dc) const;
    // Text whose top-left corner lies at `at` (96 DPI).
    void text_at(HDC dc, px96::Point at, std::string_view utf8) const;

    HWND window_ = nullptr;
    Dpi dpi_;  // of the monitor the splash opens on
    UniqueFont title_, note_, credits_;
    UniquePen rainbow_[5];
};

}  // namespace varuno::corvid
