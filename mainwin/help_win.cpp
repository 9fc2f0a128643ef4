#include "mainwin/help_win.h"

#include <shellapi.h>

#include <string>

#include "platform/ini.h"

namespace varuno {

void open_help(HWND owner, int context) {
    std::wstring url = L"file:///" + path_beside_program("varuno.html").wstring();
    for (wchar_t& c : url)
        if (c == L'\\') c = L'/';
    if (context != kHelpIndex) url += L"#ctx" + std::to_wstring(context);
    ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void start_guide(HWND owner) {
    ShellExecuteW(owner, L"open", path_beside_program("Corvid.exe").c_str(), nullptr, nullptr, SW_SHOW);
}

} // namespace varuno
