#include <unistd.h>

#include <climits>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno {

// Linux keeps file names as UTF-8; the name arrives as CP932.
std::filesystem::path path_beside_program(std::string_view name) {
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::filesystem::path folder =
        n > 0 ? std::filesystem::path(std::string(exe, static_cast<std::size_t>(n))).parent_path()
              : std::filesystem::current_path();
    return folder / cp932::to_utf8(name);
}

}  // namespace varuno
