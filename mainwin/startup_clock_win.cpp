#include "mainwin/startup_clock_win.h"

#include <cstdio>

namespace varuno {
namespace {

double ms_between(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds since this process was created, by the system clock (the
// performance counter did not run for us yet).
double ms_since_creation() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME t) { return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

}  // namespace

StartupClock::StartupClock() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"VARUNO_STARTUP_LOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    path_.assign(path, n);
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&last_);
    steps_.emplace_back("process start to wWinMain", ms_since_creation());
}

void StartupClock::lap(const char* step) {
    if (path_.empty()) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    steps_.emplace_back(step, ms_between(last_, now, frequency_));
    last_ = now;
}

void StartupClock::write() const {
    if (path_.empty()) return;
    FILE* file = _wfopen(path_.c_str(), L"a");
    if (!file) return;
    for (const auto& [step, ms] : steps_) std::fprintf(file, "%s\t%.3f\n", step, ms);
    std::fclose(file);
}

}  // namespace varuno
