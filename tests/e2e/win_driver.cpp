#include "tests/e2e/win_driver.h"

#include <commctrl.h>

#include <vector>

#include "platform/cp932.h"

namespace varuno::e2e {
namespace {

const wchar_t* const kTitle =
    L"QXtool-Varuno -\u30F4\u30A1\u30EB\u30FC\u30CE-\u3000\u3000\u3000\u3000\u5358\u4F4D\u63DB\u7B97\u30BD\u30D5\u30C8"
    L"\uFF0F\u4F5C\u8005\uFF1AOrvel\uFF0FHP\uFF1ALarkmere";

// Sends a message and waits until it has been handled, or until a modal
// window that it opened is running (the send then times out).
void deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, 1000, &result);
}

struct Search {
    DWORD process;
    const std::wstring* caption;
    int child;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != s->process || !IsWindowVisible(window)) return TRUE;
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (std::wstring(cls) != L"#32770") return TRUE;
    if (s->caption && window_text(window) != *s->caption) return TRUE;
    if (s->child && !GetDlgItem(window, s->child)) return TRUE;
    s->found = window;
    return FALSE;
}

} // namespace

std::filesystem::path beside_test(const std::wstring& name) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return std::filesystem::path(exe).parent_path() / name;
}

std::wstring utf16(const char* utf8) {
    const std::u16string w = cp932::to_utf16(cp932::from_utf8(utf8));
    return std::wstring(w.begin(), w.end());
}

std::wstring window_text(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, nullptr);
    return buffer;
}

HWND find_dialog(DWORD process, const std::wstring& caption) {
    Search s{process, &caption, 0, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::wstring message_text(HWND box) { return window_text(GetDlgItem(box, 0xFFFF)); }

void click(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool screenshot(HWND window, const std::filesystem::path& file) {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (w * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * h);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof info};
    std::filesystem::create_directories(file.parent_path());
    HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(out, &head, sizeof head, &written, nullptr);
    WriteFile(out, &info, sizeof info, &written, nullptr);
    WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return true;
}

void fresh_ini_files() {
    for (const wchar_t* name : {L"varuno.ini", L"varuno_set.ini", L"varuno_fv.ini", L"corvid_varuno.ini"}) {
        std::error_code ec;
        std::filesystem::remove(beside_test(name), ec);
    }
    WritePrivateProfileStringW(L"type1", L"exp", L"1", beside_test(L"corvid_varuno.ini").c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, beside_test(L"corvid_varuno.ini").c_str());
}

bool Varuno::start(const std::filesystem::path& folder) {
    const std::filesystem::path dir = folder.empty() ? beside_test(L"") : folder;
    std::wstring command = L"\"" + (dir / L"varuno.exe").wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    // The program runs in our working folder: its files must still go beside it.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
        return false;
    WaitForInputIdle(pi_.hProcess, 15000);
    wait_for([&] { return (main_ = FindWindowW(nullptr, kTitle)) != nullptr && IsWindowVisible(main_); });
    WaitForInputIdle(pi_.hProcess, 5000);
    return main_ != nullptr;
}

Varuno::~Varuno() {
    if (pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
    if (pi_.hThread) CloseHandle(pi_.hThread);
}

void Varuno::set_text(int id, const std::wstring& text) const {
    SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Varuno::select(int list, int index) const {
    SendMessageW(control(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // A selection made by a program sends no notification: send the user's.
    deliver(main_, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control(list)));
}

int Varuno::selection(int list) const { return static_cast<int>(SendMessageW(control(list), CB_GETCURSEL, 0, 0)); }

std::wstring Varuno::list_item(int list, int index) const {
    wchar_t buffer[512] = {};
    SendMessageW(control(list), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void Varuno::click_picture(int id) const {
    RECT r{};
    GetWindowRect(control(id), &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(main_, &p);
    deliver(main_, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    deliver(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    deliver(main_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void Varuno::command(int id, int code) const {
    deliver(main_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control(id)));
}

std::wstring Varuno::status_part(int part) const {
    HWND bar = control(1100);
    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    void* remote = VirtualAllocEx(pi_.hProcess, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
    std::wstring text(length, L'\0');
    SIZE_T read = 0;
    ReadProcessMemory(pi_.hProcess, remote, text.data(), length * sizeof(wchar_t), &read);
    VirtualFreeEx(pi_.hProcess, remote, 0, MEM_RELEASE);
    return text;
}

bool Varuno::choose_kind(int kind) const {
    click_picture(5024);
    Search s{pi_.dwProcessId, nullptr, 1055, nullptr};
    if (!wait_for([&] {
            s.found = nullptr;
            EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        }))
        return false;
    WaitForInputIdle(pi_.hProcess, 5000);
    SendMessageW(GetDlgItem(s.found, 1055), CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    click(s.found, 1051);
    return wait_for([&] { return !IsWindow(s.found); });
}

bool Varuno::exit_with_ok() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    if (!wait_for([&] { return (box = find_dialog(pi_.dwProcessId, utf16("Varuno：終了確認"))) != nullptr; })) return false;
    click(box, IDOK);
    return wait_exit() == 0;
}

DWORD Varuno::wait_exit(double seconds) {
    if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) return 999;
    DWORD code = 998;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

} // namespace varuno::e2e
