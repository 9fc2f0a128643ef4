#include "mainwin/placement.h"

#include <algorithm>
#include <climits>

namespace varuno {
namespace {

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Squared distance between two rectangles (0 when they touch or overlap),
// in long long: edges far apart differ by more than an int holds.
long long distance2(const Rect& a, const Rect& b) {
    auto gap = [](long long low_end, long long high_start) { return std::max(0LL, high_start - low_end); };
    const long long dx = std::max(gap(a.right, b.left), gap(b.right, a.left));
    const long long dy = std::max(gap(a.bottom, b.top), gap(b.bottom, a.top));
    return dx * dx + dy * dy;
}

}  // namespace

Point placement_origin(Placement place, int W, int H, int w, int h) {
    switch (place) {
    case Placement::kCentre: return {(W - w) / 2, (H - h) / 2};
    case Placement::kTopLeft: return {0, 0};
    case Placement::kBottomLeft: return {0, H - h - 8};
    case Placement::kTopRight: return {W - w - 8, 0};
    case Placement::kBottomRight: return {W - w - 8, H - h - 8};
    }
    return {0, 0};
}

Point restored_position(int x, int y, int width, int height, const std::vector<Monitor>& monitors) {
    // Clamped before the size is added, so that the far edges stay in range.
    Point p{std::clamp(x, 0, INT_MAX - std::max(width, 0)), std::clamp(y, 0, INT_MAX - std::max(height, 0))};
    const Rect window{p.x, p.y, p.x + width, p.y + height};
    if (monitors.empty()) return p;
    for (const Monitor& m : monitors)
        if (overlaps(window, m.area)) return p;
    const Monitor* nearest = &monitors.front();
    long long best = LLONG_MAX;
    for (const Monitor& m : monitors) {
        const long long d = distance2(window, m.area);
        if (d < best) {
            best = d;
            nearest = &m;
        }
    }
    const Rect& work = nearest->work;
    p.x = std::max(work.left, std::min(p.x, work.right - width));
    p.y = std::max(work.top, std::min(p.y, work.bottom - height));
    return p;
}

}  // namespace varuno
