// Start-up time of a Windows program: from CreateProcess until its window is
// shown and the program waits for input. Starts each program given on the
// command line several times, alternating, and prints the medians and the
// ratio of the first to the second, and each program's peak working set once
// its window is ready; then starts the first once more, opens each of
// varuno's dialogs in turn and prints its peak working set after them.
//   startup_bench.exe varuno.exe minimal_dialog.exe [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

// A visible top-level window of the process other than `besides`.
struct Found {
    DWORD process;
    bool visible;
    HWND window = nullptr;
    HWND besides = nullptr;
};

BOOL CALLBACK find_visible(HWND window, LPARAM data) {
    auto* f = reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == f->process && IsWindowVisible(window) && window != f->besides) {
        f->visible = true;
        f->window = window;
        return FALSE;
    }
    return TRUE;
}

HWND wait_for_window(DWORD process, HWND besides) {
    Found found{process, false, nullptr, besides};
    for (int i = 0; i < 3000 && !found.visible; ++i) {
        EnumWindows(find_visible, reinterpret_cast<LPARAM>(&found));
        if (!found.visible) Sleep(5);
    }
    return found.window;
}

SIZE_T peak_working_set(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    return GetProcessMemoryInfo(process, &memory, sizeof memory) ? memory.PeakWorkingSetSize : 0;
}

// varuno's peak working set after each of its dialogs has been opened and
// closed once (the kind panel, favourites, search, settings, about box), or
// 0 when one did not open.
SIZE_T peak_after_dialogs(const std::wstring& exe) {
    struct Dialog {
        int command, close;
    };
    constexpr Dialog kDialogs[] = {{IDM_KIND_PANEL, IDC_PANEL_CANCEL},
                                   {IDM_FAVOURITES, IDC_FAV_CANCEL},
                                   {IDM_SEARCH, IDC_SEARCH_CLOSE},
                                   {IDM_SETTINGS, IDC_SET_CANCEL},
                                   {IDM_ABOUT, IDOK}};
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    SIZE_T peak = 0;
    if (HWND main = wait_for_window(pi.dwProcessId, nullptr)) {
        WaitForInputIdle(pi.hProcess, 10000);
        peak = 1;
        for (const Dialog& d : kDialogs) {
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(d.command, 0), 0);
            HWND dialog = wait_for_window(pi.dwProcessId, main);
            if (!dialog) {
                peak = 0;
                break;
            }
            WaitForInputIdle(pi.hProcess, 10000);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(d.close, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, d.close)));
            for (int i = 0; i < 3000 && IsWindow(dialog); ++i) Sleep(5);
        }
        if (peak) peak = peak_working_set(pi.hProcess);
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return peak;
}

// Milliseconds until the program shows a window and is idle, or -1; the
// largest peak working set seen goes to `peak_bytes`.
double start_once(const std::wstring& exe, SIZE_T& peak_bytes) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    Found found{pi.dwProcessId, false, nullptr, nullptr};
    for (int i = 0; i < 3000 && !found.visible; ++i) {
        WaitForInputIdle(pi.hProcess, 10);
        EnumWindows(find_visible, reinterpret_cast<LPARAM>(&found));
        if (!found.visible) Sleep(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    QueryPerformanceCounter(&end);
    peak_bytes = std::max(peak_bytes, peak_working_set(pi.hProcess));
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Sleep(200);
    return found.visible
               ? 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart)
               : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup_bench program other_program [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 7;
    std::vector<double> first, second;
    SIZE_T first_peak = 0, second_peak = 0;
    start_once(argv[1], first_peak);  // warm the file cache for both
    start_once(argv[2], second_peak);
    for (int i = 0; i < runs; ++i) {
        first.push_back(start_once(argv[1], first_peak));
        second.push_back(start_once(argv[2], second_peak));
    }
    const double a = median(first), b = median(second);
    // The machine's speed drifts during a run; the ratio of each pair of
    // starts made one after the other is less moved by that.
    std::vector<double> pair_ratios;
    for (int i = 0; i < runs; ++i)
        if (first[i] > 0 && second[i] > 0) pair_ratios.push_back(first[i] / second[i]);
    std::wprintf(L"%ls: median %.1f ms over %d starts, peak working set %.0f KiB\n", argv[1], a, runs,
                 first_peak / 1024.0);
    std::wprintf(L"%ls: median %.1f ms over %d starts, peak working set %.0f KiB\n", argv[2], b, runs,
                 second_peak / 1024.0);
    std::wprintf(L"ratio: %.2f (median of the ratios of consecutive pairs: %.2f)\n", b > 0 ? a / b : 0.0,
                 median(pair_ratios));
    std::wprintf(L"%ls: peak working set after opening every dialog once %.0f KiB\n", argv[1],
                 peak_after_dialogs(argv[1]) / 1024.0);
    return a > 0 && b > 0 ? 0 : 1;
}
