// Corvid's entry point: one guide at a time, then the guide itself.
#include <windows.h>

#include "corvid/guide_win.h"
#include "platform/wide_text.h"

using namespace varuno::corvid;
using varuno::wide_utf8;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide_utf8(kMutexName).c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND first = FindWindowW(wide_utf8(kOwnerClass).c_str(), nullptr)) ShowWindow(first, SW_SHOWNORMAL);
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    int code = 0;
    {
        Guide guide(instance);
        if (guide.run() == -1) {
            code = 1;
        } else {
            MSG message{};
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (message.message == WM_QUIT) code = static_cast<int>(message.wParam);
        }
    }
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return code;
}
