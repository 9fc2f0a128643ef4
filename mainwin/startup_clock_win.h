// Times the steps of start-up with the performance counter, for the start-up
// benchmark: when the environment variable VARUNO_STARTUP_LOG names a file,
// each step's milliseconds are appended to it as "step<TAB>ms" lines once
// start-up is done. Without the variable nothing is timed or written.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace varuno {

class StartupClock {
public:
    // The first step runs from the process's creation (loading the program
    // and the libraries it binds, starting the runtime) until now.
    StartupClock();
    // Ends the step that began at the previous lap.
    void lap(const char* step);
    // Appends the steps to the file.
    void write() const;

private:
    std::wstring path_;  // empty: not timing
    LARGE_INTEGER frequency_{}, last_{};
    std::vector<std::pair<const char*, double>> steps_;
};

}  // namespace varuno
