// Whole-process timings of command lines, run in turn so that the machine's
// noise falls on all of them alike: the median wall time of each, its median
// CPU time (user + system, which a busy shared machine inflates less) and its
// peak resident memory, and the ratios of the first command's times to each
// other's.
//   process_bench RUNS NAME PROGRAM [ARGS...] [<INPUT] [--- NAME PROGRAM ...]...
// An argument "<FILE" makes FILE the command's standard input; standard
// output goes to /dev/null.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Command {
    std::string name;
    std::vector<std::string> argv;
    std::string input;  // empty: /dev/null
    std::vector<double> ms, cpu_ms;
    long peak_kb = 0;
};

// Runs the command once: wall milliseconds, or -1 when it could not start
// or was killed. Its exit code does not matter (a failing line exits 1).
double run_once(Command& c) {
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(c.input.empty() ? "/dev/null" : c.input.c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0) _exit(127);
        std::vector<char*> argv;
        for (auto& a : c.argv) argv.push_back(a.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return -1;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) return -1;
    c.peak_kb = std::max(c.peak_kb, usage.ru_maxrss);
    const auto ms_of = [](timeval t) {
        return 1e3 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_usec);
    };
    c.cpu_ms.push_back(ms_of(usage.ru_utime) + ms_of(usage.ru_stime));
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: process_bench RUNS NAME PROGRAM [ARGS...] [<INPUT] [--- NAME PROGRAM ...]...\n", stderr);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Command> commands(1);
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        Command& c = commands.back();
        if (a == "---")
            commands.emplace_back();
        else if (c.name.empty())
            c.name = a;
        else if (a.size() > 1 && a[0] == '<')
            c.input = a.substr(1);
        else
            c.argv.push_back(a);
    }
    for (Command& c : commands) {
        if (c.argv.empty() || run_once(c) < 0) {  // also warms the file cache
            std::fprintf(stderr, "process_bench: %s does not run\n", c.name.c_str());
            return 1;
        }
        c.cpu_ms.clear();
    }
    for (int r = 0; r < runs; ++r)
        for (Command& c : commands) c.ms.push_back(run_once(c));
    const double first = median(commands[0].ms), first_cpu = median(commands[0].cpu_ms);
    for (const Command& c : commands) {
        const double m = median(c.ms), cpu = median(c.cpu_ms);
        std::printf("%-12s wall %9.3f ms  cpu %9.3f ms  peak %7ld KiB", c.name.c_str(), m, cpu, c.peak_kb);
        if (&c != &commands[0])
            std::printf("  %s/%s: wall %.3f, cpu %.3f", commands[0].name.c_str(), c.name.c_str(), first / m,
                        first_cpu / cpu);
        std::printf("\n");
    }
    return 0;
}
