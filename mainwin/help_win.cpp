#include "mainwin/help_win.h"

#include <shellapi.h>

#include <string>

#include "mainwin/help_url.h"
#include "platform/ini.h"
#include "platform/wide_text.h"

namespace varuno {
namespace {

void help_failed(HWND owner, const char* utf8_reason, const std::wstring& file) {
    const std::wstring text = wide_utf8(utf8_reason) + L"\n\n" + file;
    MessageBoxW(owner, text.c_str(), wide_utf8("Varuno：ヘルプ").c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace

bool open_help(HWND owner, int context) {
    const std::wstring file = path_beside_program("varuno.html").wstring();
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        help_failed(owner, "ヘルプファイルが見つかりません。", file);
        return false;
    }
    // The index is the file itself; a topic needs a URL for its anchor.
    std::wstring target = file;
    if (context != kHelpIndex) {
        const std::wstring anchor = L"ctx" + std::to_wstring(context);
        const std::u16string url =
            help_url(std::u16string(file.begin(), file.end()), std::u16string(anchor.begin(), anchor.end()));
        target.assign(url.begin(), url.end());
    }
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        help_failed(owner, "ヘルプファイルを開けませんでした。", file);
        return false;
    }
    return true;
}

void start_guide(HWND owner) {
    ShellExecuteW(owner, L"open", path_beside_program("Corvid.exe").c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace varuno
