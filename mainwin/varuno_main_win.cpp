// varuno's entry point: one instance at a time, then the main window.
#include <windows.h>
#include <commctrl.h>

#include "mainwin/main_window_win.h"
#include "mainwin/startup_clock_win.h"
#include "platform/wide_text.h"
#include "resources/window_contract.h"

using namespace varuno;

namespace {

// The named mutex of the running instance, released when the program ends.
class InstanceMutex {
public:
    InstanceMutex()
        : handle_(CreateMutexW(nullptr, FALSE, wide_utf8(contract::kMainMutexName).c_str())),
          existed_(GetLastError() == ERROR_ALREADY_EXISTS) {}
    ~InstanceMutex() {
        if (!handle_) return;
        ReleaseMutex(handle_);
        CloseHandle(handle_);
    }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    bool existed() const { return existed_; }

private:
    HANDLE handle_;
    bool existed_;
};

// Another instance runs: say so, and on OK show its window.
void refuse_second_start() {
    const int answer = MessageBoxW(
        nullptr, wide_utf8("本ソフトウェアは二重起動できません。\n既に起動済みのVarunoをアクティブにします。").c_str(),
        wide_utf8("Varuno：二重起動防止").c_str(), MB_OKCANCEL | MB_ICONWARNING | MB_SETFOREGROUND);
    if (answer != IDOK) return;
    if (HWND running = FindWindowW(nullptr, wide_utf8(contract::kMainWindowTitle).c_str()))
        ShowWindow(running, SW_SHOWNORMAL);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    StartupClock clock;
    InstanceMutex mutex;
    if (mutex.existed()) {
        refuse_second_start();
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    clock.lap("instance check, common controls");
    MainWindow window(instance, clock);
    // A window that could not be made posts no quit message: end here, and
    // release the mutex, instead of waiting for a message that never comes.
    if (window.run() == -1) {
        MessageBoxW(nullptr, wide_utf8("ウィンドウを作成できませんでした。Varunoを終了します。").c_str(),
                    wide_utf8("Varuno：起動エラー").c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message{};
    int code = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT) code = static_cast<int>(message.wParam);
    return code;
}
