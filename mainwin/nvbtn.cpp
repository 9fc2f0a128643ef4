#include "mainwin/nvbtn.h"

#include "platform/cp932.h"

namespace varuno {
namespace {

constexpr int kFollowBottom = 1, kFollowRight = 2;

}  // namespace

NvbtnCls::NvbtnCls(int pushes, int toggles, int radios)
    : push_capacity(pushes), toggle_capacity(toggles), radio_capacity(radios) {
    for (auto* a : {&push_normal, &push_pressed, &push_hover, &push_fourth, &push_width, &push_height})
        a->assign(static_cast<std::size_t>(pushes), 0);
    for (auto* a :
         {&toggle_on, &toggle_off, &toggle_hover_on, &toggle_hover_off, &toggle_width, &toggle_height, &toggle_state})
        a->assign(static_cast<std::size_t>(toggles), 0);
    for (auto* a : {&radio_options, &radio_selected_id, &radio_unselected_id, &radio_hover_selected_id,
                    &radio_hover_unselected_id, &radio_width, &radio_height, &radio_selected})
        a->assign(static_cast<std::size_t>(radios), 0);
}

NvbtnCls::~NvbtnCls() = default;

bool NvbtnCls::ready() {
    if (hw) return true;
    nvbtn_host::program_error(cp932::from_utf8("NvbtnClsクラスのメンバ変数HWND hwが定義されていません。"
                                               "Initial系でhw=hDlgと定義してください。")
                                  .c_str(),
                              cp932::from_utf8("プログラムエラー").c_str());
    return false;
}

// Strictly inside the control's rectangle, in screen coordinates.
bool NvbtnCls::on_control(int id, int x, int y) const {
    NvRect r{};
    if (!nvbtn_host::control_rect(hw, id, r)) return false;
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

void NvbtnCls::show_push(int i, int visible_id) {
    for (int id : {push_normal[i], push_pressed[i], push_hover[i], push_fourth[i]})
        nvbtn_host::show(hw, id, id == visible_id);
}

void NvbtnCls::show_toggle(int i, bool hover) {
    const bool on = toggle_state[i] == 1;
    nvbtn_host::show(hw, toggle_on[i], !hover && on);
    nvbtn_host::show(hw, toggle_off[i], !hover && !on);
    nvbtn_host::show(hw, toggle_hover_on[i], hover && on);
    nvbtn_host::show(hw, toggle_hover_off[i], hover && !on);
}

void NvbtnCls::show_radio_option(int g, int k, bool hover) {
    const bool selected = radio_selected[g] == k;
    nvbtn_host::show(hw, radio_selected_id[g] + 4 * k, !hover && selected);
    nvbtn_host::show(hw, radio_unselected_id[g] + 4 * k, !hover && !selected);
    nvbtn_host::show(hw, radio_hover_selected_id[g] + 4 * k, hover && selected);
    nvbtn_host::show(hw, radio_hover_unselected_id[g] + 4 * k, hover && !selected);
}

void NvbtnCls::InitialPush(int normal, int pressed, int hover, int fourth) {
    if (!ready() || push_count >= push_capacity) return;
    const int i = push_count++;
    push_normal[i] = normal;
    push_pressed[i] = pressed;
    push_hover[i] = hover;
    push_fourth[i] = fourth;
    nvbtn_host::control_size(hw, normal, push_width[i], push_height[i]);
    show_push(i, normal);
}

void NvbtnCls::InitialToggle(int on, int off, int hover_on, int hover_off, int state) {
    if (!ready() || toggle_count >= toggle_capacity) return;
    const int i = toggle_count++;
    toggle_on[i] = on;
    toggle_off[i] = off;
    toggle_hover_on[i] = hover_on;
    toggle_hover_off[i] = hover_off;
    toggle_state[i] = state == 1 ? 1 : 0;
    nvbtn_host::control_size(hw, on, toggle_width[i], toggle_height[i]);
    show_toggle(i, false);
}

void NvbtnCls::InitialRadio(int first_selected, int first_unselected, int first_hover_selected,
                            int first_hover_unselected, int options, int selected) {
    if (!ready() || radio_count >= radio_capacity) return;
    const int g = radio_count++;
    radio_options[g] = options;
    radio_selected_id[g] = first_selected;
    radio_unselected_id[g] = first_unselected;
    radio_hover_selected_id[g] = first_hover_selected;
    radio_hover_unselected_id[g] = first_hover_unselected;
    radio_selected[g] = selected;
    nvbtn_host::control_size(hw, first_selected, radio_width[g], radio_height[g]);
    for (int k = 0; k < options; ++k) show_radio_option(g, k, false);
}

void NvbtnCls::SetDragArea(int top, int bottom, int left, int right, int follow) {
    const NvRect client = hw ? nvbtn_host::client_rect(hw) : NvRect{0, 0, 0, 0};
    drag_top = top;
    drag_left = left;
    drag_follow = 0;
    drag_bottom = bottom;
    drag_right = right;
    if (bottom == -1) {
        if (follow) drag_follow |= kFollowBottom;
        drag_bottom = client.bottom;
    }
    if (right == -1) {
        if (follow) drag_follow |= kFollowRight;
        drag_right = client.right;
    }
}

void NvbtnCls::OnLButtonDown(int x, int y) {
    if (!hw) return;
    int sx = x, sy = y;
    nvbtn_host::client_to_screen(hw, sx, sy);
    for (int i = 0; i < push_count; ++i) {
        if (on_control(push_normal[i], sx, sy)) {
            show_push(i, push_pressed[i]);
            return;
        }
    }
    for (int i = 0; i < toggle_count; ++i)
        if (on_control(toggle_on[i], sx, sy)) return;
    for (int g = 0; g < radio_count; ++g)
        for (int k = 0; k < radio_options[g]; ++k)
            if (on_control(radio_selected_id[g] + 4 * k, sx, sy)) return;

    const NvRect client = nvbtn_host::client_rect(hw);
    if (drag_follow & kFollowBottom) drag_bottom = client.bottom;
    if (drag_follow & kFollowRight) drag_right = client.right;
    if (drag_top < y && y < drag_bottom && drag_left < x && x < drag_right) nvbtn_host::start_drag(hw);
}

void NvbtnCls::press_push(int i) {
    show_push(i, push_normal[i]);
    nvbtn_host::report(hw, push_normal[i], 0);
}

void NvbtnCls::press_toggle(int i) {
    toggle_state[i] = toggle_state[i] == 1 ? 0 : 1;
    show_toggle(i, false);
    nvbtn_host::report(hw, toggle_on[i], toggle_state[i]);
}

void NvbtnCls::press_radio(int g, int k) {
    radio_selected[g] = k;
    for (int l = 0; l < radio_options[g]; ++l) show_radio_option(g, l, false);
    nvbtn_host::report(hw, radio_selected_id[g] + 4 * k, k);
}

void NvbtnCls::OnLButtonUp(int x, int y) {
    if (!hw) return;
    nvbtn_host::client_to_screen(hw, x, y);
    for (int i = 0; i < push_count; ++i)
        if (on_control(push_normal[i], x, y)) return press_push(i);
    for (int i = 0; i < toggle_count; ++i)
        if (on_control(toggle_on[i], x, y)) return press_toggle(i);
    for (int g = 0; g < radio_count; ++g)
        for (int k = 0; k < radio_options[g]; ++k)
            if (on_control(radio_selected_id[g] + 4 * k, x, y)) return press_radio(g, k);
}

bool NvbtnCls::Press(int id) {
    if (!hw) return false;
    for (int i = 0; i < push_count; ++i)
        if (push_normal[i] == id) return press_push(i), true;
    for (int i = 0; i < toggle_count; ++i)
        if (toggle_on[i] == id) return press_toggle(i), true;
    for (int g = 0; g < radio_count; ++g)
        for (int k = 0; k < radio_options[g]; ++k)
            if (radio_selected_id[g] + 4 * k == id) return press_radio(g, k), true;
    return false;
}

void NvbtnCls::OnMouseMove(int keys, int x, int y) {
    if (!hw) return;
    nvbtn_host::client_to_screen(hw, x, y);
    for (int i = 0; i < push_count; ++i) {
        if (!on_control(push_normal[i], x, y))
            show_push(i, push_normal[i]);
        else if (keys == 0)
            show_push(i, push_hover[i]);
        else if (keys == kMouseLeftButton)
            show_push(i, push_pressed[i]);
    }
    for (int i = 0; i < toggle_count; ++i) show_toggle(i, on_control(toggle_on[i], x, y));
    for (int g = 0; g < radio_count; ++g)
        for (int k = 0; k < radio_options[g]; ++k)
            show_radio_option(g, k, on_control(radio_selected_id[g] + 4 * k, x, y));
}

}  // namespace varuno
