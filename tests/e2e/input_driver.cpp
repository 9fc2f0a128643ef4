#include "tests/e2e/input_driver.h"

#include <vector>

namespace varuno::e2e::input {
namespace {

void send(std::vector<INPUT>& events) { SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)); }

INPUT key_event(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    // The arrow keys, Home, End and the like are extended keys.
    switch (vk) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE: in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY; break;
    default: break;
    }
    return in;
}

INPUT button_event(bool right, bool up) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags =
        right ? (up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN) : (up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN);
    return in;
}

DWORD process_of(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

GUITHREADINFO thread_info(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

bool to_foreground(HWND window) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        Sleep(20);
    }
    return GetForegroundWindow() == window;
}

// A pointer move to a screen point through the input path, in the absolute
// coordinates SendInput takes (0 ... 65535 across the primary screen),
// rounded up: the system maps them back rounding down.
INPUT move_event(POINT screen) {
    const LONGLONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((screen.x * 65536LL + w - 1) / w);
    in.mi.dy = static_cast<LONG>((screen.y * 65536LL + h - 1) / h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

// Under Wine the pointer's new place reaches the system a moment after the
// move: the buttons are pressed only once it is there, or they would act at
// the old place.
void move_to(POINT screen) {
    std::vector<INPUT> events{move_event(screen)};
    send(events);
    for (int i = 0; i < 100; ++i) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) return;
        Sleep(10);
    }
}

void click_at(POINT screen, bool right) {
    move_to(screen);
    std::vector<INPUT> events{button_event(right, false), button_event(right, true)};
    send(events);
}

void double_click_at(POINT screen) {
    move_to(screen);
    std::vector<INPUT> events{button_event(false, false), button_event(false, true), button_event(false, false),
                              button_event(false, true)};
    send(events);
}

POINT centre_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void click(HWND window) { click_at(centre_of(window)); }

// The arrow fills the right end of the closed box, inside its border. (The
// combo box's own layout cannot be asked from another process: under Wine
// GetComboBoxInfo answers nothing useful across processes.)
POINT combo_arrow(HWND combo) {
    RECT r{};
    GetWindowRect(combo, &r);
    return {r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2, (r.top + r.bottom) / 2};
}

void click_combo_arrow(HWND combo) { click_at(combo_arrow(combo)); }

bool click_until(POINT screen, const std::function<bool()>& done, int tries) {
    for (int i = 0; i < tries; ++i) {
        click_at(screen);
        for (int wait = 0; wait < 50; ++wait) {
            if (done()) return true;
            Sleep(20);
        }
    }
    return done();
}

bool click_until(HWND window, const std::function<bool()>& done, int tries) {
    return click_until(centre_of(window), done, tries);
}

void press_at(POINT screen) {
    move_to(screen);
    std::vector<INPUT> down{button_event(false, false)};
    send(down);
}

void release() {
    std::vector<INPUT> up{button_event(false, true)};
    send(up);
}

void drag(POINT from, POINT to) {
    press_at(from);
    for (int step = 1; step <= 5; ++step) {
        Sleep(20);
        move_to({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
    }
    release();
}

void key(WORD vk, unsigned modifiers) {
    std::vector<INPUT> events;
    if (modifiers & kCtrl) events.push_back(key_event(VK_CONTROL, false));
    if (modifiers & kShift) events.push_back(key_event(VK_SHIFT, false));
    if (modifiers & kAlt) events.push_back(key_event(VK_MENU, false));
    events.push_back(key_event(vk, false));
    events.push_back(key_event(vk, true));
    if (modifiers & kAlt) events.push_back(key_event(VK_MENU, true));
    if (modifiers & kShift) events.push_back(key_event(VK_SHIFT, true));
    if (modifiers & kCtrl) events.push_back(key_event(VK_CONTROL, true));
    send(events);
}

void type(const std::wstring& text) {
    for (wchar_t c : text) {
        std::vector<INPUT> events(2);
        for (int i = 0; i < 2; ++i) {
            events[i].type = INPUT_KEYBOARD;
            events[i].ki.wScan = c;
            events[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        send(events);
    }
}

HWND focus_of(HWND window) { return thread_info(window).hwndFocus; }

HWND active_of(HWND window) { return thread_info(window).hwndActive; }

bool stays_active(HWND window) {
    int steady = 0;
    for (int i = 0; i < 100 && steady < 5; ++i) {
        if (active_of(window) == window && GetForegroundWindow() == window) {
            ++steady;
        } else {
            steady = 0;
            SetForegroundWindow(window);
        }
        Sleep(20);
    }
    return steady >= 5;
}

bool dropped(HWND combo) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(combo, CB_GETDROPPEDSTATE, 0, 0, SMTO_NORMAL, 2000, &result);
    return result != 0;
}

void settle(HWND window) {
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_of(window))) {
        WaitForInputIdle(process, 2000);
        CloseHandle(process);
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
}

}  // namespace varuno::e2e::input
