// The character window (dialog 165): the crow cut to its shape. It gets
// varuno ready, places both windows and runs the tour; it lives as long as
// the guide. Also the guide's hidden owner window.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "corvid/guide_win.h"
#include "corvid/splash_win.h"
#include "corvid_resource.h"
#include "platform/dialog_state_win.h"
#include "platform/dpi_win.h"
#include "platform/ini.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/window_contract.h"

namespace varuno::corvid {
namespace {

constexpr UINT kStartTour = WM_APP + 1;
constexpr std::uint32_t kCutColour = 0x00FF00;  // pure green in a 32-bit DIB pixel

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

// Where the client area starts in the window: inside the border, which
// is as wide at every DPI.
POINT client_offset(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - frame.left, origin.y - frame.top};
}

}  // namespace

Guide::Guide(HINSTANCE instance) : instance_(instance) {}

// The hidden owner stays out of sight; a second start of the guide shows
// it. Closing it then ends the guide the same way as closing the character.
LRESULT CALLBACK Guide::owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
    auto* guide = reinterpret_cast<Guide*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLOSE && guide && guide->character_) {
        PostMessageW(guide->character_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

INT_PTR Guide::run() {
    const std::wstring class_name = wide_utf8(kOwnerClass);
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = owner_proc;
    type.hInstance = instance_;
    type.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_CORVID));
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = class_name.c_str();
    RegisterClassExW(&type);
    owner_ = CreateWindowExW(0, class_name.c_str(), wide_utf8(kGuideTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, this);
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_CHARACTER), owner_, character_proc,
                           reinterpret_cast<LPARAM>(this));
}

// The guide ends: nothing opens any more and the window closes.
void Guide::stop() {
    stop_ = true;
    EndDialog(character_, 0);
}

// Sizes the window to the picture for its DPI and cuts it to the
// character: every pixel that is not pure green, and the pixel at the
// origin. A picture scaled between the renders takes the nearest pixels, so
// that the green stays exact. The picture is read once into memory and cut
// row by row into runs, which gives the same shape as testing and adding
// each pixel on its own, much faster.
bool Guide::take_shape() {
    picture_ = load_picture(instance_, IDB_CHARACTER, dpi_, Resample::kNearest);
    if (!picture_) return false;
    BITMAP picture{};
    GetObjectW(picture_.get(), sizeof picture, &picture);
    size_ = {picture.bmWidth, picture.bmHeight};
    SetWindowPos(character_, HWND_TOPMOST, 0, 0, size_.cx, size_.cy, SWP_NOMOVE | SWP_NOACTIVATE);

    const int w = size_.cx, h = size_.cy;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down rows
    GetDIBits(WindowDC(nullptr).get(), picture_.get(), 0, static_cast<UINT>(h), pixels.data(), &format, DIB_RGB_COLORS);
    const std::vector<Rect> runs = shape_runs(
        w, h, [&](int x, int y) { return (pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF) != kCutColour; });

    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh = {sizeof(RGNDATAHEADER),
                   RDH_RECTANGLES,
                   static_cast<DWORD>(runs.size()),
                   static_cast<DWORD>(runs.size() * sizeof(RECT)),
                   {0, 0, w, h}};
    auto* rects = reinterpret_cast<RECT*>(region->Buffer);
    for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    SetWindowRgn(character_, ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region), FALSE);
    return true;
}

// varuno's window, started when it is not there; null (after telling the
// user) when it neither runs nor comes up.
HWND Guide::find_or_start_main() {
    if (HWND main = find_main_window()) return main;
    const std::wstring program = path_beside_program(contract::kMainProgram).wstring();
    const std::wstring folder = path_beside_program("").wstring();
    const auto started =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, folder.c_str(), SW_SHOW));
    if (started <= 32) {
        if (HWND main = find_main_window()) return main;
        show_message(character_, kCannotStart);
        return nullptr;
    }
    HWND main = nullptr;
    if (!wait_for_window([&] { return (main = find_main_window()) != nullptr; }, [](int ms) { Sleep(ms); })) {
        show_message(character_, kTimedOut);
        return nullptr;
    }
    return main;
}

// Puts varuno's window and the character side by side on the screen, or
// tells the user that the screen is too small.
bool Guide::place_windows(HWND main) {
    ShowWindow(main, SW_RESTORE);
    RECT client{};
    GetClientRect(main, &client);
    const GuidePlacement place = guide_placement(GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
                                                 client.right, client.bottom, dpi_);
    if (!place.fits) {
        show_message(character_, kScreenTooSmall);
        return false;
    }
    SetWindowPos(main, HWND_TOPMOST, place.main_window.x, place.main_window.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(character_, HWND_TOPMOST, place.character.x, place.character.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    set_guide_title(character_);
    return true;
}

bool Guide::apply_dpi() {
    icon_ = load_icon(instance_, IDI_CORVID, px96::corvid::kIcon, dpi_);
    SendMessageW(character_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    return take_shape();
}

// On another monitor's DPI the character moves where Windows suggests and
// takes the picture and shape made for it; the balloon on show stays.
void Guide::on_dpi_changed(Dpi dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(character_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    apply_dpi();
    InvalidateRect(character_, nullptr, FALSE);
}

void Guide::start_up() {
    dpi_ = dpi_of(character_);
    Splash splash(*this);
    const bool shaped = apply_dpi();
    splash.close();
    if (!shaped) return stop();
    HWND main = find_or_start_main();
    if (!main) return stop();
    wait_until_ready(main);
    if (!place_windows(main)) return stop();
    PostMessageW(character_, kStartTour, 0, 0);
}

// One balloon after the other until the guide ends. varuno's window is
// looked for before each balloon: when it has gone, the guide ends.
void Guide::run_tour() {
    TourState state;
    while (!stop_) {
        if (!find_main_window()) {
            show_message(character_, kMainGone);
            break;
        }
        const int result = run_balloon(state.stage);
        if (result == kBalloonClosed) break;
        if (result == kBalloonMainGone) continue;  // told above, on the next look
        state = result == kBalloonRightClicked ? after_right_click(state) : after_button(state, result);
        if (state.finished) break;
    }
    stop();
}

void Guide::paint_character() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(character_, &ps);
    {
        // The window's shape is in window coordinates: the picture is drawn
        // from the client area's offset, so that it fills the shape.
        const POINT offset = client_offset(character_);
        MemoryDC memory(dc);
        Selected picture(memory.get(), picture_.get());
        BitBlt(dc, 0, 0, size_.cx, size_.cy, memory.get(), offset.x, offset.y, SRCCOPY);
    }
    EndPaint(character_, &ps);
}

INT_PTR CALLBACK Guide::character_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* guide = dialog_state<Guide>(window, message, lparam);
    if (!guide) return FALSE;
    if (message == WM_INITDIALOG) guide->character_ = window;
    return guide->character(message, wparam, lparam);
}

INT_PTR Guide::character(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: start_up(); return TRUE;
    case kStartTour: run_tour(); return TRUE;
    case WM_ERASEBKGND: return TRUE;  // the picture covers the whole shape
    case WM_PAINT: paint_character(); return TRUE;
    case WM_LBUTTONDOWN:
        // Dragging the character moves it as a caption would.
        ReleaseCapture();
        SendMessageW(character_, WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
        return TRUE;
    case WM_RBUTTONUP: {
        // A right click on the character asks whether to end the guide: the
        // tour balloon on show closes and the exit confirmation opens in its place.
        TourStage showing;
        if (balloon_showing(showing) && in_tour_sequence(showing)) end_balloon(kBalloonRightClicked);
        return TRUE;
    }
    case WM_COMMAND: return TRUE;  // Escape and Enter change nothing
    case WM_DPICHANGED: on_dpi_changed(Dpi(LOWORD(wparam)), *reinterpret_cast<const RECT*>(lparam)); return TRUE;
    case WM_CLOSE:
        stop_ = true;
        end_balloon(kBalloonClosed);
        EndDialog(character_, 0);
        return TRUE;
    case WM_DESTROY:
        // However the guide ends, the tour counts as seen from now on.
        record_tour_seen();
        picture_.reset();
        character_ = nullptr;
        PostQuitMessage(0);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace varuno::corvid
