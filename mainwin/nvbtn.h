// Picture buttons of the main window: every state of a button is a bitmap
// control of its own, all stacked at one place; this class keeps one of them
// visible, follows the mouse over them and reports clicks to the window
// (WM_NVBTN: wParam the reported id, lParam the new state). It also lets the
// user drag the captionless window by a strip along its top.
#pragma once
#include <cstdint>
#include <vector>

#include "mainwin/nvbtn_host.h"

namespace varuno {

inline constexpr int kMouseLeftButton = 0x0001;  // MK_LBUTTON of the mouse key state

class NvbtnCls {
public:
    NvbtnCls(int push_capacity, int toggle_capacity, int radio_capacity);
    virtual ~NvbtnCls();

    // The Initial family: `hw` must be set first.
    void InitialPush(int normal, int pressed, int hover, int fourth);
    void InitialToggle(int on, int off, int hover_on, int hover_off, int state);
    void InitialRadio(int first_selected, int first_unselected, int first_hover_selected, int first_hover_unselected,
                      int options, int selected);
    // An edge of -1 is the client area's bottom (bottom) or right edge
    // (right); with `follow` set it is resolved again at every press.
    void SetDragArea(int top, int bottom, int left, int right, int follow);

    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnMouseMove(int keys, int x, int y);
    // What a click on the button that reports `id` does, for its keyboard
    // shortcut: a push button reports, a toggle flips, a radio option is
    // selected; the pictures follow. False when no button reports `id`.
    bool Press(int id);

    std::int32_t push_count = 0, push_capacity;
    std::vector<std::int32_t> push_normal, push_pressed, push_hover, push_fourth, push_width, push_height;
    std::int32_t toggle_count = 0, toggle_capacity;
    std::vector<std::int32_t> toggle_on, toggle_off, toggle_hover_on, toggle_hover_off, toggle_width, toggle_height,
        toggle_state;
    std::int32_t radio_count = 0, radio_capacity;
    std::vector<std::int32_t> radio_options, radio_selected_id, radio_unselected_id, radio_hover_selected_id,
        radio_hover_unselected_id, radio_width, radio_height, radio_selected;
    std::int32_t drag_left = 0, drag_top = 0, drag_right = 0, drag_bottom = 0;
    std::int32_t drag_follow = 0;  // 1: bottom follows the client area, 2: right, 3: both
    NvWindow hw = nullptr;

private:
    bool ready();
    bool on_control(int id, int screen_x, int screen_y) const;
    void show_push(int i, int visible_id);
    void show_toggle(int i, bool hover);
    void show_radio_option(int g, int k, bool hover);
    void press_push(int i);
    void press_toggle(int i);
    void press_radio(int g, int k);
};

}  // namespace varuno
