// varuno's entry point: one instance at a time, then the main window.
#include <windows.h>
#include <commctrl.h>

#include "mainwin/main_window_win.h"
#include "platform/wide_text.h"
#include "resources/resource.h"

using namespace varuno;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide_utf8("Varuno -ヴァルーノ-").c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        const int answer = MessageBoxW(nullptr,
                                       wide_utf8("本ソフトウェアは二重起動できません。\n既に起動済みのVarunoをアクティブにします。").c_str(),
                                       wide_utf8("Varuno：二重起動防止").c_str(), MB_OKCANCEL | MB_ICONWARNING | MB_SETFOREGROUND);
        if (answer == IDOK) {
            if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) ShowWindow(running, SW_SHOWNORMAL);
        }
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    set_app_instance(instance);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, main_dialog_proc, 0);
    MSG message;
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
