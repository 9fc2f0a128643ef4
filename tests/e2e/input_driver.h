// Acts on another program's windows as a person does: real mouse clicks and
// key strokes through SendInput, delivered to the foreground window by the
// system's own input path (under Wine too), so that focus, activation, menu
// mode and the controls' own key handling all take part.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace varuno::e2e::input {

// Brings `window` to the foreground and waits until it is there.
bool to_foreground(HWND window);

// Moves the pointer to a screen point (no button pressed).
void move_to(POINT screen);
// A left (or right) click at a screen point.
void click_at(POINT screen, bool right = false);
// A double click with the left button at a screen point.
void double_click_at(POINT screen);
// A left click at the centre of a window (a control, usually).
POINT centre_of(HWND window);
void click(HWND window);
// A left click on the drop-down arrow of a combo box.
POINT combo_arrow(HWND combo);
void click_combo_arrow(HWND combo);

// Under Wine a click sent to another program now and then goes nowhere when
// the window that was under the pointer before has just closed. A click
// whose effect can be seen is therefore repeated until `done` holds: up to
// `tries` clicks, each given a second to show its effect. Answers `done`.
bool click_until(POINT screen, const std::function<bool()>& done, int tries = 3);
bool click_until(HWND window, const std::function<bool()>& done, int tries = 3);
// The left button pressed at a screen point and held; released again.
void press_at(POINT screen);
void release();
// Presses the left button at `from`, moves to `to` in a few steps and
// releases it there: a drag.
void drag(POINT from, POINT to);

// Modifier keys held around a key stroke.
enum Modifiers : unsigned { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
// One key stroke (down and up) with the modifiers held around it.
void key(WORD vk, unsigned modifiers = kNone);
// Types text character by character, as an input method would deliver it.
void type(const std::wstring& text);

// The control that has the keyboard focus in the thread of `window`.
HWND focus_of(HWND window);
// The window of the thread of `window` that is active (the dialog on top).
HWND active_of(HWND window);
// Under Xvfb without a window manager Wine now and then takes the
// activation away again from a window that has just become active (its X
// focus moves on). Waits until `window`, active already, stays active and in
// the foreground for a moment, giving it the foreground back if it loses it.
bool stays_active(HWND window);
// Whether a combo box's list is dropped down.
bool dropped(HWND combo);

// Waits until the program that owns `window` has handled the input sent so
// far: it is idle and a message sent to the window has been answered.
void settle(HWND window);

}  // namespace varuno::e2e::input
