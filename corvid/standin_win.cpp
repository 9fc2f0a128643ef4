// A stand-in for varuno.exe in the guide's end-to-end tests: a program that
// starts but never shows a window, so that the guide's wait for varuno's
// window runs out. It ends by itself after a while.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(10000);
    return 0;
}
