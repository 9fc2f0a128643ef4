#include <windows.h>

#include <string>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno {

// The wide module name keeps folders with any characters reachable,
// whatever the system's ANSI code page.
std::filesystem::path path_beside_program(std::string_view name) {
    std::wstring exe(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
        if (n < exe.size()) {
            exe.resize(n);
            break;
        }
        exe.resize(exe.size() * 2);
    }
    const std::u16string wide = cp932::to_utf16(name);
    return std::filesystem::path(exe).parent_path() / std::wstring(wide.begin(), wide.end());
}

}  // namespace varuno
