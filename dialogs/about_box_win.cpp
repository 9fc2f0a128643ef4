// The about box (template 100): the program's icon, the version line in a
// larger font, and two blue underlined links to the maker's mail address and
// home page. The links are plain statics: they do not take the mouse, so the
// dialog itself tests the pointer against their rectangles.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "dialogs/about_links.h"
#include "dialogs/dialogs_win.h"
#include "platform/dpi_win.h"
#include "platform/handles_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"
#include "varuno_version.h"

namespace varuno {
namespace {

constexpr int kVersionPoints = 11;  // the version line's font size

struct AboutBox {
    MainWindowPort& main;
    UniqueFont link_font;
    UniqueFont version_font;
};

// A copy of a control's font with `change` applied to its description.
template <typename Change>
HFONT derived_font(HWND control, Change change) {
    LOGFONTW description{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof description, &description);
    change(description);
    return CreateFontIndirectW(&description);
}

void set_fonts(HWND box, AboutBox& about) {
    HWND mail = GetDlgItem(box, IDC_ABOUT_MAIL), home = GetDlgItem(box, IDC_ABOUT_HOME);
    about.link_font.reset(derived_font(mail, [](LOGFONTW& f) { f.lfUnderline = TRUE; }));
    SendMessageW(mail, WM_SETFONT, reinterpret_cast<WPARAM>(about.link_font.get()), FALSE);
    SendMessageW(home, WM_SETFONT, reinterpret_cast<WPARAM>(about.link_font.get()), FALSE);
    HWND version = GetDlgItem(box, IDC_ABOUT_VERSION);
    const Dpi dpi = dpi_of(box);
    about.version_font.reset(derived_font(version, [&](LOGFONTW& f) { f.lfHeight = dpi.font_height(kVersionPoints); }));
    SendMessageW(version, WM_SETFONT, reinterpret_cast<WPARAM>(about.version_font.get()), FALSE);
}

// The template's link rectangles are narrow; the addresses are configuration
// values, so a link that needs more room is widened to its text, but never
// into the OK button beside it.
void fit_link(HWND box, int id, HFONT font) {
    HWND link = GetDlgItem(box, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(link)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(link, text.data(), static_cast<int>(text.size()))));
    SIZE extent{};
    {
        WindowDC dc(link);
        Selected selected(dc.get(), font);
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    RECT r{}, ok{};
    GetWindowRect(link, &r);
    GetWindowRect(GetDlgItem(box, IDOK), &ok);
    const Dpi dpi = dpi_of(box);
    const int width = std::min<int>(extent.cx + dpi.px(px96::kLinkSlack), ok.left - dpi.px(px96::kLinkGap) - r.left);
    if (width <= r.right - r.left) return;
    SetWindowPos(link, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Whether the pointer at client position `lparam` lies on link `id`, edges included.
bool over_link(HWND box, int id, LPARAM lparam) {
    POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    ClientToScreen(box, &p);
    RECT r{};
    GetWindowRect(GetDlgItem(box, id), &r);
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

bool over_any_link(HWND box, LPARAM lparam) {
    return over_link(box, IDC_ABOUT_MAIL, lparam) || over_link(box, IDC_ABOUT_HOME, lparam);
}

// Opens a link with the system's "open" action; answers the shell's result.
INT_PTR open_link(HWND box, const std::string& target) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteW(box, L"open", wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

void on_button_up(HWND box, LPARAM lparam) {
    if (over_link(box, IDC_ABOUT_MAIL, lparam)) {
        open_link(box, std::string("mailto:") + kMakerMail);  // a missing mail program is not reported
    } else if (over_link(box, IDC_ABOUT_HOME, lparam) && open_link(box, kMakerHomePage) <= 32) {
        MessageBoxW(box, wide_utf8("ブラウザを起動できません。").c_str(),
                    wide_utf8("Varuno：エラー(ハイパーリンク)").c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    }
}

INT_PTR CALLBACK about_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    AboutBox* about = dialog_state<AboutBox>(box, message, lparam);
    if (!about) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextW(box, IDC_ABOUT_VERSION, wide_utf8("Varuno -ヴァルーノ- Ver " VARUNO_VERSION).c_str());
        SetDlgItemTextW(box, IDC_ABOUT_MAIL, wide(kMakerMail).c_str());
        SetDlgItemTextW(box, IDC_ABOUT_HOME, wide(kMakerHomePage).c_str());
        set_fonts(box, *about);
        fit_link(box, IDC_ABOUT_MAIL, about->link_font.get());
        fit_link(box, IDC_ABOUT_HOME, about->link_font.get());
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
        if (id != IDC_ABOUT_MAIL && id != IDC_ABOUT_HOME) return FALSE;
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetBkMode(dc, OPAQUE);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    case WM_SETCURSOR: {
        // Keeps the hand over a link instead of letting the dialog put the
        // arrow back before each mouse move.
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(box, &p);
        if (LOWORD(lparam) != HTCLIENT || !over_any_link(box, MAKELPARAM(p.x, p.y))) return FALSE;
        SetCursor(about->main.hand_cursor());
        SetWindowLongPtrW(box, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
        if (over_any_link(box, lparam)) SetCursor(about->main.hand_cursor());
        return TRUE;
    case WM_LBUTTONUP: on_button_up(box, lparam); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(box, LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void open_about_box(MainWindowPort& main) {
    AboutBox about{main, {}, {}};
    DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(IDD_ABOUT), main.owner(), about_proc,
                    reinterpret_cast<LPARAM>(&about));
}

}  // namespace varuno
