// The kind panel (template 165): every kind with its picture in one list;
// OK makes the chosen kind current, 単位の検索 asks for the unit search.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/balloon_panel_win.h"
#include "dialogs/dialogs_win.h"
#include "platform/child_rect_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"

namespace varuno {
namespace {

constexpr INT_PTR kClosed = 1, kSearch = 2;

struct KindPanel {
    MainWindowPort& main;
    BalloonPanel balloon{PanelMode::kKinds};
};

// The kind list takes the placeholder's place and the keyboard focus. It is
// the last stop of the Tab order, so Tab goes on to OK. (Moving it up the
// z-order, where the placeholder is, keeps Wine from passing it the mouse.)
void fill_kind_list(HWND panel, KindPanel& state) {
    const RECT place = child_rect(panel, IDC_KIND_PLACE);
    HWND list = CreateWindowExW(
        0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, place.left,
        place.top, place.right - place.left, dpi_of(panel).px(px96::kKindListDropped), panel,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_KIND_LIST)), state.main.instance(), nullptr);
    SendMessageW(list, WM_SETFONT, SendMessageW(panel, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(state.main.kind_images()));
    for (int k = 0; k < kind_count; ++k) {
        std::wstring name = wide(kind_names[static_cast<std::size_t>(k)]);
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = k;
        item.pszText = name.data();
        item.iImage = item.iSelectedImage = k;
        SendMessageW(list, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    const int current = state.main.current_kind();
    SendMessageW(list, CB_SETCURSEL, current >= 0 ? current : 0, 0);
    SendMessageW(panel, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
}

INT_PTR CALLBACK kind_panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    KindPanel* state = dialog_state<KindPanel>(panel, message, lparam);
    if (!state) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        state->balloon.open(panel);
        fill_kind_list(panel, *state);
        return FALSE;  // the focus is on the kind list
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return state->balloon.colour(reinterpret_cast<HDC>(wparam));
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_PANEL_OK: {
            // The selection is read when OK is pressed: a selection made by a
            // program sends no notification.
            const auto k = static_cast<int>(SendDlgItemMessageW(panel, IDC_KIND_LIST, CB_GETCURSEL, 0, 0));
            if (k >= 0 && k < kind_count) state->main.select_kind(k);
            EndDialog(panel, kClosed);
            return TRUE;
        }
        case IDC_PANEL_CANCEL: EndDialog(panel, kClosed); return TRUE;
        case IDC_PANEL_SEARCH: EndDialog(panel, kSearch); return TRUE;
        default: return TRUE;  // Enter and Esc do nothing: no default button
        }
    }
    return FALSE;
}

}  // namespace

bool open_kind_panel(MainWindowPort& main) {
    KindPanel state{main};
    return DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(IDD_KIND_PANEL), main.owner(), kind_panel_proc,
                           reinterpret_cast<LPARAM>(&state)) == kSearch;
}

}  // namespace varuno
