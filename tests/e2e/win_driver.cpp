#include "tests/e2e/win_driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <vector>

#include "platform/cp932.h"
#include "platform/dpi.h"
#include "resources/window_contract.h"
#include "settings/settings.h"

namespace varuno::e2e {
namespace {

std::wstring main_title() { return utf16(std::string(contract::kMainWindowTitle).c_str()); }

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

}  // namespace

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

std::vector<DWORD> bitmap_pixels(HBITMAP bitmap, int w, int h) {
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<std::size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (DWORD& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

std::vector<DWORD> screen_pixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::vector<DWORD> pixels = bitmap_pixels(bitmap, w, h);
    DeleteObject(bitmap);
    return pixels;
}

Picture program_picture(int id) {
    Picture p;
    HMODULE exe = LoadLibraryExW(beside_test(L"varuno.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!exe) return p;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(exe, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap) {
        BITMAP b{};
        GetObjectW(bitmap, sizeof b, &b);
        p.w = b.bmWidth;
        p.h = b.bmHeight;
        p.pixels = bitmap_pixels(bitmap, p.w, p.h);
        DeleteObject(bitmap);
    }
    FreeLibrary(exe);
    return p;
}

bool shows_picture(const std::vector<DWORD>& area, int w, int h, const Picture& picture, DWORD transparent) {
    if (picture.pixels.empty()) return false;
    const auto at = [](const std::vector<DWORD>& pixels, int width, int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    };
    for (int y0 = 0; y0 + picture.h <= h; ++y0)
        for (int x0 = 0; x0 + picture.w <= w; ++x0) {
            bool same = true;
            for (int y = 0; same && y < picture.h; ++y)
                for (int x = 0; same && x < picture.w; ++x) {
                    const DWORD want = at(picture.pixels, picture.w, x, y);
                    same = want == transparent || want == at(area, w, x0 + x, y0 + y);
                }
            if (same) return true;
        }
    return false;
}

bool screenshot(HWND window, const std::filesystem::path& file) {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) GetWindowRect(window, &r);
    const std::vector<DWORD> pixels = screen_pixels(r);
    const DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
    BITMAPINFOHEADER info{sizeof info, r.right - r.left, r.bottom - r.top, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + bytes), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof info};
    std::filesystem::create_directories(file.parent_path());
    HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(out, &head, sizeof head, &written, nullptr);
    WriteFile(out, &info, sizeof info, &written, nullptr);
    WriteFile(out, pixels.data(), bytes, &written, nullptr);
    CloseHandle(out);
    return true;
}

std::wstring settings_file_name() { return utf16(kSettingsFile); }

void fresh_ini_files() {
    for (const std::wstring& name : {std::wstring(L"varuno.ini"), settings_file_name(), std::wstring(L"varuno_fv.ini"),
                                     std::wstring(L"corvid_varuno.ini")}) {
        std::error_code ec;
        std::filesystem::remove(beside_test(name), ec);
    }
    WritePrivateProfileStringW(L"type1", L"exp", L"1", beside_test(L"corvid_varuno.ini").c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, beside_test(L"corvid_varuno.ini").c_str());
}

bool Varuno::start(const std::filesystem::path& folder) {
    const std::filesystem::path dir = folder.empty() ? beside_test(L"") : folder;
    // The program runs in our working folder: its files must still go beside it.
    if (!process_.start(L"\"" + (dir / L"varuno.exe").wstring() + L"\"")) return false;
    WaitForInputIdle(process_.handle(), 15000);
    const std::wstring title = main_title();
    wait_for([&] { return (main_ = FindWindowW(nullptr, title.c_str())) != nullptr && IsWindowVisible(main_); });
    WaitForInputIdle(process_.handle(), 5000);
    return main_ != nullptr;
}

Varuno::~Varuno() = default;

bool Varuno::processed() const { return e2e::processed(control(9999)); }

ChildProcess::~ChildProcess() {
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool ChildProcess::start(std::wstring command, const std::filesystem::path& folder) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    const std::wstring dir = folder.wstring();
    // Under Wine a start fails now and then while the machine is busy; the
    // program has not run yet, so one more try tests nothing less. The
    // failure is still written to the log.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           dir.empty() ? nullptr : dir.c_str(), &si, &info_))
            return true;
        std::fprintf(stderr, "CreateProcess failed (error %lu): %ls\n", GetLastError(), command.c_str());
        Sleep(200);
    }
    return false;
}

bool ChildProcess::attach(DWORD id) {
    info_.dwProcessId = id;
    info_.hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    return info_.hProcess != nullptr;
}

bool ChildProcess::running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> ChildProcess::exit_code(double seconds) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
    return code;
}

bool process_running(const std::wstring& exe) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        found = lstrcmpiW(entry.szExeFile, exe.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

bool processed(HWND hidden_button) {
    auto pushed = [&] {
        DWORD_PTR state = 0;
        SendMessageTimeoutW(hidden_button, BM_GETSTATE, 0, 0, SMTO_NORMAL, 5000, &state);
        return (state & BST_PUSHED) != 0;
    };
    const bool before = pushed();
    PostMessageW(hidden_button, BM_SETSTATE, !before, 0);
    return wait_for([&] { return pushed() != before; });
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
    void* remote = VirtualAllocEx(process_.handle(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
    std::wstring text(length, L'\0');
    SIZE_T read = 0;
    ReadProcessMemory(process_.handle(), remote, text.data(), length * sizeof(wchar_t), &read);
    VirtualFreeEx(process_.handle(), remote, 0, MEM_RELEASE);
    return text;
}

bool Varuno::choose_kind(int kind) const {
    click_picture(5024);
    Search s{process_.id(), nullptr, 1055, nullptr};
    if (!wait_for([&] {
            s.found = nullptr;
            EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        }))
        return false;
    WaitForInputIdle(process_.handle(), 5000);
    SendMessageW(GetDlgItem(s.found, 1055), CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    click(s.found, 1051);
    return wait_for([&] { return !IsWindow(s.found); });
}

bool Varuno::exit_with_ok() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    if (!wait_for([&] { return (box = find_dialog(process_.id(), utf16("Varuno：終了確認"))) != nullptr; }))
        return false;
    click(box, IDOK);
    return wait_exit() == 0u;
}

}  // namespace varuno::e2e

// ---- Favourites panel and settings dialog ----
namespace varuno::e2e {

HWND wait_dialog_with(DWORD process, int child, double seconds) {
    Search s{process, nullptr, child, nullptr};
    wait_for(
        [&] {
            s.found = nullptr;
            EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        seconds);
    return s.found;
}

HWND open_favourites(const Varuno& app) {
    RECT r{};
    GetWindowRect(app.control(5028), &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(app.main(), &p);
    PostMessageW(app.main(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    PostMessageW(app.main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(app.main(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    HWND panel = wait_dialog_with(app.process_id(), 1078);
    if (panel) WaitForInputIdle(app.process(), 5000);
    return panel;
}

HWND open_settings(const Varuno& app) {
    PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(32773, 0), 0);
    HWND dialog = wait_dialog_with(app.process_id(), 20300);
    if (dialog) WaitForInputIdle(app.process(), 5000);
    return dialog;
}

void press(HWND dialog, int id) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 1000, &result);
}

void list_view_set_selected(HANDLE process, HWND list, int row, bool selected) {
    // The list view reads the state from its own process's memory.
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SIZE_T done = 0;
    WriteProcessMemory(process, remote, &item, sizeof item, &done);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
}

}  // namespace varuno::e2e

// ---- Added for the unit search and the about box ----
namespace varuno::e2e {
namespace {

// Memory in another process, released with the object.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
    void write(const void* data, std::size_t size, std::size_t offset = 0) const {
        SIZE_T done = 0;
        WriteProcessMemory(process_, at(offset), data, size, &done);
    }
    void read(void* data, std::size_t size, std::size_t offset = 0) const {
        SIZE_T done = 0;
        ReadProcessMemory(process_, at(offset), data, size, &done);
    }

private:
    HANDLE process_;
    void* address_;
};

}  // namespace

void send_dpi_change(HANDLE process, HWND window, int dpi) {
    RECT r{};
    GetWindowRect(window, &r);
    const RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, 96),
                         r.top + MulDiv(r.bottom - r.top, dpi, 96)};
    RemoteMemory remote(process, sizeof suggested);
    remote.write(&suggested, sizeof suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), remote.param());
}

UINT_PTR current_tool(HANDLE process, HWND tip) {
    RemoteMemory remote(process, sizeof(TOOLINFOW));
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    remote.write(&tool, sizeof tool);
    if (!SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, remote.param())) return 0;
    remote.read(&tool, sizeof tool);
    return tool.uId;
}

HWND wait_dialog(DWORD process, const std::wstring& caption, double seconds) {
    HWND found = nullptr;
    wait_for([&] { return (found = find_dialog(process, caption)) != nullptr; }, seconds);
    return found;
}

int list_view_count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring list_view_text(HANDLE process, HWND list, int row, int column) {
    constexpr int kChars = 1024;
    RemoteMemory remote(process, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(LVITEMW)));
    item.cchTextMax = kChars;
    remote.write(&item, sizeof item);
    const auto length =
        static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.param()));
    std::wstring text(length, L'\0');
    remote.read(text.data(), length * sizeof(wchar_t), sizeof(LVITEMW));
    return text;
}

void list_view_select(HANDLE process, HWND list, int row) {
    RemoteMemory remote(process, sizeof(LVITEMW));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    remote.write(&state, sizeof state);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.param());
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.write(&state, sizeof state);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.param());
}

void list_view_double_click(HANDLE process, HWND list, int row) {
    list_view_select(process, list, row);
    RemoteMemory remote(process, sizeof(RECT));
    RECT r{LVIR_LABEL, 0, 0, 0};
    remote.write(&r, sizeof r);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.param());
    remote.read(&r, sizeof r);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2));
}

std::vector<HeaderItem> list_view_heads(HANDLE process, HWND list) {
    std::vector<HeaderItem> heads;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    constexpr int kChars = 256;
    RemoteMemory remote(process, sizeof(HDITEMW) + kChars * sizeof(wchar_t));
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(HDITEMW)));
        item.cchTextMax = kChars;
        remote.write(&item, sizeof item);
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), remote.param());
        remote.read(&item, sizeof item);
        wchar_t text[kChars] = {};
        remote.read(text, sizeof text - sizeof(wchar_t), sizeof(HDITEMW));
        heads.push_back({text, item.cxy});
    }
    return heads;
}

POINT list_view_row_point(HANDLE process, HWND list, int row) {
    RemoteMemory remote(process, sizeof(RECT));
    RECT r{LVIR_LABEL, 0, 0, 0};
    remote.write(&r, sizeof r);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.param());
    remote.read(&r, sizeof r);
    POINT p{r.left + 6, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
}

void list_view_click_column(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int x = 0;
    for (int c = 0; c < column; ++c)
        x += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
    x += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)) / 2;
    RECT r{};
    GetClientRect(header, &r);
    const LPARAM at = MAKELPARAM(x, (r.top + r.bottom) / 2);
    // Sent, not posted: the sort has run when the sends return.
    SendMessageTimeoutW(header, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, 10000, nullptr);
    SendMessageTimeoutW(header, WM_LBUTTONUP, 0, at, SMTO_NORMAL, 10000, nullptr);
}

}  // namespace varuno::e2e

// ---- Added for the guide program Corvid ----
namespace varuno::e2e {
namespace {

// The character's size at 96 DPI; its window has this size scaled to the
// display's DPI.
constexpr int kCharacterWidth = 262, kCharacterHeight = 377;
constexpr int kBalloonBody = 1053;

struct GuideWindows {
    DWORD process;
    std::vector<HWND> found;
};

// The visible dialogs of the guide's process, in z-order.
BOOL CALLBACK collect_guide_window(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<GuideWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (owner == s->process && IsWindowVisible(window) && std::wstring(cls) == L"#32770") s->found.push_back(window);
    return TRUE;
}

std::vector<HWND> guide_dialogs(DWORD process) {
    GuideWindows s{process, {}};
    EnumWindows(collect_guide_window, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// Whether the window has the character's size at some display scale. The
// scale is found from the width, since another program's DPI cannot be
// asked for everywhere (Wine answers with the asking program's).
bool character_sized(HWND window) {
    const RECT r = rect_of(window);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const Dpi dpi(MulDiv(w, kBaseDpi, kCharacterWidth));
    return w == dpi.px(kCharacterWidth) && h == dpi.px(kCharacterHeight);
}

}  // namespace

constexpr const wchar_t* kLogPixels = L"LogPixels";

DisplayScale::DisplayScale(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key_, kLogPixels, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        previous_.resize(size);
        had_value_ = RegQueryValueExW(key_, kLogPixels, nullptr, &type_, previous_.data(), &size) == ERROR_SUCCESS;
    }
    set_ = RegSetValueExW(key_, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) ==
           ERROR_SUCCESS;
}

DisplayScale::~DisplayScale() {
    if (!key_) return;
    if (had_value_)
        RegSetValueExW(key_, kLogPixels, 0, type_, previous_.data(), static_cast<DWORD>(previous_.size()));
    else
        RegDeleteValueW(key_, kLogPixels);
    RegCloseKey(key_);
}

bool make_per_monitor_dpi_aware() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    using GetContextFn = HANDLE(WINAPI*)();
    using AwarenessFn = int(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto function = [&](const char* name) { return reinterpret_cast<void*>(GetProcAddress(user32, name)); };
    const auto set_context = reinterpret_cast<SetContextFn>(function("SetProcessDpiAwarenessContext"));
    const auto thread_context = reinterpret_cast<GetContextFn>(function("GetThreadDpiAwarenessContext"));
    const auto awareness = reinterpret_cast<AwarenessFn>(function("GetAwarenessFromDpiAwarenessContext"));
    if (!set_context || !thread_context || !awareness) return false;
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, else (Wine 8 knows no v2)
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE; Wine may have made the
    // process per-monitor aware already.
    if (!set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))))
        set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)));
    constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
    return awareness(thread_context()) == kPerMonitorAware;
}

RECT rect_of(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

HWND find_guide_owner() {
    return FindWindowW(utf16("コルヴィディアン　フォー　ヴァルーノ ここにはユニークな名前をつける").c_str(), nullptr);
}

HWND find_varuno_window() { return FindWindowW(nullptr, main_title().c_str()); }

void end_process_of(HWND window) {
    DWORD id = 0;
    if (!window || !GetWindowThreadProcessId(window, &id)) return;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

bool Corvid::start(const std::filesystem::path& folder) {
    const std::filesystem::path where = folder.empty() ? beside_test(L"") : folder;
    return process_.start(L"\"" + (where / L"Corvid.exe").wstring() + L"\"", where);
}

bool Corvid::attach(double seconds) {
    HWND owner = nullptr;
    if (!wait_for([&] { return (owner = find_guide_owner()) != nullptr; }, seconds)) return false;
    DWORD id = 0;
    GetWindowThreadProcessId(owner, &id);
    return process_.attach(id);
}

HWND Corvid::owner() const {
    HWND owner = find_guide_owner();
    DWORD id = 0;
    GetWindowThreadProcessId(owner, &id);
    return id == process_.id() ? owner : nullptr;
}

HWND Corvid::character() const {
    for (HWND w : guide_dialogs(process_.id()))
        if (GetWindow(w, GW_OWNER) == owner() && character_sized(w)) return w;
    return nullptr;
}

HWND Corvid::balloon(double seconds) const {
    HWND found = nullptr;
    wait_for(
        [&] {
            for (HWND w : guide_dialogs(process_.id()))
                if (GetDlgItem(w, kBalloonBody)) found = w;
            return found != nullptr;
        },
        seconds);
    if (found) WaitForInputIdle(process_.handle(), 5000);
    return found;
}

std::wstring Corvid::balloon_text(double seconds) const {
    HWND shown = balloon(seconds);
    return shown ? window_text(GetDlgItem(shown, kBalloonBody)) : std::wstring();
}

std::vector<HWND> Corvid::labels() const {
    std::vector<HWND> labels;
    for (HWND w : guide_dialogs(process_.id()))
        if (GetWindow(w, GW_OWNER) == owner() && !character_sized(w)) labels.push_back(w);
    return labels;
}

bool Corvid::press(int button) {
    HWND shown = balloon();
    if (!shown || !IsWindowVisible(GetDlgItem(shown, button))) return false;
    click(shown, button);
    return wait_for([&] { return !IsWindow(shown); });
}

}  // namespace varuno::e2e
