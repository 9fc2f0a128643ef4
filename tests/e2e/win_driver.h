// Drives the real varuno.exe as another program would: finds its main window
// by title, reaches controls by their ids, sends the messages that a user's
// actions send, and answers message boxes found by their captions.
#pragma once
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varuno::e2e {

std::filesystem::path beside_test(const std::wstring& name);
std::wstring utf16(const char* utf8);
// The settings file's name as the settings module gives it.
std::wstring settings_file_name();

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

// Saves the screen area of `window` (or the whole screen) as a 32-bit BMP.
bool screenshot(HWND window, const std::filesystem::path& file);
// The pixels (0xRRGGBB) of a bitmap of w x h, bottom row first, and of a
// rectangle of the screen.
std::vector<DWORD> bitmap_pixels(HBITMAP bitmap, int w, int h);
std::vector<DWORD> screen_pixels(const RECT& r);
// A bitmap resource of varuno.exe beside the test: its size and pixels
// (empty when there is no such resource).
struct Picture {
    int w = 0, h = 0;
    std::vector<DWORD> pixels;
};
Picture program_picture(int id);
// Whether `picture` shows somewhere in `area` (pixels of w x h, as from
// screen_pixels), its pixels of colour `transparent` showing anything.
bool shows_picture(const std::vector<DWORD>& area, int w, int h, const Picture& picture, DWORD transparent);

// A program the test started (or took over): ended with the object if it
// still runs.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Starts `command` in the working folder `folder` (the test's own
    // working folder when empty).
    bool start(std::wstring command, const std::filesystem::path& folder = {});
    // Takes over the running process `id`.
    bool attach(DWORD id);
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    bool running() const;
    // Its exit code once it has ended within `seconds`; nothing while it runs.
    std::optional<DWORD> exit_code(double seconds = 15) const;

private:
    PROCESS_INFORMATION info_{};
};

// Waits until the thread of `hidden_button` (a hidden push button of a
// window of another program) has handled every message posted to its
// windows before this call: a change of the button's pressed state is
// posted after them and waited for. A negative check ("this did nothing")
// can then look instead of sleeping.
bool processed(HWND hidden_button);

// Whether a process of this program file name ("Corvid.exe") runs.
bool process_running(const std::wstring& exe);

class Varuno {
public:
    // Starts varuno.exe beside the test, or the one in `folder`. Ini files
    // are left as they are.
    bool start(const std::filesystem::path& folder = {});
    ~Varuno();
    DWORD process_id() const { return process_.id(); }
    HANDLE process() const { return process_.handle(); }
    bool running() const { return process_.running(); }
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
    std::optional<DWORD> wait_exit(double seconds = 15) { return process_.exit_code(seconds); }
    // Every message posted to the main window before this call has been
    // handled (through its hidden button 9999).
    bool processed() const;

private:
    ChildProcess process_;
    HWND main_ = nullptr;
};

// Removes the ini files beside the program and marks the guide as done, so
// that it does not start with the program.
void fresh_ini_files();

}  // namespace varuno::e2e

// ---- Favourites panel and settings dialog ----
namespace varuno::e2e {

// Waits for a visible dialog of the process that has a control `child`.
HWND wait_dialog_with(DWORD process, int child, double seconds = 15);
// Opens the favourites panel with the ★ button (posted mouse messages, since
// the panel is modal) and waits until it is ready; null if it did not open.
HWND open_favourites(const Varuno& app);
// Opens the settings dialog from the settings menu and waits until it is ready.
HWND open_settings(const Varuno& app);
// Clicks a button as the mouse does: radio buttons and check boxes change.
void press(HWND dialog, int id);
// Selects or deselects one row of a list view of another process and leaves
// the other rows as they are (several rows can be selected this way).
void list_view_set_selected(HANDLE process, HWND list, int row, bool selected);

}  // namespace varuno::e2e

// ---- Added for the unit search and the about box ----
namespace varuno::e2e {

// Waits up to `seconds` for a dialog of `process` with this caption; null if none came.
HWND wait_dialog(DWORD process, const std::wstring& caption, double seconds = 15);

// A list view of another process. Its structures are placed in that
// process's memory, since the list view reads and writes them there.
int list_view_count(HWND list);
std::wstring list_view_text(HANDLE process, HWND list, int row, int column);
// Selects `row` alone (-1 clears the selection).
void list_view_select(HANDLE process, HWND list, int row);
// Selects `row` and double-clicks it: the list view notifies its parent as
// for the user's double click. Posted, so that a box it opens does not block.
void list_view_double_click(HANDLE process, HWND list, int row);
// The column heads of a list view: their texts and widths in pixels.
struct HeaderItem {
    std::wstring text;
    int width;
};
std::vector<HeaderItem> list_view_heads(HANDLE process, HWND list);
// The screen point a click on row `row` of a list view goes to.
POINT list_view_row_point(HANDLE process, HWND list, int row);
// Clicks the head of `column` and waits until the click has been handled.
void list_view_click_column(HWND list, int column);
// Tells `window` of `process` what Windows tells a window moved to a monitor
// of another display scale: WM_DPICHANGED with `dpi` and its rectangle grown
// by `dpi` / 96 from where it is.
void send_dpi_change(HANDLE process, HWND window, int dpi);
// The id of the tool whose tip the tooltip window `tip` of `process` shows,
// or 0 when it shows none.
UINT_PTR current_tool(HANDLE process, HWND tip);

}  // namespace varuno::e2e

// ---- Added for the guide program Corvid ----
#include <vector>

namespace varuno::e2e {

// Drives Corvid.exe: finds its windows (the hidden owner window by its
// class, the character, the balloon on show, the pointer labels) and
// presses balloon buttons as a user's click reports them.
class Corvid {
public:
    // Starts Corvid.exe in `folder` (the test's own folder by default).
    bool start(const std::filesystem::path& folder = {});
    // Takes over a guide that another program started (varuno at its start).
    bool attach(double seconds = 15);
    DWORD process_id() const { return process_.id(); }
    HANDLE process() const { return process_.handle(); }
    std::optional<DWORD> wait_exit(double seconds = 15) { return process_.exit_code(seconds); }

    HWND owner() const;  // the hidden owner window
    HWND character() const;
    // The balloon on show, once the guide waits for input; null if none
    // came within `seconds`.
    HWND balloon(double seconds = 15) const;
    // The text that the balloon on show says.
    std::wstring balloon_text(double seconds = 15) const;
    // The pointer labels on show.
    std::vector<HWND> labels() const;
    // Presses a button of the balloon on show and waits until it closes.
    bool press(int button);

private:
    ChildProcess process_;
};

// The guide's hidden owner window in any process, or null.
HWND find_guide_owner();
// varuno's main window in any process, or null.
HWND find_varuno_window();
// Ends the process that owns `window` (one the test started, directly or
// through the program it started) and waits for it to go.
void end_process_of(HWND window);
// The screen rectangle of a window.
RECT rect_of(HWND window);
// Makes this test program per-monitor DPI aware (v2), so that it reads
// windows and screen in physical pixels at every display scale; false
// where Windows (or Wine) cannot.
bool make_per_monitor_dpi_aware();

// Programs started while it lives see the display scale `dpi`: the user's
// LogPixels, which Windows and Wine read at a program's start. The value
// that was there before (or none) comes back after.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi);
    ~DisplayScale();
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;
    bool set() const { return set_; }

private:
    HKEY key_ = nullptr;
    DWORD type_ = 0;
    std::vector<BYTE> previous_;
    bool had_value_ = false;
    bool set_ = false;
};

}  // namespace varuno::e2e
