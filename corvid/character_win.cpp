#include "corvid/character_win.h"

#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "corvid/balloon_win.h"
#include "corvid/guide_win.h"
#include "corvid/layout.h"
#include "corvid/splash_win.h"
#include "corvid_resource.h"
#include "platform/ini.h"

namespace varuno::corvid {
namespace {

constexpr UINT kStartTour = WM_APP + 1;
constexpr std::uint32_t kCutColour = 0x00FF00;  // pure green in a 32-bit DIB pixel

HWND g_character = nullptr;
HBITMAP g_picture = nullptr;
SIZE g_size{};
bool g_stop = false;

// The guide ends: nothing opens any more and the window closes.
void stop(HWND window) {
    g_stop = true;
    EndDialog(window, 0);
}

// Sizes the window to the picture and cuts it to the character: every
// pixel that is not pure green, and the pixel at the origin. The picture is
// read once into memory and cut row by row into runs, which gives the same
// shape as testing and adding each pixel on its own, much faster.
void take_shape(HWND window) {
    g_picture = static_cast<HBITMAP>(
        LoadImageW(guide_instance(), MAKEINTRESOURCEW(IDB_CHARACTER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP picture{};
    GetObjectW(g_picture, sizeof picture, &picture);
    g_size = {picture.bmWidth, picture.bmHeight};
    SetWindowPos(window, HWND_TOPMOST, 0, 0, g_size.cx, g_size.cy, SWP_NOMOVE | SWP_NOACTIVATE);

    const int w = g_size.cx, h = g_size.cy;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down rows
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, g_picture, 0, static_cast<UINT>(h), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    const std::vector<Rect> runs = shape_runs(w, h, [&](int x, int y) {
        return (pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF) != kCutColour;
    });

    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()),
                   static_cast<DWORD>(runs.size() * sizeof(RECT)), {0, 0, w, h}};
    auto* rects = reinterpret_cast<RECT*>(region->Buffer);
    for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    SetWindowRgn(window, ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region), FALSE);
}

// varuno's window, started when it is not there; null (after telling the
// user) when it neither runs nor comes up.
HWND find_or_start_main(HWND window) {
    if (HWND main = find_main_window()) return main;
    const std::wstring program = path_beside_program(kMainProgram).wstring();
    const std::wstring folder = path_beside_program("").wstring();
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, folder.c_str(), SW_SHOW));
    if (started <= 32) {
        if (HWND main = find_main_window()) return main;
        show_message(window, kCannotStart);
        return nullptr;
    }
    HWND main = nullptr;
    if (!wait_for_window([&] { return (main = find_main_window()) != nullptr; }, [](int ms) { Sleep(ms); })) {
        show_message(window, kTimedOut);
        return nullptr;
    }
    return main;
}

// Lets varuno finish its start-up (its window gets its title early on)
// before the guide moves the window.
void wait_until_ready(HWND main) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(main, &process_id);
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_id)) {
        WaitForInputIdle(process, 10000);
        CloseHandle(process);
    }
}

// Puts varuno's window and the character side by side on the screen, or
// tells the user that the screen is too small.
bool place_windows(HWND window, HWND main) {
    ShowWindow(main, SW_RESTORE);
    RECT client{};
    GetClientRect(main, &client);
    const GuidePlacement place = guide_placement(GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
                                                 client.right, client.bottom);
    if (!place.fits) {
        show_message(window, kScreenTooSmall);
        return false;
    }
    SetWindowPos(main, HWND_TOPMOST, place.main_window.x, place.main_window.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(window, HWND_TOPMOST, place.character.x, place.character.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    set_guide_title(window);
    return true;
}

void start_up(HWND window) {
    g_character = window;
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadImageW(guide_instance(), MAKEINTRESOURCEW(IDI_CORVID), IMAGE_ICON, 32, 32, 0)));
    HWND splash = open_splash();
    take_shape(window);
    if (splash) DestroyWindow(splash);
    HWND main = find_or_start_main(window);
    if (!main) return stop(window);
    wait_until_ready(main);
    if (!place_windows(window, main)) return stop(window);
    PostMessageW(window, kStartTour, 0, 0);
}

// One balloon after the other until the guide ends. varuno's window is
// looked for before each balloon: when it has gone, the guide ends.
void run_tour(HWND window) {
    TourState state;
    while (!g_stop) {
        if (!find_main_window()) {
            show_message(window, kMainGone);
            break;
        }
        const int result = run_balloon(state.stage, window);
        if (result == kBalloonClosed) break;
        if (result == kBalloonMainGone) continue;  // told above, on the next look
        state = result == kBalloonRightClicked ? after_right_click(state) : after_button(state, result);
        if (state.finished) break;
    }
    stop(window);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, g_picture);
    BitBlt(dc, 0, 0, g_size.cx, g_size.cy, memory, 1, 1, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &ps);
}

// A right click on the character asks whether to end the guide: the tour
// balloon on show closes and the exit confirmation opens in its place.
void on_right_click() {
    TourStage showing;
    if (balloon_showing(showing) && in_tour_sequence(showing)) end_balloon(kBalloonRightClicked);
}

} // namespace

HWND character_window() { return g_character; }

INT_PTR CALLBACK character_proc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        start_up(window);
        return TRUE;
    case kStartTour:
        run_tour(window);
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;  // the picture covers the whole shape
    case WM_PAINT:
        paint(window);
        return TRUE;
    case WM_LBUTTONDOWN:
        // Dragging the character moves it as a caption would.
        ReleaseCapture();
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
        return TRUE;
    case WM_RBUTTONUP:
        on_right_click();
        return TRUE;
    case WM_COMMAND:
        return TRUE;  // Escape and Enter change nothing
    case WM_CLOSE:
        g_stop = true;
        end_balloon(kBalloonClosed);
        EndDialog(window, 0);
        return TRUE;
    case WM_DESTROY:
        // However the guide ends, the tour counts as seen from now on.
        record_tour_seen();
        if (g_picture) DeleteObject(g_picture);
        g_picture = nullptr;
        g_character = nullptr;
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace varuno::corvid
