// Drives the real varuno.exe as another program would: finds its main window
// by title, reaches controls by their ids, sends the messages that a user's
// actions send, and answers message boxes found by their captions.
#pragma once
#include <windows.h>

#include <filesystem>
#include <string>

namespace varuno::e2e {

std::filesystem::path beside_test(const std::wstring& name);
std::wstring utf16(const char* utf8);

// Waits up to `seconds` for `done` to hold, pumping nothing.
template <typename F>
bool wait_for(F done, double seconds = 15) {
    for (int i = 0; i < static_cast<int>(seconds * 50); ++i) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

// A top-level dialog window of a process with the given caption (message
// boxes), or null.
HWND find_dialog(DWORD process, const std::wstring& caption);
std::wstring message_text(HWND box);
// Clicks a button of a dialog the way Windows reports it to the dialog.
void click(HWND dialog, int id);
std::wstring window_text(HWND window);

// Saves the screen area of `window` (or the whole screen) as a 24-bit BMP.
bool screenshot(HWND window, const std::filesystem::path& file);

class Varuno {
public:
    // Starts varuno.exe beside the test, or the one in `folder`. Ini files
    // are left as they are.
    bool start(const std::filesystem::path& folder = {});
    ~Varuno();
    DWORD process_id() const { return pi_.dwProcessId; }
    HANDLE process() const { return pi_.hProcess; }
    HWND main() const { return main_; }
    HWND control(int id) const { return GetDlgItem(main_, id); }
    std::wstring text(int id) const { return window_text(control(id)); }
    void set_text(int id, const std::wstring& text) const;
    // Selects an item of a unit list and reports it as a user's choice does.
    void select(int list, int index) const;
    int selection(int list) const;
    std::wstring list_item(int list, int index) const;
    // Clicks a function-button picture with the mouse.
    void click_picture(int id) const;
    void command(int id, int code = BN_CLICKED) const;
    // The text of a part of the status bar.
    std::wstring status_part(int part) const;
    // Chooses a kind through the kind panel (Ω).
    bool choose_kind(int kind) const;
    // Confirms the exit box with OK and waits for the process to end.
    bool exit_with_ok();
    DWORD wait_exit(double seconds = 15);

private:
    PROCESS_INFORMATION pi_{};
    HWND main_ = nullptr;
};

// Removes the ini files beside the program and marks the guide as done, so
// that it does not start with the program.
void fresh_ini_files();

} // namespace varuno::e2e
