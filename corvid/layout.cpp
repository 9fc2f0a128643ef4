#include "corvid/layout.h"

#include <algorithm>

#include "resources/pixel_sizes.h"

namespace varuno::corvid {

namespace px = px96::corvid;

GuidePlacement guide_placement(int W, int H, int cw, int ch, Dpi dpi) {
    if (W > dpi.px(px::kWideScreen))
        return {true, {W / 2, H / 5 + ch - dpi.px(px::kCharacterBelowMain)}, {W / 2 - cw, H / 5}};
    if (W > dpi.px(px::kNarrowestScreen))
        return {true,
                {W - dpi.px(px::kCharacterFromRight), ch - dpi.px(px::kCharacterAboveClient)},
                {dpi.px(px::kCornerPlace.x), dpi.px(px::kCornerPlace.y)}};
    return {false, {0, 0}, {0, 0}};
}

bool wait_for_window(const std::function<bool()>& look, const std::function<void(int ms)>& wait) {
    if (look()) return true;
    for (int waits = 1; waits <= kStartWaits; ++waits) {
        wait(kStartWaitMs);
        if (look()) return true;
    }
    return false;
}

std::vector<ButtonPlace> balloon_buttons(TourStage stage, int left, int right, Dpi dpi) {
    const int first = right / 2 - dpi.px(px::kFirstButtonLeftOfMiddle);
    const int second_from = (right + dpi.px(px::kSecondButtonShift)) / 2;
    const int second = second_from + dpi.px(px::kSecondButtonGap);
    switch (stage) {
    case TourStage::kGreeting: return {{kButtonOk, first}, {kButtonCancel, second}};
    case TourStage::kReplayQuestion:
        return {{kButtonOk, first}, {kButtonQuit, second_from + dpi.px(px::kQuitButtonGap)}};
    case TourStage::kFarewell: return {{kButtonOk, first}};
    case TourStage::kExitConfirm: return {{kButtonYes, first}, {kButtonNo, second}};
    default:  // the eleven steps
        return {{kButtonPrevious, left + dpi.px(px::kStepButtons[0])},
                {kButtonNext, left + dpi.px(px::kStepButtons[1])},
                {kButtonQuit, left + dpi.px(px::kStepButtons[2])}};
    }
}

namespace {

// The tip's two corners: this far above the middle of the tail's side.
struct TailTip {
    int high, low;
};
TailTip tail_tip(const Rect& S, Dpi dpi) {
    const int m = (S.top + S.bottom) / 2;
    return {m - dpi.px(px::kTailTipHigh), m - dpi.px(px::kTailTipLow)};
}

}  // namespace

std::array<Point, 4> tail_polygon(const Rect& S, bool exit_confirm, Dpi dpi) {
    const TailTip tip = tail_tip(S, dpi);
    // The exit confirmation's tail starts one pixel inside the body, so
    // that the two parts of the bubble join without a gap.
    if (exit_confirm) return {{{S.left - 1, S.top}, {S.left - 1, S.bottom}, {S.right, tip.low}, {S.right, tip.high}}};
    return {{{S.left, tip.high}, {S.left, tip.low}, {S.right, S.bottom}, {S.right, S.top}}};
}

int tail_tip_y(const Rect& S, Dpi dpi) {
    const TailTip tip = tail_tip(S, dpi);
    return (tip.high + tip.low) / 2;
}

Point balloon_origin(const Rect& C, int width, bool exit_confirm, Dpi dpi) {
    const int top = C.top + dpi.px(px::kBalloonBelowCharacterTop);
    if (exit_confirm) return {C.left - width + dpi.px(px::kExitOverlap), top};
    return {C.right, top};
}

Point fit_into(Point at, int w, int h, const Rect& work) {
    Point p = at;
    if (p.x + w > work.right) p.x = work.right - w;
    if (p.y + h > work.bottom) p.y = work.bottom - h;
    if (p.x < work.left) p.x = work.left;
    if (p.y < work.top) p.y = work.top;
    return p;
}

Point balloon_in_work_area(const Rect& C, int w, int h, bool exit_confirm, int tip_y, const Rect& work, Dpi dpi) {
    const Point wanted = balloon_origin(C, w, exit_confirm, dpi);
    Point p = fit_into(wanted, w, h, work);
    if (p.y < wanted.y && p.y + tip_y < C.top) p.y = std::min(C.top - tip_y, wanted.y);
    return fit_into(p, w, h, work);
}

Rect fixed_target(int L, int T, Dpi dpi) {
    return {L + dpi.px(px::kFixedTargetFrom.x), T + dpi.px(px::kFixedTargetFrom.y), L + dpi.px(px::kFixedTargetTo.x),
            T + dpi.px(px::kFixedTargetTo.y)};
}

LabelGeometry label_geometry(const Rect& T, int text_cx, int text_cy, int M, Dpi dpi) {
    const int out = dpi.px(px::kRingOutside), ring = dpi.px(px::kRingThickness);
    const int w = T.right - T.left + 2 * out, h = T.bottom - T.top + 2 * out;
    const int inset = dpi.px(px::kCaptionInset);
    const int cx = text_cx + 2 * inset, cy = text_cy + 2 * inset;
    LabelGeometry g{};
    g.caption_left = cx + T.right - out > M;
    if (g.caption_left) {
        g.outer = {cx, 0, cx + w, h};
        g.inner = {cx + ring, ring, cx + w - ring, h - ring};
        g.caption = {w / 4, 3 * (h / 4), w / 4 + cx, 3 * (h / 4) + cy};
        g.origin = {T.left - cx - out, T.top - out};
    } else {
        g.outer = {0, 0, w, h};
        g.inner = {ring, ring, w - ring, h - ring};
        g.caption = {3 * (w / 4), 3 * (h / 4), 3 * (w / 4) + cx, 3 * (h / 4) + cy};
        g.origin = {T.left - out, T.top - out};
    }
    return g;
}

LabelGeometry label_in_work_area(const LabelGeometry& g, const Rect& work) {
    LabelGeometry fitted = g;
    const int caption_height = g.caption.bottom - g.caption.top;
    if (g.origin.y + g.caption.bottom > work.bottom) {
        // The caption goes on top, the ring moves down by as much in the
        // window, and the window up, so that the ring keeps its place.
        fitted.caption = {g.caption.left, 0, g.caption.right, caption_height};
        for (Rect* r : {&fitted.outer, &fitted.inner}) {
            r->top += caption_height;
            r->bottom += caption_height;
        }
        fitted.origin.y -= caption_height;
    }
    // Sideways the whole shape shifts into the area: the ring lies 10 pixels
    // (at 96 DPI) outside its target, so a target at the screen's edge stays inside it.
    const int left = fitted.origin.x + std::min(fitted.outer.left, fitted.caption.left);
    const int right = fitted.origin.x + std::max(fitted.outer.right, fitted.caption.right);
    if (right > work.right) fitted.origin.x -= right - work.right;
    if (left < work.left) fitted.origin.x += work.left - left;
    return fitted;
}

std::vector<Rect> shape_runs(int width, int height, const std::function<bool(int x, int y)>& part) {
    // The origin pixel belongs to the shape either way; added once, so that
    // no two rectangles overlap.
    std::vector<Rect> runs;
    if (width > 0 && height > 0 && !part(0, 0)) runs.push_back({0, 0, 1, 1});
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && !part(x, y)) ++x;
            const int start = x;
            while (x < width && part(x, y)) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

void LabelBlink::tick(int label) {
    phase_[label] ^= 1;
    if (label == 1) phase_[1] = phase_[0];
}

}  // namespace varuno::corvid
