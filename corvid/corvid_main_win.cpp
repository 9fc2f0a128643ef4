// Corvid's entry point: one guide at a time, a hidden owner window, and the
// character window for the whole life of the program.
#include <windows.h>

#include "corvid/character_win.h"
#include "corvid/guide_win.h"
#include "platform/wide_text.h"
#include "corvid_resource.h"

using namespace varuno::corvid;
using varuno::wide_utf8;

namespace {

// The hidden owner stays out of sight; a second start of the guide shows
// it. Closing it then ends the guide the same way as closing the character.
LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CLOSE && character_window()) {
        PostMessageW(character_window(), WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND create_owner(HINSTANCE instance, const std::wstring& class_name) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = owner_proc;
    type.hInstance = instance;
    type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_CORVID));
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = class_name.c_str();
    RegisterClassExW(&type);
    return CreateWindowExW(0, class_name.c_str(), wide_utf8(kGuideTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::wstring class_name = wide_utf8(kOwnerClass);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide_utf8(kMutexName).c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND first = FindWindowW(class_name.c_str(), nullptr)) ShowWindow(first, SW_SHOWNORMAL);
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    set_guide_instance(instance);
    set_owner_window(create_owner(instance, class_name));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CHARACTER), owner_window(), character_proc, 0);
    MSG message{};
    int code = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT) code = static_cast<int>(message.wParam);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return code;
}
