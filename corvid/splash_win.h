// The splash shown while the guide gets ready (dialog 105).
#pragma once
#include <windows.h>

#include "platform/handles_win.h"

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

    HWND window_ = nullptr;
    UniqueFont title_, note_, credits_;
    UniquePen rainbow_[5];
};

} // namespace varuno::corvid
