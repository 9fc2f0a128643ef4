#include "mainwin/main_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "dialogs/dialogs_win.h"
#include "mainwin/help_win.h"
#include "mainwin/placement.h"
#include "platform/dpi_win.h"
#include "platform/ini.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/window_contract.h"
#include "unitdb/accessors.h"
#include "platform/child_rect_win.h"

namespace varuno {
namespace {

constexpr UINT_PTR kMarqueeTimer = 1, kDecorTimer = 3;
constexpr UINT kDecorPeriodMs = 3000;
constexpr COLORREF kTextColour = RGB(225, 255, 255);
constexpr UINT_PTR kZoomSubclass = 4;  // the value fields are subclassed as 0 ... 3
constexpr int kInputLimit = 32767;     // characters a value field takes
// The main window carries its object in a window property, so that the
// shortcut filter, which gets no data of its own, can find it.
constexpr const wchar_t* kWindowProperty = L"Varuno.MainWindow";

// Each picture button's name, and its tooltip with the keyboard shortcut.
struct ButtonName {
    int first, count;  // the button's pictures
    const char* name;
    const char* tip;
};
constexpr ButtonName kButtonNames[] = {
    {IDC_BTN_CLOSE, 3, "閉じる", "閉じる (Alt+F4)"},
    {IDC_BTN_MINIMISE, 3, "最小化", "最小化 (Ctrl+M)"},
    {IDC_BTN_TOPMOST, 4, "常に手前に表示", "常に手前に表示 (Ctrl+T)"},
    {IDC_BTN_HELP, 3, "ヘルプ", "ヘルプ (F1)"},
    {IDC_BTN_ABOUT, 3, "バージョン情報", "バージョン情報 (Ctrl+I)"},
    {IDC_BTN_KIND, 3, "単位種の選択", "単位種の選択 (Ctrl+K)"},
    {IDC_BTN_FAVOURITES, 3, "お気に入り換算", "お気に入り換算 (Ctrl+D)"},
    {IDC_LIVE_A_ON, 4, "Aコート：自動換算", "Aコート：自動換算 (Ctrl+L)"},
    {IDC_LIVE_A_OFF, 4, "Aコート：手動換算", "Aコート：手動換算 (Ctrl+L)"},
    {IDC_LIVE_B_ON, 4, "Bコート：自動換算", "Bコート：自動換算 (Ctrl+L)"},
    {IDC_LIVE_B_OFF, 4, "Bコート：手動換算", "Bコート：手動換算 (Ctrl+L)"},
};

// The function buttons' pressed and hover looks. Nobody sees them before the
// pointer comes over the window, so they are made then and not with the
// dialog (every control costs start-up time): each a picture control of its
// own, stacked on its button's first picture and named as the button.
struct StatePicture {
    int control, picture;
    int button;  // the first picture of its button
};
constexpr StatePicture kStatePictures[] = {
    {5001, 501, IDC_BTN_CLOSE},      {5002, 502, IDC_BTN_CLOSE},      {5009, 509, IDC_BTN_MINIMISE},
    {5010, 510, IDC_BTN_MINIMISE},   {5014, 514, IDC_BTN_TOPMOST},    {5015, 515, IDC_BTN_TOPMOST},
    {5017, 517, IDC_BTN_HELP},       {5018, 518, IDC_BTN_HELP},       {5021, 521, IDC_BTN_ABOUT},
    {5022, 522, IDC_BTN_ABOUT},      {5025, 525, IDC_BTN_KIND},       {5026, 526, IDC_BTN_KIND},
    {5029, 529, IDC_BTN_FAVOURITES}, {5030, 530, IDC_BTN_FAVOURITES}, {5034, 534, IDC_LIVE_A_ON},
    {5035, 535, IDC_LIVE_A_ON},      {5038, 538, IDC_LIVE_A_OFF},     {5039, 539, IDC_LIVE_A_OFF},
    {5042, 534, IDC_LIVE_B_ON},      {5043, 535, IDC_LIVE_B_ON},      {5046, 538, IDC_LIVE_B_OFF},
    {5047, 539, IDC_LIVE_B_OFF},
};

// A button's tool in the main window's tooltips: its first picture's id and
// where that picture is now.
TOOLINFOW button_tool(HWND main, const ButtonName& button) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = main;
    tool.uId = static_cast<UINT_PTR>(button.first);
    tool.rect = child_rect(main, button.first);
    return tool;
}

std::string window_text(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
}

BOOL CALLBACK collect_owned_tooltip(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(data);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (GetWindow(window, GW_OWNER) == found->first && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
        found->second.push_back(window);
    return TRUE;
}

BOOL CALLBACK collect_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& m = info.rcMonitor;
        const RECT& w = info.rcWork;
        reinterpret_cast<std::vector<Monitor>*>(data)->push_back(
            {{m.left, m.top, m.right, m.bottom}, {w.left, w.top, w.right, w.bottom}});
    }
    return TRUE;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, StartupClock& clock) : instance_(instance), clock_(clock) {}

MainWindow::~MainWindow() = default;

INT_PTR MainWindow::run() {
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN), nullptr, dialog_proc, reinterpret_cast<LPARAM>(this));
}

// ---- What the dialogs may do ----

// Image k is the picture of kind k, made when the kind panel first needs it.
// Kinds share pictures, so each picture is loaded once and added for every
// kind that shows it.
HIMAGELIST MainWindow::kind_images() {
    if (kind_images_ && kind_images_dpi_ == dpi_) return kind_images_.get();
    const int size = dpi_.px(px96::kKindPicture);
    kind_images_.reset(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0));
    kind_images_dpi_ = dpi_;
    std::vector<std::pair<int, UniqueBitmap>> loaded;
    for (int k = 0; k < kind_count; ++k) {
        const int number = kind_icons[static_cast<std::size_t>(k)];
        HBITMAP picture = nullptr;
        for (const auto& [n, bitmap] : loaded)
            if (n == number) picture = bitmap.get();
        if (!picture) {
            loaded.emplace_back(number, load_picture(instance_, number, dpi_, Resample::kNearest));
            picture = loaded.back().second.get();
        }
        // A picture that cannot be loaded still takes its place, so that
        // every later kind keeps its own picture.
        if (!picture || ImageList_AddMasked(kind_images_.get(), picture, RGB(255, 0, 255)) < 0)
            ImageList_SetImageCount(kind_images_.get(), static_cast<UINT>(k + 1));
    }
    return kind_images_.get();
}

void MainWindow::select_kind(int kind) {
    if (const udb* table = varuno::select_kind(tables_, kind, settings_.sort_option(), *this))
        model_.kind_chosen(kind, table);
}

void MainWindow::select_unit(int list, int position) {
    model_.box(list).set(position);
    syncing_ = true;
    SendMessageW(lists_[static_cast<std::size_t>(list)], CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    syncing_ = false;
}

std::optional<UnitTexts> MainWindow::unit_of_list(int j) const {
    const udb* table = model_.table();
    const int p = model_.box(j).chosen();
    if (!table || p < 0 || p >= table->count) return std::nullopt;
    return UnitTexts{unit_name(*table, p), unit_remark(*table, p)};
}

void MainWindow::show_unit_in_status(int list) {
    if (auto unit = unit_of_list(list)) status_.list_changed(list % 2 == 1, *unit);
}

void MainWindow::show_court_units_in_status(Court court) {
    const int first = court == kCourtA ? 0 : 2;
    status_.refresh_units(unit_of_list(first), unit_of_list(first + 1));
}

void MainWindow::settings_saved(const Settings& saved) {
    settings_ = read_settings();
    status_.set_interval(saved.marquee_ms);
    restart_decorative_timer(settings_.decorative_line);
}

void MainWindow::apply_settings_to_courts() {
    select_kind(model_.kind());
    show_court_units_in_status(kCourtA);
    status_.set_court(0);
}

// ---- What select_kind does to the lists ----

void MainWindow::clear_list(UnitList list) {
    SendMessageW(lists_[list], CB_RESETCONTENT, 0, 0);
    SetWindowTextW(edits_[list], L"");
}

void MainWindow::append_to_list(UnitList list, std::string_view label) {
    // Inserting at the end keeps the display order despite the sort style.
    SendMessageW(lists_[list], CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide(label).c_str()));
}

void MainWindow::set_result_line(std::string_view text) { SetDlgItemTextW(window_, IDC_ZOOM, wide(text).c_str()); }

void MainWindow::status_show_kind(std::string_view name) {
    status_.refresh_units(std::nullopt, std::nullopt);
    status_.set_kind(name);
}

// ---- What the courts show ----

void MainWindow::show_output(Court court, std::string_view text) {
    SetWindowTextW(edits_[static_cast<std::size_t>(court * 2 + 1)], wide(text).c_str());
}

void MainWindow::show_zoom(std::string_view text) { SetDlgItemTextW(window_, IDC_ZOOM, wide(text).c_str()); }

void MainWindow::show_message(std::string_view text) { message_box(text, kConversionErrorCaption, MB_OK); }

void MainWindow::focus_input(Court court) { SetFocus(edits_[static_cast<std::size_t>(court * 2)]); }

void MainWindow::mark_court(Court court) { status_.set_court(court == kCourtA ? 1 : 2); }

void MainWindow::convert(Court court) {
    const std::string input = window_text(edits_[static_cast<std::size_t>(court * 2)]);
    model_.courts().convert(court, model_.request(court, input, settings_.conversion()), *this);
}

// ---- Helpers ----

std::string MainWindow::control_text(int id) const { return window_text(GetDlgItem(window_, id)); }

int MainWindow::message_box(std::string_view text, std::string_view caption, UINT type) const {
    return MessageBoxW(window_, wide(text).c_str(), wide(caption).c_str(), type);
}

void MainWindow::focus_settings_button() { SetFocus(GetDlgItem(window_, IDC_SETTINGS_BUTTON)); }

void MainWindow::focus_input_a() { SetFocus(edits_[0]); }

void MainWindow::restart_decorative_timer(bool moving) {
    KillTimer(window_, kDecorTimer);
    if (moving) SetTimer(window_, kDecorTimer, kDecorPeriodMs, nullptr);
}

// ---- Start-up and exit ----

// The main window runs as a modal dialog, whose message loop knows no
// accelerators: the keyboard shortcuts are translated in a message filter of
// that loop, for the main window and its controls only.
LRESULT CALLBACK MainWindow::shortcut_filter(int code, WPARAM wparam, LPARAM lparam) {
    auto* message = reinterpret_cast<MSG*>(lparam);
    if (code == MSGF_DIALOGBOX && message && message->hwnd) {
        HWND root = GetAncestor(message->hwnd, GA_ROOT);
        auto* self = static_cast<MainWindow*>(GetPropW(root, kWindowProperty));
        if (self && self->shortcuts_ && TranslateAcceleratorW(root, self->shortcuts_, message)) return TRUE;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

void MainWindow::add_function_buttons() {
    buttons_.hw = window_;
    buttons_.InitialPush(IDC_BTN_CLOSE, 5001, 5002, 0);
    buttons_.InitialPush(IDC_BTN_MINIMISE, 5009, 5010, 0);
    buttons_.InitialToggle(IDC_BTN_TOPMOST, 5013, 5014, 5015, 1);
    buttons_.InitialPush(IDC_BTN_HELP, 5017, 5018, 0);
    buttons_.InitialPush(IDC_BTN_ABOUT, 5021, 5022, 0);
    buttons_.InitialPush(IDC_BTN_KIND, 5025, 5026, 0);
    buttons_.InitialPush(IDC_BTN_FAVOURITES, 5029, 5030, 0);
    buttons_.InitialRadio(IDC_LIVE_A_ON, 5033, 5034, 5035, 2, 0);
    buttons_.InitialRadio(IDC_LIVE_B_ON, 5041, 5042, 5043, 2, 1);
}

// The name is the window text of every picture of a button, so that a
// screen reader announces whichever of them is on show.
void MainWindow::name_buttons() {
    for (const ButtonName& button : kButtonNames) {
        const std::wstring name = wide_utf8(button.name);
        // The static's own WM_SETTEXT would take the text for a picture name.
        for (int id = button.first; id < button.first + button.count; ++id)
            if (HWND picture = GetDlgItem(window_, id))
                DefWindowProcW(picture, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void MainWindow::add_state_pictures() {
    if (state_pictures_made_) return;
    state_pictures_made_ = true;
    for (const StatePicture& s : kStatePictures)
        CreateWindowExW(0, L"Static", nullptr, WS_CHILD | SS_BITMAP, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(s.control)), instance_, nullptr);
    name_buttons();
    fit_state_pictures();
}

// The state pictures lie where their buttons are now and show the renders
// for the window's DPI.
void MainWindow::fit_state_pictures() {
    if (!state_pictures_made_) return;
    std::vector<TemplatePicture> pictures;
    for (const StatePicture& s : kStatePictures) {
        const RECT place = child_rect(window_, s.button);
        SetWindowPos(GetDlgItem(window_, s.control), nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pictures.push_back({s.control, s.picture});
    }
    show_pictures(window_, instance_, pictures, dpi_, state_renders_);
}

// The buttons' tooltips show only under the pointer: their window (a
// top-level one, which costs Wine an X window) is made when the pointer
// first comes over the main window, not at start.
void MainWindow::add_button_tips() {
    if (button_tips_) return;
    button_tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    if (!button_tips_) return;
    for (const ButtonName& button : kButtonNames) {
        std::wstring tip = wide_utf8(button.tip);
        TOOLINFOW tool = button_tool(window_, button);
        tool.uFlags = TTF_SUBCLASS;
        tool.lpszText = tip.data();
        SendMessageW(button_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// A tip answers to its button's rectangle: when the display scale moves the
// buttons, the rectangles follow.
void MainWindow::move_button_tips() {
    if (!button_tips_) return;
    for (const ButtonName& button : kButtonNames) {
        TOOLINFOW tool = button_tool(window_, button);
        SendMessageW(button_tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void MainWindow::subclass_controls() {
    for (UINT_PTR i = 0; i < 4; ++i) SetWindowSubclass(edits_[i], edit_subclass, i, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(GetDlgItem(window_, IDC_ZOOM), edit_subclass, kZoomSubclass, reinterpret_cast<DWORD_PTR>(this));
    for (int id : {IDC_CONVERT_A, IDC_CONVERT_B})
        SetWindowSubclass(GetDlgItem(window_, id), convert_button_subclass, 0, reinterpret_cast<DWORD_PTR>(this));
    for (UINT_PTR j = 0; j < 4; ++j) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(lists_[j], &info)) continue;
        SetWindowSubclass(info.hwndItem, box_edit_subclass, j, reinterpret_cast<DWORD_PTR>(this));
        SetWindowSubclass(info.hwndList, dropdown_subclass, j, reinterpret_cast<DWORD_PTR>(this));
    }
}

// The saved place (negative coordinates as 0, and back onto a monitor when
// the one it was on is gone), or (0, 0) before the first confirmed exit.
void MainWindow::restore_position() {
    Point p{0, 0};
    if (ini_read_int("INI", "MainExist", contract::kMainIniFile) != 0) {
        RECT r{};
        GetWindowRect(window_, &r);
        std::vector<Monitor> monitors;
        EnumDisplayMonitors(nullptr, nullptr, collect_monitor, reinterpret_cast<LPARAM>(&monitors));
        p = restored_position(ini_read_int("MAIN", "x", contract::kMainIniFile),
                              ini_read_int("MAIN", "y", contract::kMainIniFile), r.right - r.left, r.bottom - r.top,
                              monitors);
    }
    SetWindowPos(window_, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_NOSIZE);
}

void MainWindow::start_up(HWND window) {
    clock_.lap("creating the dialog and its controls");
    window_ = window;
    SetPropW(window, kWindowProperty, this);
    SetWindowTextW(window, wide_utf8(contract::kMainWindowTitle).c_str());
    for (std::size_t i = 0; i < 4; ++i) {
        lists_[i] = GetDlgItem(window, IDC_LIST_A_BEFORE + static_cast<int>(i));
        edits_[i] = GetDlgItem(window, IDC_INPUT_A + static_cast<int>(i));
        SendMessageW(edits_[i], EM_LIMITTEXT, kInputLimit, 0);
    }
    apply_dpi(dpi_of(window));
    clock_.lap("title, controls, icons, cursor, pictures for the DPI");
    add_function_buttons();
    shortcuts_ = LoadAcceleratorsW(instance_, MAKEINTRESOURCEW(IDA_MAIN));
    shortcut_hook_.reset(SetWindowsHookExW(WH_MSGFILTER, shortcut_filter, nullptr, GetCurrentThreadId()));
    clock_.lap("picture buttons, shortcuts");
    // The defaults are in place before anything reads a setting, also at
    // the very first start (when the file does not exist yet).
    if (ensure_settings() == SettingsFileState::kNotStored) save_failed(kSettingsFile);
    settings_ = read_settings();
    restart_decorative_timer(settings_.decorative_line);
    clock_.lap("settings file");
    subclass_controls();
    restore_position();
    clock_.lap("subclassing, placement");
    status_.create(window, instance_, settings_.marquee_ms, dpi_);
    clock_.lap("status bar");
    name_buttons();
    clock_.lap("button names");
    for (HWND list : lists_)
        for (std::string_view line : kGuidanceLines)
            SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(wide_utf8(line).c_str()));
    clock_.lap("guidance lines");
    if (ini_read_int(contract::kGuideIniSection, contract::kGuideIniKey, contract::kGuideIniFile) == 0)
        start_guide(window);
    clock_.lap("guide check");
    clock_.write();
}

// At 96 DPI the template's own pictures are the right ones.
void MainWindow::apply_dpi(Dpi dpi) {
    const bool first = !small_icon_;
    dpi_ = dpi;
    small_icon_ = load_icon(instance_, IDI_PROGRAM_SMALL, px96::kSmallIcon, dpi);
    big_icon_ = load_icon(instance_, IDI_PROGRAM, px96::kLargeIcon, dpi);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
    hand_ = load_cursor(instance_, IDR_HAND_CURSOR, dpi);
    if (!(first && dpi.is_base())) show_template_pictures(window_, instance_, IDD_MAIN, dpi, pictures_);
    fit_state_pictures();
    painter_.set_dpi(instance_, dpi);
    status_.set_dpi(dpi);
    buttons_.SetDragArea(0, dpi.px(px96::kDragStrip), 0, -1, 1);
}

// Moved to a monitor of another scale: Windows has already scaled the
// template's controls and font; the window takes the rectangle it suggests
// and brings its own pictures and pixel sizes along.
void MainWindow::on_dpi_changed(Dpi dpi, const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    apply_dpi(dpi);
    move_button_tips();
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::shut_down() {
    status_.release();
    for (UINT_PTR i = 0; i < 4; ++i) RemoveWindowSubclass(edits_[i], edit_subclass, i);
    RemoveWindowSubclass(GetDlgItem(window_, IDC_ZOOM), edit_subclass, kZoomSubclass);
    for (int id : {IDC_CONVERT_A, IDC_CONVERT_B})
        RemoveWindowSubclass(GetDlgItem(window_, id), convert_button_subclass, 0);
    for (UINT_PTR j = 0; j < 4; ++j) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(lists_[j], &info)) continue;
        RemoveWindowSubclass(info.hwndItem, box_edit_subclass, j);
        RemoveWindowSubclass(info.hwndList, dropdown_subclass, j);
    }
    shortcut_hook_.reset();
    RemovePropW(window_, kWindowProperty);
    PostQuitMessage(0);
}

void MainWindow::confirm_exit() {
    if (message_box(cp932::from_utf8("終了しますか"), cp932::from_utf8("Varuno：終了確認"),
                    MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION | MB_SETFOREGROUND) != IDOK)
        return;
    KillTimer(window_, kDecorTimer);
    RECT r{};
    GetWindowRect(window_, &r);
    if (!ini_write_changes(
            {{"MAIN", "x", std::to_string(r.left)}, {"MAIN", "y", std::to_string(r.top)}, {"INI", "MainExist", "1"}},
            contract::kMainIniFile))
        save_failed(contract::kMainIniFile);
    EndDialog(window_, 0);
}

// ---- Window commands ----

void MainWindow::show_popup_menu(int control, int menu) {
    UniqueMenu& loaded = menus_[menu == IDM_SETTINGS_MENU ? 0 : 1];
    if (!loaded) loaded.reset(LoadMenuW(instance_, MAKEINTRESOURCEW(menu)));
    RECT r{};
    GetWindowRect(GetDlgItem(window_, control), &r);
    TrackPopupMenu(GetSubMenu(loaded.get(), 0), TPM_LEFTBUTTON, r.left, r.bottom, 0, window_, nullptr);
}

// The status bar's tooltip window is owned by the main window and can keep
// it from becoming topmost again (seen under Wine): the tooltips are
// detached from it while its place in the z-order changes.
void MainWindow::set_topmost(bool on) {
    std::pair<HWND, std::vector<HWND>> tooltips{window_, {}};
    EnumThreadWindows(GetCurrentThreadId(), collect_owned_tooltip, reinterpret_cast<LPARAM>(&tooltips));
    for (HWND tip : tooltips.second) SetWindowLongPtrW(tip, GWLP_HWNDPARENT, 0);
    SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (HWND tip : tooltips.second) SetWindowLongPtrW(tip, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window_));
}

void MainWindow::place_window(Placement place) {
    RECT r{};
    GetWindowRect(window_, &r);
    const Point p = placement_origin(place, GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
                                     r.right - r.left, r.bottom - r.top);
    SetWindowPos(window_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void MainWindow::copy_zoom_view() {
    HWND zoom = GetDlgItem(window_, IDC_ZOOM);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(zoom)) + 1, L'\0');
    GetWindowTextW(zoom, text.data(), static_cast<int>(text.size()));
    const SIZE_T bytes = (wcslen(text.c_str()) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    void* memory = block ? GlobalLock(block) : nullptr;
    // Another program may hold the clipboard open for a moment.
    bool opened = false;
    for (int attempt = 0; memory && attempt < 10 && !(opened = OpenClipboard(window_) != FALSE); ++attempt) Sleep(20);
    if (!memory || !opened) {
        if (memory) GlobalUnlock(block);
        if (block) GlobalFree(block);
        MessageBoxW(nullptr,
                    wide_utf8("グローバルメモリが確保できず、クリップボードへのコピーに失敗しました。").c_str(),
                    wide_utf8("Varuno：コピー失敗").c_str(), MB_OK);
        return;
    }
    memcpy(memory, text.c_str(), bytes);
    GlobalUnlock(block);
    EmptyClipboard();
    // Unicode text: Windows offers it to programs that ask for ANSI text in
    // their own code page.
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    CloseClipboard();
}

void MainWindow::formula_error_box() {
    const int answer = message_box(
        cp932::from_utf8("換算結果がエラーとなりました。次の点についてご確認ください。\n\n"
                         "□全角文字を使用している。→半角文字のみ使用可能です。\n"
                         "□半角スペースを入力した。→半角スペースは入力しないでください。\n"
                         "□非対応の数式を使用した。→本ソフトウェアのヘルプファイル記載の数式をご使用ください。\n"
                         "□数式が入力途中・関数で括弧閉じをしていない。→入力途中の場合は、Errと表示されます。最後まで入"
                         "力してみてください。\n"
                         "□かなり大きな（もしくは、かなり小さい）数字を入力した。→数値の範囲は、 1.7×10±308 "
                         "（15桁）となっております。\n\n\n"
                         "上記項目で解決しない場合は、ソフトウェアの不具合の可能性があります。下の『いいえ』を押すと、"
                         "ヘルプファイルを表示しますので、"
                         "そちらをご参照の上、作者宛てのメールをお願いいたします。"),
        cp932::from_utf8("Varuno：数式エラー"), MB_YESNO);
    if (answer == IDNO && open_help(window_, kHelpFormulaErrors)) ShowWindow(window_, SW_MINIMIZE);
}

// The kind panel, and the unit search when the panel asks for it. The panel
// leaves the focus on court A's before list; a search hit applied to the
// courts leaves it in court A's input field, ready for a value.
void MainWindow::open_kind_panel_and_search() {
    const bool search = open_kind_panel(*this);
    SetFocus(lists_[0]);
    if (search && open_search_dialog(*this, dialog_memory_)) focus_input_a();
}

// The court whose control has the keyboard focus; court A when neither has.
Court MainWindow::court_of_focus() const {
    HWND focus = GetFocus();
    for (int id : {IDC_INPUT_B, IDC_OUTPUT_B, IDC_LIST_B_BEFORE, IDC_LIST_B_AFTER, IDC_CONVERT_B}) {
        HWND control = GetDlgItem(window_, id);
        if (focus == control || IsChild(control, focus)) return kCourtB;
    }
    return kCourtA;
}

// Ctrl+L: the live switch of the court with the focus flips, as a click on
// its other option would.
void MainWindow::flip_live_switch() {
    const Court court = court_of_focus();
    const bool live = model_.courts().live(court);
    buttons_.Press(court == kCourtA ? (live ? IDC_LIVE_A_OFF : IDC_LIVE_A_ON)
                                    : (live ? IDC_LIVE_B_OFF : IDC_LIVE_B_ON));
}

// Function-button reports: wParam the reported id, lParam the new state.
// After the window commands the focus goes to the settings button.
void MainWindow::on_button(int id, int state) {
    switch (id) {
    case IDC_BTN_CLOSE: confirm_exit(); return;
    case IDC_BTN_MINIMISE:
        ShowWindow(window_, SW_MINIMIZE);
        minimised_by_button_ = true;
        break;
    case IDC_BTN_TOPMOST: set_topmost(state == 1); break;
    case IDC_BTN_HELP: show_popup_menu(IDC_BTN_HELP, IDM_HELP_MENU); return;  // the chosen command moves the focus
    case IDC_BTN_ABOUT: open_about_box(*this); break;
    case IDC_BTN_KIND: open_kind_panel_and_search(); return;
    case IDC_BTN_FAVOURITES:
        if (open_favourites_panel(*this, dialog_memory_)) focus_input_a();  // a pair re-converted: ready for a value
        return;
    case IDC_LIVE_A_ON:
    case IDC_LIVE_A_OFF:
        model_.courts().set_live(kCourtA, id == IDC_LIVE_A_ON);
        InvalidateRect(GetDlgItem(window_, IDC_CONVERT_A), nullptr, TRUE);
        return;
    case IDC_LIVE_B_ON:
    case IDC_LIVE_B_OFF:
        model_.courts().set_live(kCourtB, id == IDC_LIVE_B_ON);
        InvalidateRect(GetDlgItem(window_, IDC_CONVERT_B), nullptr, TRUE);
        return;
    default: return;
    }
    focus_settings_button();
}

// Menu commands and keyboard shortcuts. After the window commands the focus
// goes to the settings button; the shortcuts of picture buttons press them,
// so that they act exactly as a click does.
bool MainWindow::on_menu(int command) {
    switch (command) {
    case IDM_PLACE_CENTRE: place_window(Placement::kCentre); break;
    case IDM_PLACE_TOP_LEFT: place_window(Placement::kTopLeft); break;
    case IDM_PLACE_BOTTOM_LEFT: place_window(Placement::kBottomLeft); break;
    case IDM_PLACE_TOP_RIGHT: place_window(Placement::kTopRight); break;
    case IDM_PLACE_BOTTOM_RIGHT: place_window(Placement::kBottomRight); break;
    case IDM_HELP:
        // The window gives way to the help only when the help could open.
        if (open_help(window_, kHelpIndex)) ShowWindow(window_, SW_MINIMIZE);
        break;
    case IDM_GUIDE: start_guide(window_); break;
    case IDM_SETTINGS: open_settings_dialog(*this, dialog_memory_); break;
    case IDM_ABOUT: open_about_box(*this); break;
    case IDM_SEARCH:
        if (open_search_dialog(*this, dialog_memory_)) focus_input_a();
        return true;
    case IDM_KIND_PANEL: buttons_.Press(IDC_BTN_KIND); return true;
    case IDM_FAVOURITES: buttons_.Press(IDC_BTN_FAVOURITES); return true;
    case IDM_TOPMOST: buttons_.Press(IDC_BTN_TOPMOST); return true;
    case IDM_MINIMISE: buttons_.Press(IDC_BTN_MINIMISE); return true;
    case IDM_LIVE: flip_live_switch(); return true;
    case IDM_CLOSE_MENU: return true;  // only closes the menu
    default: return false;
    }
    focus_settings_button();
    return true;
}

void MainWindow::on_command(int id, int code) {
    if (id >= IDC_LIST_A_BEFORE && id <= IDC_LIST_B_AFTER) return on_list_command(id - IDC_LIST_A_BEFORE, code);
    if (code == EN_CHANGE && id == IDC_INPUT_A && model_.courts().live(kCourtA)) return convert(kCourtA);
    if (code == EN_CHANGE && id == IDC_INPUT_B && model_.courts().live(kCourtB)) return convert(kCourtB);
    if (code != BN_CLICKED && code != 1) return;  // menu commands arrive as 0 (BN_CLICKED), shortcuts as 1
    switch (id) {
    case IDC_COPY: copy_zoom_view(); break;
    case IDC_SETTINGS_BUTTON: show_popup_menu(IDC_SETTINGS_BUTTON, IDM_SETTINGS_MENU); break;
    case IDC_CONVERT_A: convert(kCourtA); break;
    case IDC_CONVERT_B: convert(kCourtB); break;
    default: on_menu(id); break;
    }
}

// ---- Unit lists ----

std::string MainWindow::box_text(int j) const { return window_text(lists_[static_cast<std::size_t>(j)]); }

// Shows `position` as the list's selection while keeping `text` in its box
// and the caret where it was: selecting an item rewrites the box's text.
void MainWindow::select_keeping_text(int j, int position, const std::string& text) {
    HWND list = lists_[static_cast<std::size_t>(j)];
    HWND edit = GetWindow(list, GW_CHILD);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    syncing_ = true;
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    if (box_text(j) != text) SetWindowTextW(list, wide(text).c_str());
    SendMessageW(edit, EM_SETSEL, start, end);
    syncing_ = false;
}

// The unit chosen in list j changed (the user's choice, never the list's
// own highlight): the status bar takes it and the court converts again, or,
// when it does not convert, shows no result of other units.
void MainWindow::unit_changed(int j) {
    if (model_.kind() < 0) {
        // A guidance line chosen while no kind is: the kind panel opens.
        if (model_.box(j).chosen() >= 0) on_button(IDC_BTN_KIND, 0);
        return;
    }
    model_.set_unit_chosen();
    show_unit_in_status(j);
    const Court court = court_of_list(j);
    const std::string input = window_text(edits_[static_cast<std::size_t>(court * 2)]);
    model_.courts().units_changed(court, model_.request(court, input, settings_.conversion()), *this);
}

// Typing into a unit list's box chooses the unit whose label it is.
void MainWindow::box_typed(int j) {
    const std::string text = box_text(j);
    const int match = model_.table() ? find_label(*model_.table(), text) : -1;
    UnitBox& box = model_.box(j);
    if (box.is_open()) {
        // Only the highlight follows, so that Enter picks the typed unit.
        if (match >= 0) select_keeping_text(j, match, text);
        return;
    }
    if (!box.typed(match)) return;
    select_keeping_text(j, match, text);
    unit_changed(j);
}

void MainWindow::move_list(int j, const Rect& r) {
    // Its place in the z-order is its place in the Tab order: it stays.
    SetWindowPos(lists_[static_cast<std::size_t>(j)], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::widen_list(int j) {
    if (!settings_.widen_lists()) return;
    const RECT own = child_rect(window_, IDC_LIST_A_BEFORE + j);
    const ListPlace wide = widening_.widen(j, {own.left, own.top, own.right, own.bottom}, dpi_);
    move_list(j, wide.rect);
    for (int id : wide.covered) ShowWindow(GetDlgItem(window_, id), SW_HIDE);
}

void MainWindow::restore_list(int j) {
    const std::optional<ListPlace> back = widening_.restore(j, dpi_);
    if (!back) return;
    move_list(j, back->rect);
    for (int id : back->covered) ShowWindow(GetDlgItem(window_, id), SW_SHOW);
}

void MainWindow::on_list_command(int j, int code) {
    if (syncing_) return;
    UnitBox& box = model_.box(j);
    HWND list = lists_[static_cast<std::size_t>(j)];
    switch (code) {
    case CBN_SELCHANGE:
        if (box.moved(static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)))) unit_changed(j);
        break;
    case CBN_EDITCHANGE: box_typed(j); break;
    case CBN_DROPDOWN:
        box.opened(box_text(j));
        show_court_units_in_status(court_of_list(j));
        widen_list(j);
        break;
    case CBN_CLOSEUP: {
        restore_list(j);
        const UnitBox::Closed closed = box.closed(static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
        if (closed.restore) select_keeping_text(j, box.chosen(), box.text_before());
        if (closed.changed) unit_changed(j);
        break;
    }
    case CBN_KILLFOCUS:
        // A unit typed in another case shows as its own label once left.
        if (box.chosen() >= 0 && model_.table()) {
            const std::string label = unit_label(*model_.table(), box.chosen());
            if (box_text(j) != label) select_keeping_text(j, box.chosen(), label);
        }
        break;
    default: break;
    }
}

// ---- Subclasses ----

// The value fields and the zoom view: Enter converts the field's court, a
// click shows the court's units in the status bar, and a click on the zoom
// view after the error mark explains it.
LRESULT CALLBACK MainWindow::edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR slot,
                                           DWORD_PTR data) {
    auto& self = *reinterpret_cast<MainWindow*>(data);
    const Court court = slot < 2 ? kCourtA : kCourtB;
    if (message == WM_KEYUP && wparam == VK_RETURN && slot != kZoomSubclass) self.convert(court);
    if (message == WM_LBUTTONUP) {
        if (slot != kZoomSubclass)
            self.show_court_units_in_status(court);
        else if (self.model_.courts().formula_error())
            self.formula_error_box();
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

// The convert buttons look pressed from the button going down to it going up.
LRESULT CALLBACK MainWindow::convert_button_subclass(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                     DWORD_PTR data) {
    auto& self = *reinterpret_cast<MainWindow*>(data);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_LBUTTONUP) {
        // A second quick press arrives as a double click: it goes down too.
        self.pressed_[GetDlgCtrlID(button) == IDC_CONVERT_A ? 0 : 1] = message != WM_LBUTTONUP;
        InvalidateRect(button, nullptr, TRUE);
    }
    return DefSubclassProc(button, message, wparam, lparam);
}

// Keys in a unit list's box while its list is open: Enter picks the
// highlighted unit; the arrow and page keys move through the list, after
// which closing it by keyboard picks too. Alt+Down and Alt+Up open and close
// the list here, as F4 does, so that the Alt key never leaves the window in
// menu mode.
LRESULT CALLBACK MainWindow::box_edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j,
                                               DWORD_PTR data) {
    auto& self = *reinterpret_cast<MainWindow*>(data);
    HWND combo = self.lists_[j];
    UnitBox& box = self.model_.box(static_cast<int>(j));
    const bool open = SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (message == WM_KEYDOWN && open) {
        switch (wparam) {
        case VK_RETURN: box.picked(); break;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: box.navigated(); break;
        case VK_F4: box.closing_by_key(); break;
        default: break;
        }
    }
    if (message == WM_SYSKEYDOWN && (wparam == VK_DOWN || wparam == VK_UP)) {
        if (open) box.closing_by_key();
        SendMessageW(combo, CB_SHOWDROPDOWN, !open, 0);
        return 0;
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

// A click that ends on an item of a unit list's open list picks it; a click
// anywhere else (its arrow, outside) closes the list without a choice.
LRESULT CALLBACK MainWindow::dropdown_subclass(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j,
                                               DWORD_PTR data) {
    if (message == WM_LBUTTONUP) {
        RECT client{};
        GetClientRect(list, &client);
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        if (PtInRect(&client, at)) reinterpret_cast<MainWindow*>(data)->model_.box(static_cast<int>(j)).picked();
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

// ---- The dialog procedure ----

INT_PTR CALLBACK MainWindow::dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    MainWindow* self = dialog_state<MainWindow>(window, message, lparam);
    if (!self) return FALSE;
    if (message == WM_INITDIALOG) self->window_ = window;
    return self->handle(message, wparam, lparam);
}

INT_PTR MainWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: start_up(window_); return TRUE;
    case WM_ACTIVATE:
        // The dialog manager gives the focus back to the control it had at an
        // earlier deactivation; after the minimise button it belongs to the
        // settings button, where the button put it.
        if (LOWORD(wparam) != WA_INACTIVE && minimised_by_button_) {
            minimised_by_button_ = false;
            PostMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window_, IDC_SETTINGS_BUTTON)),
                         TRUE);
        }
        return FALSE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        info->ptMinTrackSize = {dpi_.px(px96::kMinTrack.cx), dpi_.px(px96::kMinTrack.cy)};
        info->ptMaxTrackSize = {dpi_.px(px96::kMaxTrack.cx), dpi_.px(px96::kMaxTrack.cy)};
        return TRUE;
    }
    case WM_SIZE: {
        HWND copy = GetDlgItem(window_, IDC_COPY);
        if (!copy) return FALSE;
        const RECT r = child_rect(window_, IDC_COPY);
        SetWindowPos(copy, nullptr, LOWORD(lparam) - dpi_.px(px96::kCopyRightMargin) - (r.right - r.left), r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
    case WM_DPICHANGED: on_dpi_changed(Dpi(LOWORD(wparam)), *reinterpret_cast<const RECT*>(lparam)); return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        painter_.paint(window_, dc, status_.active_court());
        EndPaint(window_, &ps);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        const int slot = item->CtlID == IDC_CONVERT_A ? 0 : 1;
        painter_.draw_convert_button(*item, {model_.courts().live(slot == 0 ? kCourtA : kCourtB), pressed_[slot]});
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN: {
        if (message == WM_CTLCOLORBTN) {
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
            if (id != IDC_CONVERT_A && id != IDC_CONVERT_B) return FALSE;
        }
        SetTextColor(reinterpret_cast<HDC>(wparam), kTextColour);
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
    }
    case WM_CTLCOLORSTATIC: {
        // The product title and the program icon sit on the header picture.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
        if (id != 0xFFFF && id != -1 && id != IDC_PROGRAM_ICON) return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wparam), kTextColour);
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
    }
    case WM_COMMAND: on_command(LOWORD(wparam), HIWORD(wparam)); return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header->idFrom == IDC_STATUS && header->code == NM_CLICK)
            status_.show_all(model_.unit_chosen() && model_.kind() >= 0);
        return TRUE;
    }
    case WM_TIMER:
        if (wparam == kMarqueeTimer) status_.tick();
        if (wparam == kDecorTimer) painter_.step(window_);
        return TRUE;
    case WM_SETCURSOR:  // the pointer over the window or a control of it
        add_button_tips();
        add_state_pictures();
        return FALSE;
    case WM_MOUSEMOVE:
        buttons_.OnMouseMove(static_cast<int>(wparam), static_cast<short>(LOWORD(lparam)),
                             static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_LBUTTONDOWN:
        buttons_.OnLButtonDown(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_LBUTTONUP:
        buttons_.OnLButtonUp(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_NVBTN: on_button(static_cast<int>(wparam), static_cast<int>(lparam)); return TRUE;
    case WM_CLOSE: confirm_exit(); return TRUE;
    case WM_DESTROY: shut_down(); return TRUE;
    default: return FALSE;
    }
}

}  // namespace varuno
