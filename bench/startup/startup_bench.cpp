// Start-up time of a Windows program: from CreateProcess until its window is
// shown and the program waits for input. Starts each program given on the
// command line several times, alternating, and prints the medians and the
// ratio of the first to the second, and each program's peak working set once
// its window is ready.
//   startup_bench.exe varuno.exe minimal_dialog.exe [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD process;
    bool visible;
};

BOOL CALLBACK find_visible(HWND window, LPARAM data) {
    auto* f = reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == f->process && IsWindowVisible(window)) {
        f->visible = true;
        return FALSE;
    }
    return TRUE;
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
    Found found{pi.dwProcessId, false};
    for (int i = 0; i < 3000 && !found.visible; ++i) {
        WaitForInputIdle(pi.hProcess, 10);
        EnumWindows(find_visible, reinterpret_cast<LPARAM>(&found));
        if (!found.visible) Sleep(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory))
        peak_bytes = std::max(peak_bytes, memory.PeakWorkingSetSize);
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
    std::wprintf(L"%ls: median %.1f ms over %d starts, peak working set %.0f KiB\n", argv[1], a, runs,
                 first_peak / 1024.0);
    std::wprintf(L"%ls: median %.1f ms over %d starts, peak working set %.0f KiB\n", argv[2], b, runs,
                 second_peak / 1024.0);
    std::wprintf(L"ratio: %.2f\n", b > 0 ? a / b : 0.0);
    return a > 0 && b > 0 ? 0 : 1;
}
