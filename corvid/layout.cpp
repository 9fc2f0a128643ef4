#include "corvid/layout.h"

#include <algorithm>

namespace varuno::corvid {

GuidePlacement guide_placement(int W, int H, int cw, int ch) {
    if (W > 900) return {true, {W / 2, H / 5 + ch - 50}, {W / 2 - cw, H / 5}};
    if (W > 550) return {true, {W - 470, ch - 10}, {3, 3}};
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

std::vector<ButtonPlace> balloon_buttons(TourStage stage, int left, int right) {
    switch (stage) {
    case TourStage::kGreeting:
        return {{kButtonOk, right / 2 - 58}, {kButtonCancel, (right + 10) / 2 + 5}};
    case TourStage::kReplayQuestion:
        return {{kButtonOk, right / 2 - 58}, {kButtonQuit, (right + 10) / 2 + 20}};
    case TourStage::kFarewell:
        return {{kButtonOk, right / 2 - 58}};
    case TourStage::kExitConfirm:
        return {{kButtonYes, right / 2 - 58}, {kButtonNo, (right + 10) / 2 + 5}};
    default:  // the eleven steps
        return {{kButtonPrevious, left + 5}, {kButtonNext, left + 63}, {kButtonQuit, left + 121}};
    }
}

std::array<Point, 4> tail_polygon(const Rect& S, bool exit_confirm) {
    const int m = (S.top + S.bottom) / 2;
    if (exit_confirm)
        return {{{S.left - 1, S.top}, {S.left - 1, S.bottom}, {S.right, m - 8}, {S.right, m - 10}}};
    return {{{S.left, m - 10}, {S.left, m - 8}, {S.right, S.bottom}, {S.right, S.top}}};
}

Point balloon_origin(const Rect& C, int width, bool exit_confirm) {
    if (exit_confirm) return {C.left - width + 20, C.top + 80};
    return {C.right, C.top + 80};
}

Point fit_into(Point at, int w, int h, const Rect& work) {
    Point p = at;
    if (p.x + w > work.right) p.x = work.right - w;
    if (p.y + h > work.bottom) p.y = work.bottom - h;
    if (p.x < work.left) p.x = work.left;
    if (p.y < work.top) p.y = work.top;
    return p;
}

Point balloon_in_work_area(const Rect& C, int w, int h, bool exit_confirm, int tip_y, const Rect& work) {
    const Point wanted = balloon_origin(C, w, exit_confirm);
    Point p = fit_into(wanted, w, h, work);
    if (p.y < wanted.y && p.y + tip_y < C.top) p.y = std::min(C.top - tip_y, wanted.y);
    return fit_into(p, w, h, work);
}

Rect fixed_target(int L, int T) { return {L + 69, T + 80, L + 242, T + 102}; }

LabelGeometry label_geometry(const Rect& T, int text_cx, int text_cy, int M) {
    const int w = T.right - T.left + 20, h = T.bottom - T.top + 20;
    const int cx = text_cx + 10, cy = text_cy + 10;
    LabelGeometry g{};
    g.caption_left = cx + T.right - 10 > M;
    if (g.caption_left) {
        g.outer = {cx, 0, cx + w, h};
        g.inner = {cx + 4, 4, cx + w - 4, h - 4};
        g.caption = {w / 4, 3 * (h / 4), w / 4 + cx, 3 * (h / 4) + cy};
        g.origin = {T.left - cx - 10, T.top - 10};
    } else {
        g.outer = {0, 0, w, h};
        g.inner = {4, 4, w - 4, h - 4};
        g.caption = {3 * (w / 4), 3 * (h / 4), 3 * (w / 4) + cx, 3 * (h / 4) + cy};
        g.origin = {T.left - 10, T.top - 10};
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
    // outside its target, so a target at the screen's edge stays inside it.
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

} // namespace varuno::corvid
