#include "mainwin/save_failure_win.h"

#include <string>

#include "platform/ini.h"
#include "platform/wide_text.h"

namespace varuno {
namespace {

// The system's own words for `error`, in the user's language; none when it
// has none.
std::wstring reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = n && text ? std::wstring(text, n) : std::wstring();
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) words.pop_back();
    return words.empty() ? wide_utf8("原因は分かりません。") : words;
}

}  // namespace

bool SaveFailureReport::report(HWND owner, std::string_view file) {
    const DWORD error = GetLastError();
    if (shown_) return false;
    shown_ = true;
    const std::wstring text =
        wide_utf8("設定を保存できません。\n\n") + path_beside_program(file).wstring() + L"\n" + reason(error) +
        wide_utf8("\n\nウィンドウの位置、設定、お気に入り換算、検索の履歴は、この後も保存されないことがあります。\n"
                  "ファイルの読み取り専用を外すか、書き込みのできるフォルダーに Varuno を置いてください。");
    MessageBoxW(owner, text.c_str(), wide_utf8("Varuno：保存エラー").c_str(), MB_OK | MB_ICONWARNING);
    return true;
}

}  // namespace varuno
