#include "corvid/splash_win.h"

#include <string_view>

#include "corvid/guide_win.h"
#include "corvid_resource.h"
#include "platform/dialog_state_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"

namespace varuno::corvid {
namespace {

constexpr COLORREF kTitleColour = RGB(102, 0, 255);
constexpr COLORREF kNoteColour = RGB(255, 0, 128);
constexpr COLORREF kCreditColour = RGB(90, 90, 90);

namespace px = px96::corvid;

// A rainbow underline under "Corvidian", stepping left as it goes down.
constexpr COLORREF kRainbow[5] = {RGB(255, 0, 0), RGB(255, 128, 0), RGB(255, 204, 0), RGB(51, 153, 102),
                                  RGB(0, 0, 255)};

}  // namespace

void Splash::text_at(HDC dc, px96::Point at, std::string_view utf8) const {
    const std::wstring text = wide_utf8(utf8);
    TextOutW(dc, dpi_.px(at.x), dpi_.px(at.y), text.c_str(), static_cast<int>(text.size()));
}

void Splash::paint(HDC dc) const {
    SetBkMode(dc, TRANSPARENT);
    {
        Selected font(dc, title_.get());
        SetTextColor(dc, kTitleColour);
        text_at(dc, px::kSplashTitle, "Corvidian");
        text_at(dc, px::kSplashTitleEnd, "for Varuno");
    }
    for (int i = 0; i < 5; ++i) {
        const int left = px::kRainbowStart.x - i * px::kRainbowStep, y = px::kRainbowStart.y + i * px::kRainbowStep;
        Selected pen(dc, rainbow_[i].get());
        MoveToEx(dc, dpi_.px(left), dpi_.px(y), nullptr);
        LineTo(dc, dpi_.px(left + px::kRainbowLength), dpi_.px(y));
    }
    {
        Selected font(dc, note_.get());
        SetTextColor(dc, kNoteColour);
        text_at(dc, px::kSplashNotes[0], "準備中です。");
        text_at(dc, px::kSplashNotes[1], "10秒…う～ん、1分ほど待っててくださいね☆");
    }
    Selected font(dc, credits_.get());
    SetTextColor(dc, kCreditColour);
    text_at(dc, px::kSplashCredits[0], "Corvidian for Varuno  Ver 1.0.0");
    text_at(dc, px::kSplashCredits[1], "QXtool-Varuno の案内役です");
    text_at(dc, px::kSplashCredits[2], "作者：Orvel／HP：Larkmere");
}

INT_PTR CALLBACK Splash::proc(HWND window, UINT message, WPARAM, LPARAM lparam) {
    const auto* splash = dialog_state<const Splash>(window, message, lparam);
    switch (message) {
    case WM_INITDIALOG: set_guide_title(window); return TRUE;
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_PAINT: {
        if (!splash) return FALSE;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        splash->paint(dc);
        EndPaint(window, &ps);
        return TRUE;
    }
    default: return FALSE;
    }
}

// The window is made hidden first, so that the fonts and pens are made for
// the DPI of the monitor it opens on.
Splash::Splash(Guide& guide) {
    window_ = CreateDialogParamW(guide.instance(), MAKEINTRESOURCEW(IDD_SPLASH), nullptr, proc,
                                 reinterpret_cast<LPARAM>(this));
    if (!window_) return;
    dpi_ = dpi_of(window_);
    title_.reset(guide.fonts().create(GuideFace::kPop, 24, dpi_));
    note_.reset(guide.fonts().create(GuideFace::kSystemFont, 12, dpi_));
    credits_.reset(guide.fonts().create(GuideFace::kGothic, 10, dpi_));
    for (int i = 0; i < 5; ++i) rainbow_[i].reset(CreatePen(PS_SOLID, dpi_.px(px::kRainbowPen), kRainbow[i]));
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

}  // namespace varuno::corvid
