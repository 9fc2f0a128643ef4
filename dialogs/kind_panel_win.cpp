#include "dialogs/kind_panel_win.h"

#include <commctrl.h>

#include "mainwin/app_win.h"
#include "platform/wide_text.h"
#include "resources/resource.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

constexpr INT_PTR kClosed = 1, kSearch = 2;

HBRUSH g_brush = nullptr;

RECT child_rect(HWND panel, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(panel, id), &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The balloon: a rounded body and a tail whose tip points left.
void set_balloon_region(HWND panel) {
    const RECT body = child_rect(panel, IDC_BALLOON_BODY);
    const RECT tail = child_rect(panel, IDC_BALLOON_TAIL);
    const int mid = (tail.top + tail.bottom) / 2;
    const POINT points[4] = {{tail.left, mid - 10}, {tail.left, mid - 8}, {tail.right, tail.bottom}, {tail.right, tail.top}};
    HRGN region = CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 10, 10);
    HRGN tip = CreatePolygonRgn(points, 4, WINDING);
    CombineRgn(region, region, tip, RGN_OR);
    DeleteObject(tip);
    SetWindowRgn(panel, region, TRUE);  // the window owns the region from now on
}

// The kind list takes the placeholder's place and the keyboard focus. It is
// the last stop of the Tab order, so Tab goes on to OK. (Moving it up the
// z-order, where the placeholder is, keeps Wine from passing it the mouse.)
void fill_kind_list(HWND panel) {
    const RECT place = child_rect(panel, IDC_KIND_PLACE);
    HWND list = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                                place.left, place.top, place.right - place.left, 333, panel,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_KIND_LIST)), app_instance(), nullptr);
    SendMessageW(list, WM_SETFONT, SendMessageW(panel, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(kind_images()));
    for (int k = 0; k < kind_count; ++k) {
        std::wstring name = wide(kind_names[static_cast<std::size_t>(k)]);
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = k;
        item.pszText = name.data();
        item.iImage = item.iSelectedImage = k;
        SendMessageW(list, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, CB_SETCURSEL, current_kind >= 0 ? current_kind : 0, 0);
    SendMessageW(panel, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
}

INT_PTR CALLBACK kind_panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        balloon_open(panel);
        fill_kind_list(panel);
        return FALSE;  // the focus is on the kind list
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(balloon_brush(PanelMode::kKinds));
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_PANEL_OK: {
            // The selection is read when OK is pressed: a selection made by a
            // program sends no notification.
            const auto k = static_cast<int>(SendDlgItemMessageW(panel, IDC_KIND_LIST, CB_GETCURSEL, 0, 0));
            if (k >= 0 && k < kind_count) select_kind(k, window_lists());
            EndDialog(panel, kClosed);
            return TRUE;
        }
        case IDC_PANEL_CANCEL:
            EndDialog(panel, kClosed);
            return TRUE;
        case IDC_PANEL_SEARCH:
            EndDialog(panel, kSearch);
            return TRUE;
        default:
            return TRUE;  // Enter and Esc do nothing: no default button
        }
    }
    return FALSE;
}

} // namespace

void balloon_open(HWND panel) {
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_BODY), SW_HIDE);
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_TAIL), SW_HIDE);
    RECT r{};
    GetWindowRect(panel, &r);
    SetWindowPos(panel, HWND_TOPMOST, r.left + 40, r.top + 53, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    set_balloon_region(panel);
}

HBRUSH balloon_brush(PanelMode mode) {
    if (g_brush) DeleteObject(g_brush);
    g_brush = CreateSolidBrush(mode == PanelMode::kKinds ? RGB(255, 158, 0) : RGB(255, 203, 0));
    return g_brush;
}

bool open_kind_panel() {
    const INT_PTR result =
        DialogBoxParamW(app_instance(), MAKEINTRESOURCEW(IDD_KIND_PANEL), main_window(), kind_panel_proc, 0);
    SetFocus(GetDlgItem(main_window(), IDC_LIST_A_BEFORE));
    return result == kSearch;
}

} // namespace varuno
