// The settings dialog (menu 設定): the zoom view's content and exponent
// style, the unit lists' order and widening, the marquee speed with its
// scrolling sample, and the decorative line. The file is the settings
// module's; the dialog's own rules live in settings_rules.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/dialogs_win.h"
#include "platform/ini.h"
#include "platform/wide_text.h"
#include "resources/resource.h"

namespace varuno {
namespace {

constexpr UINT_PTR kSampleTimer = 1;

struct SettingsDialog {
    MainWindowPort& main;
    DialogMemory& memory;  // the sample's position carries over from one opening to the next
    HWND dialog = nullptr;
};

std::string speed_text(HWND dialog) {
    wchar_t buffer[32] = {};
    GetDlgItemTextW(dialog, IDC_SET_SPEED_EDIT, buffer, 32);
    return narrow(buffer);
}

void show_speed(HWND dialog, int speed) { SetDlgItemTextW(dialog, IDC_SET_SPEED_EDIT, std::to_wstring(speed).c_str()); }

// The edit's number rules the trackbar and the sample's timer; a number out
// of range is replaced by the nearest limit, whose own change then acts.
void on_speed_changed(HWND dialog) {
    const std::string text = speed_text(dialog);
    const int speed = speed_from_text(text);
    if (leading_int(text) != speed) {
        show_speed(dialog, speed);
        return;
    }
    SendDlgItemMessageW(dialog, IDC_SET_SPEED_BAR, TBM_SETPOS, TRUE, speed);
    KillTimer(dialog, kSampleTimer);
    if (speed > 0) SetTimer(dialog, kSampleTimer, static_cast<UINT>(marquee_ms_of(speed)), nullptr);
}

void on_scroll(HWND dialog, int code) {
    SpeedScroll action;
    switch (code) {
    case TB_LINEUP: action = SpeedScroll::kLineUp; break;
    case TB_LINEDOWN: action = SpeedScroll::kLineDown; break;
    case TB_PAGEUP: action = SpeedScroll::kPageUp; break;
    case TB_PAGEDOWN: action = SpeedScroll::kPageDown; break;
    case TB_THUMBTRACK:
    case TB_THUMBPOSITION: action = SpeedScroll::kThumb; break;
    case TB_TOP: action = SpeedScroll::kTop; break;
    case TB_BOTTOM: action = SpeedScroll::kBottom; break;
    default: return;  // end of tracking: no change
    }
    const auto thumb = static_cast<int>(SendDlgItemMessageW(dialog, IDC_SET_SPEED_BAR, TBM_GETPOS, 0, 0));
    show_speed(dialog, scrolled_speed(speed_from_text(speed_text(dialog)), action, thumb));
}

void setup_trackbar(HWND dialog) {
    HWND bar = GetDlgItem(dialog, IDC_SET_SPEED_BAR);
    SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(kSpeedMin, kSpeedMax));
    SendMessageW(bar, TBM_SETLINESIZE, 0, 5);
    SendMessageW(bar, TBM_SETPAGESIZE, 0, 30);
    SendMessageW(bar, TBM_CLEARTICS, FALSE, 0);
    for (int tick = 0; tick < kSpeedMax; tick += 30) SendMessageW(bar, TBM_SETTIC, 0, tick);
}

// Shows the stored settings, writing the defaults first if the file is gone.
void load_settings_dialog(SettingsDialog& s) {
    if (ensure_settings() == SettingsFileState::kNotStored) s.main.save_failed(kSettingsFile);
    HWND dialog = s.dialog;
    for (int id = 20200; id <= 20229; ++id) CheckDlgButton(dialog, id, BST_UNCHECKED);
    const Settings stored = read_settings();
    for (int id : stored.radios)
        if (id != 0) CheckDlgButton(dialog, id, BST_CHECKED);
    CheckDlgButton(dialog, IDC_SET_DECOR, stored.decorative_line ? BST_CHECKED : BST_UNCHECKED);
    setup_trackbar(dialog);  // the range is in force before the speed is shown
    const int speed = speed_of(stored.marquee_ms);
    show_speed(dialog, speed);
    SendDlgItemMessageW(dialog, IDC_SET_SPEED_BAR, TBM_SETPOS, TRUE, speed);
}

Settings dialog_choice(HWND dialog) {
    Settings chosen;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k)
        for (int id = kRadioSettings[k].first; id <= kRadioSettings[k].last; ++id)
            if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) chosen.radios[k] = id;
    chosen.decorative_line = IsDlgButtonChecked(dialog, IDC_SET_DECOR) == BST_CHECKED;
    chosen.marquee_ms = marquee_ms_of(speed_from_text(speed_text(dialog)));
    return chosen;
}

void on_ok(SettingsDialog& s) {
    const Settings chosen = dialog_choice(s.dialog);
    if (!save_settings(chosen)) s.main.save_failed(kSettingsFile);
    s.main.settings_saved(chosen);
    // Owned by the dialog, which stays up behind the question.
    const int answer = MessageBoxW(s.dialog,
                                   wide_utf8("換算についての設定内容を今すぐ反映しますか？\n\n"
                                             "※設定内容を反映した場合、現在換算中のデータがリセットされます。\n"
                                             "※スクロールバーの速度は既に適用済みです。")
                                       .c_str(),
                                   wide_utf8("Varuno：換算設定適用確認").c_str(), MB_YESNO);
    if (answer == IDYES) s.main.apply_settings_to_courts();
    KillTimer(s.dialog, kSampleTimer);
    EndDialog(s.dialog, 1);
}

void close_dialog(HWND dialog) {
    KillTimer(dialog, kSampleTimer);
    EndDialog(dialog, 0);
}

INT_PTR CALLBACK settings_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    SettingsDialog* s = dialog_state<SettingsDialog>(dialog, message, lparam);
    if (!s) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        s->dialog = dialog;
        load_settings_dialog(*s);
        return TRUE;
    case WM_TIMER:
        if (wparam == kSampleTimer) SetDlgItemTextW(dialog, IDC_SET_SAMPLE, wide(s->memory.sample.step()).c_str());
        return TRUE;
    case WM_HSCROLL: on_scroll(dialog, LOWORD(wparam)); return TRUE;
    case WM_CLOSE: close_dialog(dialog); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_SET_SPEED_EDIT:
            if (HIWORD(wparam) == EN_CHANGE) on_speed_changed(dialog);
            break;
        case IDC_SET_OK: on_ok(*s); break;
        case IDC_SET_CANCEL: close_dialog(dialog); break;
        case IDC_SET_RESET:
            if (!write_default_settings()) s->main.save_failed(kSettingsFile);
            load_settings_dialog(*s);
            break;
        default: break;  // Enter and Esc do nothing: no default button
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void open_settings_dialog(MainWindowPort& main, DialogMemory& memory) {
    SettingsDialog s{main, memory};
    DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(IDD_SETTINGS), main.owner(), settings_proc,
                    reinterpret_cast<LPARAM>(&s));
}

}  // namespace varuno
