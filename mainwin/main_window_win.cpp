#include "mainwin/main_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/engine.h"
#include "mainwin/courts.h"
#include "mainwin/unit_box.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/kind_panel_win.h"
#include "dialogs/nvbtn.h"
#include "dialogs/settings_file.h"
#include "mainwin/app_win.h"
#include "mainwin/help_win.h"
#include "mainwin/painting_win.h"
#include "mainwin/placement.h"
#include "mainwin/status_bar_win.h"
#include "platform/ini.h"
#include "platform/wide_text.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"

namespace varuno {

const wchar_t* const kMainWindowTitle =
    L"QXtool-Varuno -\u30F4\u30A1\u30EB\u30FC\u30CE-\u3000\u3000\u3000\u3000\u5358\u4F4D\u63DB\u7B97\u30BD\u30D5\u30C8"
    L"\uFF0F\u4F5C\u8005\uFF1AOrvel\uFF0FHP\uFF1ALarkmere";

namespace {

constexpr UINT_PTR kMarqueeTimer = 1, kDecorTimer = 3;
constexpr COLORREF kTextColour = RGB(225, 255, 255);
constexpr int kListIds[4] = {IDC_LIST_A_BEFORE, IDC_LIST_A_AFTER, IDC_LIST_B_BEFORE, IDC_LIST_B_AFTER};
constexpr int kEditIds[4] = {IDC_INPUT_A, IDC_OUTPUT_A, IDC_INPUT_B, IDC_OUTPUT_B};

HINSTANCE g_instance = nullptr;
HWND g_main = nullptr;
HIMAGELIST g_kind_images = nullptr;
HCURSOR g_hand = nullptr;
HWND g_lists[4] = {};
HWND g_edits[4] = {};
HBRUSH g_brush = nullptr;
HMENU g_menus[2] = {};  // popup menus 136 and 137, loaded on first use
WNDPROC g_edit_procs[5] = {};
WNDPROC g_button_procs[2] = {};
bool g_unit_chosen = false;
bool g_pressed[2] = {};
Courts g_courts;
UnitBox g_boxes[4];
bool g_syncing = false;  // the program itself is changing a unit box's text or selection
NvbtnCls g_buttons(7, 2, 2);
RECT g_widened_from{};  // a widened list's own rectangle, to go back to
HACCEL g_shortcuts = nullptr;
HHOOK g_shortcut_hook = nullptr;
HWND g_button_tips = nullptr;

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

std::string window_text(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
}

Court court_of_list(int j) { return j < 2 ? kCourtA : kCourtB; }

// What the courts change on the window.
class WindowDisplay : public CourtDisplay {
public:
    void show_output(Court court, std::string_view text) override {
        SetWindowTextW(g_edits[court * 2 + 1], wide(text).c_str());
    }
    void show_zoom(std::string_view text) override { SetDlgItemTextW(g_main, IDC_ZOOM, wide(text).c_str()); }
    void show_message(std::string_view text) override { message_box(text, kConversionErrorCaption, MB_OK); }
    void focus_input(Court court) override { SetFocus(g_edits[court * 2]); }
    void mark_court(Court court) override { status_set_court(court == kCourtA ? 1 : 2); }
};

// A conversion of `court` as the window stands: its input field and the
// units chosen in its two lists.
ConversionRequest court_request(Court court, const std::string& input) {
    return {current_table, current_kind == kTemperatureKind, input, g_boxes[court * 2].chosen(),
            g_boxes[court * 2 + 1].chosen(), conversion_settings_from_file()};
}

// The unit lists as select_kind fills them.
class WindowLists : public UnitListView {
public:
    void clear_list(UnitList list) override {
        g_boxes[list].set(-1);
        SendMessageW(g_lists[list], CB_RESETCONTENT, 0, 0);
        SetWindowTextW(g_edits[list], L"");
    }
    void append_to_list(UnitList list, std::string_view label) override {
        // Inserting at the end keeps the display order despite the sort style.
        SendMessageW(g_lists[list], CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide(label).c_str()));
    }
    void set_result_line(std::string_view text) override {
        SetDlgItemTextW(g_main, IDC_ZOOM, wide(text).c_str());
        g_courts.cleared();
    }
    void clear_unit_chosen() override { g_unit_chosen = false; }
    void status_show_kind(std::string_view name) override {
        status_refresh_units(kCourtA);
        status_set_kind(name);
    }
};

WindowDisplay g_display;
WindowLists g_window_lists;

void convert(Court court) {
    const std::string input = window_text(g_edits[court * 2]);
    g_courts.convert(court, court_request(court, input), g_display);
}

void focus_settings_button() { SetFocus(GetDlgItem(g_main, IDC_SETTINGS_BUTTON)); }

void show_popup_menu(int control, int menu) {
    HMENU& loaded = g_menus[menu == IDM_SETTINGS_MENU ? 0 : 1];
    if (!loaded) loaded = LoadMenuW(g_instance, MAKEINTRESOURCEW(menu));
    RECT r{};
    GetWindowRect(GetDlgItem(g_main, control), &r);
    TrackPopupMenu(GetSubMenu(loaded, 0), TPM_LEFTBUTTON, r.left, r.bottom, 0, g_main, nullptr);
}

BOOL CALLBACK collect_owned_tooltip(HWND window, LPARAM data) {
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (GetWindow(window, GW_OWNER) == g_main && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// The status bar's tooltip window is owned by the main window and can keep
// it from becoming topmost again (seen under Wine): the tooltips are
// detached from it while its place in the z-order changes.
void set_topmost(bool on) {
    std::vector<HWND> tooltips;
    EnumThreadWindows(GetCurrentThreadId(), collect_owned_tooltip, reinterpret_cast<LPARAM>(&tooltips));
    for (HWND tip : tooltips) SetWindowLongPtrW(tip, GWLP_HWNDPARENT, 0);
    SetWindowPos(g_main, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (HWND tip : tooltips) SetWindowLongPtrW(tip, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(g_main));
}

void place_window(Placement place) {
    RECT r{};
    GetWindowRect(g_main, &r);
    const Point p = placement_origin(place, GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
                                     r.right - r.left, r.bottom - r.top);
    SetWindowPos(g_main, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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

// The saved place (negative coordinates as 0, and back onto a monitor when
// the one it was on is gone), or (0, 0) before the first confirmed exit.
void restore_position() {
    Point p{0, 0};
    if (ini_read_int("INI", "MainExist", "varuno.ini") != 0) {
        RECT r{};
        GetWindowRect(g_main, &r);
        std::vector<Monitor> monitors;
        EnumDisplayMonitors(nullptr, nullptr, collect_monitor, reinterpret_cast<LPARAM>(&monitors));
        p = restored_position(ini_read_int("MAIN", "x", "varuno.ini"), ini_read_int("MAIN", "y", "varuno.ini"),
                              r.right - r.left, r.bottom - r.top, monitors);
    }
    SetWindowPos(g_main, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_NOSIZE);
}

void confirm_exit() {
    if (message_box(cp("終了しますか"), cp("Varuno：終了確認"),
                    MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION | MB_SETFOREGROUND) != IDOK)
        return;
    KillTimer(g_main, kDecorTimer);
    RECT r{};
    GetWindowRect(g_main, &r);
    ini_write_int("MAIN", "x", r.left, "varuno.ini");
    ini_write_int("MAIN", "y", r.top, "varuno.ini");
    ini_write_int("INI", "MainExist", 1, "varuno.ini");
    EndDialog(g_main, 0);
}

void copy_zoom_view() {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(GetDlgItem(g_main, IDC_ZOOM))) + 1, L'\0');
    GetDlgItemTextW(g_main, IDC_ZOOM, text.data(), static_cast<int>(text.size()));
    const SIZE_T bytes = (wcslen(text.c_str()) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    void* memory = block ? GlobalLock(block) : nullptr;
    // Another program may hold the clipboard open for a moment.
    bool opened = false;
    for (int attempt = 0; memory && attempt < 10 && !(opened = OpenClipboard(g_main) != FALSE); ++attempt) Sleep(20);
    if (!memory || !opened) {
        if (memory) GlobalUnlock(block);
        if (block) GlobalFree(block);
        MessageBoxW(nullptr, wide_utf8("グローバルメモリが確保できず、クリップボードへのコピーに失敗しました。").c_str(),
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

void formula_error_box() {
    const int answer = message_box(
        cp("換算結果がエラーとなりました。次の点についてご確認ください。\n\n"
           "□全角文字を使用している。→半角文字のみ使用可能です。\n"
           "□半角スペースを入力した。→半角スペースは入力しないでください。\n"
           "□非対応の数式を使用した。→本ソフトウェアのヘルプファイル記載の数式をご使用ください。\n"
           "□数式が入力途中・関数で括弧閉じをしていない。→入力途中の場合は、Errと表示されます。最後まで入力してみてください。\n"
           "□かなり大きな（もしくは、かなり小さい）数字を入力した。→数値の範囲は、 1.7×10±308 （15桁）となっております。\n\n\n"
           "上記項目で解決しない場合は、ソフトウェアの不具合の可能性があります。下の『いいえ』を押すと、ヘルプファイルを表示しますので、"
           "そちらをご参照の上、作者宛てのメールをお願いいたします。"),
        cp("Varuno：数式エラー"), MB_YESNO);
    if (answer == IDNO && open_help(g_main, kHelpFormulaErrors)) ShowWindow(g_main, SW_MINIMIZE);
}

// While a unit list's drop-down is open it may be widened to 240 pixels over
// the other court; the two controls it covers are hidden meanwhile.
struct Widening {
    int list, shift, hide1, hide2;
};
constexpr Widening kWidening[4] = {{IDC_LIST_A_BEFORE, 0, IDC_INPUT_B, IDC_LIST_B_BEFORE},
                                   {IDC_LIST_A_AFTER, 0, IDC_OUTPUT_B, IDC_LIST_B_AFTER},
                                   {IDC_LIST_B_BEFORE, -172, IDC_INPUT_B, IDC_LIST_A_BEFORE},
                                   {IDC_LIST_B_AFTER, -172, IDC_OUTPUT_B, IDC_LIST_A_AFTER}};

RECT client_rect_of(int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(g_main, id), &r);
    MapWindowPoints(nullptr, g_main, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void widen_list(int j) {
    if (!widen_lists_setting()) return;
    const Widening& w = kWidening[j];
    g_widened_from = client_rect_of(w.list);
    // Its place in the z-order is its place in the Tab order: it stays.
    SetWindowPos(GetDlgItem(g_main, w.list), nullptr, g_widened_from.left + w.shift, g_widened_from.top, 240, 300,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(GetDlgItem(g_main, w.hide1), SW_HIDE);
    ShowWindow(GetDlgItem(g_main, w.hide2), SW_HIDE);
}

void restore_list(int j) {
    if (!widen_lists_setting()) return;
    const Widening& w = kWidening[j];
    const RECT now = client_rect_of(w.list);
    SetWindowPos(GetDlgItem(g_main, w.list), nullptr, now.left - w.shift, now.top, 68, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(GetDlgItem(g_main, w.hide1), SW_SHOW);
    ShowWindow(GetDlgItem(g_main, w.hide2), SW_SHOW);
}

LRESULT CALLBACK edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    const int id = GetDlgCtrlID(edit);
    const int slot = id == IDC_ZOOM ? 4 : id - IDC_INPUT_A;
    const Court court = id == IDC_INPUT_A || id == IDC_OUTPUT_A ? kCourtA : kCourtB;
    if (message == WM_KEYUP && wparam == VK_RETURN && id != IDC_ZOOM) convert(court);
    if (message == WM_LBUTTONUP) {
        if (id != IDC_ZOOM)
            status_refresh_units(court);
        else if (g_courts.formula_error())
            formula_error_box();
    }
    return CallWindowProcW(g_edit_procs[slot], edit, message, wparam, lparam);
}

LRESULT CALLBACK button_subclass(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    const int slot = GetDlgCtrlID(button) == IDC_CONVERT_A ? 0 : 1;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        g_pressed[slot] = message == WM_LBUTTONDOWN;
        InvalidateRect(button, nullptr, TRUE);
    }
    return CallWindowProcW(g_button_procs[slot], button, message, wparam, lparam);
}

void subclass(int id, WNDPROC proc, WNDPROC& old) {
    old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(GetDlgItem(g_main, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void unsubclass(int id, WNDPROC old) {
    if (old) SetWindowLongPtrW(GetDlgItem(g_main, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
}

void on_button(int id, int state);

// The text a unit list's box shows.
std::string box_text(int j) { return window_text(g_lists[j]); }

// Shows `position` as the list's selection while keeping `text` in its box
// and the caret where it was: selecting an item rewrites the box's text.
void select_keeping_text(int j, int position, const std::string& text) {
    HWND edit = GetWindow(g_lists[j], GW_CHILD);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    g_syncing = true;
    SendMessageW(g_lists[j], CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    if (box_text(j) != text) SetWindowTextW(g_lists[j], wide(text).c_str());
    SendMessageW(edit, EM_SETSEL, start, end);
    g_syncing = false;
}

// The unit chosen in list j changed (the user's choice, never the list's
// own highlight): the status bar takes it and the court converts again, or,
// when it does not convert, shows no result of other units.
void unit_changed(int j) {
    if (current_kind < 0) {
        // A guidance line chosen while no kind is: the kind panel opens.
        if (g_boxes[j].chosen() >= 0) on_button(IDC_BTN_KIND, 0);
        return;
    }
    g_unit_chosen = true;
    status_list_changed(j);
    const Court court = court_of_list(j);
    g_courts.units_changed(court, court_request(court, window_text(g_edits[court * 2])), g_display);
}

// Typing into a unit list's box chooses the unit whose label it is.
void box_typed(int j) {
    const std::string text = box_text(j);
    const int match = current_table ? find_label(*current_table, text) : -1;
    if (g_boxes[j].is_open()) {
        // Only the highlight follows, so that Enter picks the typed unit.
        if (match >= 0) select_keeping_text(j, match, text);
        return;
    }
    if (!g_boxes[j].typed(match)) return;
    select_keeping_text(j, match, text);
    unit_changed(j);
}

// Keys in a unit list's box while its list is open: Enter picks the
// highlighted unit; the arrow and page keys move through the list, after
// which closing it by keyboard picks too. Alt+Down and Alt+Up open and close
// the list here, as F4 does, so that the Alt key never leaves the window in
// menu mode.
LRESULT CALLBACK box_edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j, DWORD_PTR) {
    HWND combo = g_lists[j];
    const bool open = SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (message == WM_KEYDOWN && open) {
        switch (wparam) {
        case VK_RETURN: g_boxes[j].picked(); break;
        case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: g_boxes[j].navigated(); break;
        case VK_F4: g_boxes[j].closing_by_key(); break;
        default: break;
        }
    }
    if (message == WM_SYSKEYDOWN && (wparam == VK_DOWN || wparam == VK_UP)) {
        if (open) g_boxes[j].closing_by_key();
        SendMessageW(combo, CB_SHOWDROPDOWN, !open, 0);
        return 0;
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

// A click that ends on an item of a unit list's open list picks it; a click
// anywhere else (its arrow, outside) closes the list without a choice.
LRESULT CALLBACK dropdown_subclass(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j, DWORD_PTR) {
    if (message == WM_LBUTTONUP) {
        RECT client{};
        GetClientRect(list, &client);
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        if (PtInRect(&client, at)) g_boxes[j].picked();
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

void subclass_unit_boxes() {
    for (UINT_PTR j = 0; j < 4; ++j) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(g_lists[j], &info)) continue;
        SetWindowSubclass(info.hwndItem, box_edit_subclass, j, 0);
        SetWindowSubclass(info.hwndList, dropdown_subclass, j, 0);
    }
}

void unsubclass_unit_boxes() {
    for (UINT_PTR j = 0; j < 4; ++j) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(g_lists[j], &info)) continue;
        RemoveWindowSubclass(info.hwndItem, box_edit_subclass, j);
        RemoveWindowSubclass(info.hwndList, dropdown_subclass, j);
    }
}

void add_function_buttons() {
    g_buttons.hw = g_main;
    g_buttons.SetDragArea(0, 50, 0, -1, 1);
    g_buttons.InitialPush(IDC_BTN_CLOSE, 5001, 5002, 0);
    g_buttons.InitialPush(IDC_BTN_MINIMISE, 5009, 5010, 0);
    g_buttons.InitialToggle(IDC_BTN_TOPMOST, 5013, 5014, 5015, 1);
    g_buttons.InitialPush(IDC_BTN_HELP, 5017, 5018, 0);
    g_buttons.InitialPush(IDC_BTN_ABOUT, 5021, 5022, 0);
    g_buttons.InitialPush(IDC_BTN_KIND, 5025, 5026, 0);
    g_buttons.InitialPush(IDC_BTN_FAVOURITES, 5029, 5030, 0);
    g_buttons.InitialRadio(IDC_LIVE_A_ON, 5033, 5034, 5035, 2, 0);
    g_buttons.InitialRadio(IDC_LIVE_B_ON, 5041, 5042, 5043, 2, 1);
}

// The main window runs as a modal dialog, whose message loop knows no
// accelerators: the keyboard shortcuts are translated in a message filter of
// that loop, for the main window and its controls only.
LRESULT CALLBACK shortcut_filter(int code, WPARAM wparam, LPARAM lparam) {
    auto* message = reinterpret_cast<MSG*>(lparam);
    if (code == MSGF_DIALOGBOX && message && g_shortcuts &&
        (message->hwnd == g_main || IsChild(g_main, message->hwnd)) &&
        TranslateAcceleratorW(g_main, g_shortcuts, message))
        return TRUE;
    return CallNextHookEx(g_shortcut_hook, code, wparam, lparam);
}

// Each picture button's name, and its tooltip with the keyboard shortcut.
// The name is the window text of every picture of the button, so that a
// screen reader announces whichever of them is on show.
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

void name_buttons() {
    g_button_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, g_main, nullptr, g_instance, nullptr);
    for (const ButtonName& button : kButtonNames) {
        const std::wstring name = wide_utf8(button.name);
        // The static's own WM_SETTEXT would take the text for a picture name.
        for (int id = button.first; id < button.first + button.count; ++id)
            DefWindowProcW(GetDlgItem(g_main, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        std::wstring tip = wide_utf8(button.tip);
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = g_main;
        tool.uId = static_cast<UINT_PTR>(button.first);
        tool.rect = client_rect_of(button.first);
        tool.lpszText = tip.data();
        SendMessageW(g_button_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Image k is the picture of kind k. Kinds share pictures, so each picture is
// loaded once and added for every kind that shows it (loading is the slow
// part of start-up under Wine).
void build_kind_images() {
    g_kind_images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    std::vector<std::pair<int, HBITMAP>> loaded;
    for (int k = 0; k < kind_count; ++k) {
        const int number = kind_icons[static_cast<std::size_t>(k)];
        HBITMAP picture = nullptr;
        for (const auto& [n, bitmap] : loaded)
            if (n == number) picture = bitmap;
        if (!picture) {
            picture = static_cast<HBITMAP>(
                LoadImageW(g_instance, MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
            loaded.emplace_back(number, picture);
        }
        ImageList_AddMasked(g_kind_images, picture, RGB(255, 0, 255));
    }
    for (const auto& entry : loaded) DeleteObject(entry.second);
}

void start_up(HWND window) {
    g_main = window;
    SetWindowTextW(window, kMainWindowTitle);
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageW(g_instance, MAKEINTRESOURCEW(IDI_PROGRAM_SMALL), IMAGE_ICON, 16, 16, 0)));
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadImageW(g_instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 32, 32, 0)));
    g_hand = LoadCursorW(g_instance, MAKEINTRESOURCEW(IDR_HAND_CURSOR));
    for (int i = 0; i < 4; ++i) {
        g_lists[i] = GetDlgItem(window, kListIds[i]);
        g_edits[i] = GetDlgItem(window, kEditIds[i]);
    }
    build_kind_images();
    load_unit_tables();
    add_function_buttons();
    g_shortcuts = LoadAcceleratorsW(g_instance, MAKEINTRESOURCEW(IDA_MAIN));
    g_shortcut_hook = SetWindowsHookExW(WH_MSGFILTER, shortcut_filter, nullptr, GetCurrentThreadId());
    if (decorative_line_setting()) SetTimer(window, kDecorTimer, 3000, nullptr);
    for (int i = 0; i < 4; ++i) subclass(kEditIds[i], edit_subclass, g_edit_procs[i]);
    subclass(IDC_ZOOM, edit_subclass, g_edit_procs[4]);
    subclass(IDC_CONVERT_A, button_subclass, g_button_procs[0]);
    subclass(IDC_CONVERT_B, button_subclass, g_button_procs[1]);
    subclass_unit_boxes();
    if (ini_read_int("INI", "SetExist", kSettingsFile) == 0) write_default_settings();
    restore_position();
    if (!std::filesystem::exists(path_beside_program(kSettingsFile))) write_default_settings();
    status_create(window);
    // Tooltip windows keep Wine from making the window topmost: the buttons'
    // tips come after the window has its place, like the status bar's.
    name_buttons();
    static const char* const kGuidance[5] = {"―まずは単位種を選択して下さい。", "―単位種とは、単位の種類のことです。",
                                             "―例えば、面積や圧力がこれにあたります。", "―ここをクリックすると、",
                                             "　　自動的に単位種選択ボックスを表示します。"};
    for (HWND list : g_lists)
        for (const char* line : kGuidance)
            SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide_utf8(line).c_str()));
    if (ini_read_int("type1", "exp", "corvid_varuno.ini") == 0) start_guide(window);
}

void shut_down() {
    status_release();
    for (int i = 0; i < 4; ++i) unsubclass(kEditIds[i], g_edit_procs[i]);
    unsubclass(IDC_ZOOM, g_edit_procs[4]);
    unsubclass(IDC_CONVERT_A, g_button_procs[0]);
    unsubclass(IDC_CONVERT_B, g_button_procs[1]);
    unsubclass_unit_boxes();
    if (g_shortcut_hook) UnhookWindowsHookEx(g_shortcut_hook);
    g_shortcut_hook = nullptr;
    PostQuitMessage(0);
}

void focus_input_a() { SetFocus(g_edits[0]); }

// The kind panel, and the unit search when the panel asks for it. A search
// hit applied to the courts leaves the focus in court A's input field, ready
// for a value; otherwise the panel has left it on court A's before list.
void open_kind_panel_and_search() {
    if (open_kind_panel() && open_search_dialog()) focus_input_a();
}

// Function-button reports: wParam the reported id, lParam the new state.
// After the window commands the focus goes to the settings button.
void on_button(int id, int state) {
    switch (id) {
    case IDC_BTN_CLOSE: confirm_exit(); return;
    case IDC_BTN_MINIMISE: ShowWindow(g_main, SW_MINIMIZE); break;
    case IDC_BTN_TOPMOST: set_topmost(state == 1); break;
    case IDC_BTN_HELP: show_popup_menu(IDC_BTN_HELP, IDM_HELP_MENU); return;  // the chosen command moves the focus
    case IDC_BTN_ABOUT: open_about_box(); break;
    case IDC_BTN_KIND: open_kind_panel_and_search(); return;
    case IDC_BTN_FAVOURITES:
        if (open_favourites_panel()) focus_input_a();  // a pair re-converted: ready for a value
        return;
    case IDC_LIVE_A_ON:
    case IDC_LIVE_A_OFF:
        g_courts.set_live(kCourtA, id == IDC_LIVE_A_ON);
        InvalidateRect(GetDlgItem(g_main, IDC_CONVERT_A), nullptr, TRUE);
        return;
    case IDC_LIVE_B_ON:
    case IDC_LIVE_B_OFF:
        g_courts.set_live(kCourtB, id == IDC_LIVE_B_ON);
        InvalidateRect(GetDlgItem(g_main, IDC_CONVERT_B), nullptr, TRUE);
        return;
    default: return;
    }
    focus_settings_button();
}

// The court whose control has the keyboard focus; court A when neither has.
Court court_of_focus() {
    HWND focus = GetFocus();
    for (int id : {IDC_INPUT_B, IDC_OUTPUT_B, IDC_LIST_B_BEFORE, IDC_LIST_B_AFTER, IDC_CONVERT_B}) {
        HWND control = GetDlgItem(g_main, id);
        if (focus == control || IsChild(control, focus)) return kCourtB;
    }
    return kCourtA;
}

// Ctrl+L: the live switch of the court with the focus flips, as a click on
// its other option would.
void flip_live_switch() {
    const Court court = court_of_focus();
    const bool live = g_courts.live(court);
    g_buttons.Press(court == kCourtA ? (live ? IDC_LIVE_A_OFF : IDC_LIVE_A_ON) : (live ? IDC_LIVE_B_OFF : IDC_LIVE_B_ON));
}

void on_list_command(int j, int code) {
    if (g_syncing) return;
    UnitBox& box = g_boxes[j];
    switch (code) {
    case CBN_SELCHANGE:
        if (box.moved(static_cast<int>(SendMessageW(g_lists[j], CB_GETCURSEL, 0, 0)))) unit_changed(j);
        break;
    case CBN_EDITCHANGE:
        box_typed(j);
        break;
    case CBN_DROPDOWN:
        box.opened(box_text(j));
        status_refresh_units(court_of_list(j));
        widen_list(j);
        break;
    case CBN_CLOSEUP: {
        restore_list(j);
        const UnitBox::Closed closed = box.closed(static_cast<int>(SendMessageW(g_lists[j], CB_GETCURSEL, 0, 0)));
        if (closed.restore) select_keeping_text(j, box.chosen(), box.text_before());
        if (closed.changed) unit_changed(j);
        break;
    }
    case CBN_KILLFOCUS:
        // A unit typed in another case shows as its own label once left.
        if (box.chosen() >= 0 && current_table) {
            const std::string label = unit_label(*current_table, box.chosen());
            if (box_text(j) != label) select_keeping_text(j, box.chosen(), label);
        }
        break;
    default: break;
    }
}

// Menu commands and keyboard shortcuts. After the window commands the focus
// goes to the settings button; the shortcuts of picture buttons press them,
// so that they act exactly as a click does.
bool on_menu(int command) {
    switch (command) {
    case IDM_PLACE_CENTRE: place_window(Placement::kCentre); break;
    case IDM_PLACE_TOP_LEFT: place_window(Placement::kTopLeft); break;
    case IDM_PLACE_BOTTOM_LEFT: place_window(Placement::kBottomLeft); break;
    case IDM_PLACE_TOP_RIGHT: place_window(Placement::kTopRight); break;
    case IDM_PLACE_BOTTOM_RIGHT: place_window(Placement::kBottomRight); break;
    case IDM_HELP:
        // The window gives way to the help only when the help could open.
        if (open_help(g_main, kHelpIndex)) ShowWindow(g_main, SW_MINIMIZE);
        break;
    case IDM_GUIDE: start_guide(g_main); break;
    case IDM_SETTINGS: open_settings_dialog(); break;
    case IDM_ABOUT: open_about_box(); break;
    case IDM_SEARCH:
        if (open_search_dialog()) focus_input_a();
        return true;
    case IDM_KIND_PANEL: g_buttons.Press(IDC_BTN_KIND); return true;
    case IDM_FAVOURITES: g_buttons.Press(IDC_BTN_FAVOURITES); return true;
    case IDM_TOPMOST: g_buttons.Press(IDC_BTN_TOPMOST); return true;
    case IDM_MINIMISE: g_buttons.Press(IDC_BTN_MINIMISE); return true;
    case IDM_LIVE: flip_live_switch(); return true;
    case IDM_CLOSE_MENU: return true;  // only closes the menu
    default: return false;
    }
    focus_settings_button();
    return true;
}

void on_command(int id, int code) {
    if (id >= IDC_LIST_A_BEFORE && id <= IDC_LIST_B_AFTER) return on_list_command(id - IDC_LIST_A_BEFORE, code);
    if (code == EN_CHANGE && id == IDC_INPUT_A && g_courts.live(kCourtA)) return convert(kCourtA);
    if (code == EN_CHANGE && id == IDC_INPUT_B && g_courts.live(kCourtB)) return convert(kCourtB);
    if (code != BN_CLICKED && code != 1) return;  // menu commands arrive as 0 (BN_CLICKED), shortcuts as 1
    switch (id) {
    case IDC_COPY: copy_zoom_view(); break;
    case IDC_SETTINGS_BUTTON: show_popup_menu(IDC_SETTINGS_BUTTON, IDM_SETTINGS_MENU); break;
    case IDC_CONVERT_A: convert(kCourtA); break;
    case IDC_CONVERT_B: convert(kCourtB); break;
    default: on_menu(id); break;
    }
}

HBRUSH window_brush(HDC dc) {
    if (g_brush) DeleteObject(g_brush);
    g_brush = CreateSolidBrush(RGB(0, 0, 0));
    SetTextColor(dc, kTextColour);
    SetBkMode(dc, TRANSPARENT);
    return g_brush;
}

} // namespace

HINSTANCE app_instance() { return g_instance; }
HWND main_window() { return g_main; }
HIMAGELIST kind_images() { return g_kind_images; }
HCURSOR hand_cursor() { return g_hand; }
UnitListView& window_lists() { return g_window_lists; }

int chosen_position(int list) { return g_boxes[list].chosen(); }

void select_unit(int list, int position) {
    g_boxes[list].set(position);
    g_syncing = true;
    SendMessageW(g_lists[list], CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    g_syncing = false;
}

int message_box(std::string_view text, std::string_view caption, UINT type) {
    return MessageBoxW(g_main, wide(text).c_str(), wide(caption).c_str(), type);
}

void set_app_instance(HINSTANCE instance) { g_instance = instance; }

void restart_decorative_timer() {
    KillTimer(g_main, kDecorTimer);
    if (decorative_line_setting()) SetTimer(g_main, kDecorTimer, 3000, nullptr);
}

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        start_up(window);
        return TRUE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        info->ptMinTrackSize = {300, 212};
        info->ptMaxTrackSize = {1000, 212};
        return TRUE;
    }
    case WM_SIZE: {
        HWND copy = GetDlgItem(window, IDC_COPY);
        if (!copy) return FALSE;
        const RECT r = client_rect_of(IDC_COPY);
        SetWindowPos(copy, nullptr, LOWORD(lparam) - 20 - (r.right - r.left), r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paint_window(window, dc);
        EndPaint(window, &ps);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        const int slot = item->CtlID == IDC_CONVERT_A ? 0 : 1;
        draw_convert_button(*item, {g_courts.live(slot == 0 ? kCourtA : kCourtB), g_pressed[slot]});
        return TRUE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(window_brush(reinterpret_cast<HDC>(wparam)));
    case WM_CTLCOLORBTN: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
        if (id != IDC_CONVERT_A && id != IDC_CONVERT_B) return FALSE;
        return reinterpret_cast<INT_PTR>(window_brush(reinterpret_cast<HDC>(wparam)));
    }
    case WM_CTLCOLORSTATIC: {
        // The product title and the program icon sit on the header picture.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
        if (id != 0xFFFF && id != -1 && id != IDC_PROGRAM_ICON) return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wparam), kTextColour);
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
    }
    case WM_COMMAND:
        on_command(LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header->idFrom == IDC_STATUS && header->code == NM_CLICK) status_show_all(g_unit_chosen);
        return TRUE;
    }
    case WM_TIMER:
        if (wparam == kMarqueeTimer) status_tick();
        if (wparam == kDecorTimer) decorative_step(window);
        return TRUE;
    case WM_MOUSEMOVE:
        g_buttons.OnMouseMove(static_cast<int>(wparam), static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_LBUTTONDOWN:
        g_buttons.OnLButtonDown(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_LBUTTONUP:
        g_buttons.OnLButtonUp(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return TRUE;
    case WM_NVBTN:
        on_button(static_cast<int>(wparam), static_cast<int>(lparam));
        return TRUE;
    case WM_CLOSE:
        confirm_exit();
        return TRUE;
    case WM_DESTROY:
        shut_down();
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace varuno
