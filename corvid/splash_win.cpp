#include "corvid/splash_win.h"

#include <string_view>

#include "corvid/guide_win.h"
#include "platform/wide_text.h"
#include "corvid_resource.h"

namespace varuno::corvid {
namespace {

constexpr COLORREF kTitleColour = RGB(102, 0, 255);
constexpr COLORREF kNoteColour = RGB(255, 0, 128);
constexpr COLORREF kCreditColour = RGB(90, 90, 90);

struct Line {
    POINT from, to;
    COLORREF colour;
};
// A rainbow underline under "Corvidian", stepping left as it goes down.
constexpr Line kRainbow[5] = {{{72, 96}, {168, 96}, RGB(255, 0, 0)},
                              {{66, 102}, {162, 102}, RGB(255, 128, 0)},
                              {{60, 108}, {156, 108}, RGB(255, 204, 0)},
                              {{54, 114}, {150, 114}, RGB(51, 153, 102)},
                              {{48, 120}, {144, 120}, RGB(0, 0, 255)}};

void text_at(HDC dc, int x, int y, std::string_view utf8) {
    const std::wstring text = wide_utf8(utf8);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

} // namespace

void Splash::paint(HDC dc) const {
    SetBkMode(dc, TRANSPARENT);
    {
        Selected font(dc, title_.get());
        SetTextColor(dc, kTitleColour);
        text_at(dc, 48, 48, "Corvidian");
        text_at(dc, 168, 96, "for Varuno");
    }
    for (int i = 0; i < 5; ++i) {
        Selected pen(dc, rainbow_[i].get());
        MoveToEx(dc, kRainbow[i].from.x, kRainbow[i].from.y, nullptr);
        LineTo(dc, kRainbow[i].to.x, kRainbow[i].to.y);
    }
    {
        Selected font(dc, note_.get());
        SetTextColor(dc, kNoteColour);
        text_at(dc, 24, 144, "準備中です。");
        text_at(dc, 24, 168, "10秒…う～ん、1分ほど待っててくださいね☆");
    }
    Selected font(dc, credits_.get());
    SetTextColor(dc, kCreditColour);
    text_at(dc, 36, 192, "Corvidian for Varuno  Ver 1.0.0");
    text_at(dc, 48, 216, "QXtool-Varuno の案内役です");
    text_at(dc, 48, 235, "作者：Orvel／HP：Larkmere");
}

INT_PTR CALLBACK Splash::proc(HWND window, UINT message, WPARAM, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lparam);
    const auto* splash = reinterpret_cast<const Splash*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        set_guide_title(window);
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_PAINT: {
        if (!splash) return FALSE;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        splash->paint(dc);
        EndPaint(window, &ps);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

Splash::Splash(Guide& guide)
    : title_(guide.fonts().create(GuideFace::kPop, 24)),
      note_(guide.fonts().create(GuideFace::kSystemFont, 12)),
      credits_(guide.fonts().create(GuideFace::kGothic, 10)) {
    for (int i = 0; i < 5; ++i) rainbow_[i].reset(CreatePen(PS_SOLID, 1, kRainbow[i].colour));
    window_ = CreateDialogParamW(guide.instance(), MAKEINTRESOURCEW(IDD_SPLASH), nullptr, proc, reinterpret_cast<LPARAM>(this));
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    // Messages keep flowing while the splash stays, so that it really reaches
    // the screen (and repaints if covered) before the start-up goes on.
    const DWORD until = GetTickCount() + 1000;
    for (DWORD now = GetTickCount(); static_cast<int>(until - now) > 0; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Splash::close() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

} // namespace varuno::corvid
