// Display scale. Every pixel size of the windows is given for 96 DPI (100 %)
// and mapped through a Dpi to the pixels of the monitor a window is on, so
// that the layout keeps its proportions at every scale. Portable: the
// window code asks Windows for the DPI and hands it in.
#pragma once

namespace varuno {

inline constexpr int kBaseDpi = 96;

class Dpi {
public:
    constexpr Dpi() = default;
    // A DPI below 96 (or none) is taken as 96: Windows reports no smaller one.
    constexpr explicit Dpi(int dpi) : dpi_(dpi < kBaseDpi ? kBaseDpi : dpi) {}
    constexpr int value() const { return dpi_; }
    constexpr bool is_base() const { return dpi_ == kBaseDpi; }

    // A size or position given at 96 DPI, in this DPI's pixels: rounded to
    // the nearest pixel, halves away from zero, as MulDiv rounds. Scale
    // edges, not widths: two parts that share an edge at 96 DPI then share
    // it at every DPI, with no gap and no overlap.
    constexpr int px(int at96) const {
        const long long product = static_cast<long long>(at96) * dpi_;
        return static_cast<int>(product >= 0 ? (product + kBaseDpi / 2) / kBaseDpi
                                             : -((-product + kBaseDpi / 2) / kBaseDpi));
    }
    // A font's height for `points` (negative: the character height, as
    // CreateFont takes it).
    constexpr int font_height(int points) const {
        return -static_cast<int>((static_cast<long long>(points) * dpi_ + 36) / 72);
    }
    friend constexpr bool operator==(Dpi, Dpi) = default;

private:
    int dpi_ = kBaseDpi;
};

// The pictures are rendered at 100, 125, 150 and 200 %; the renders above
// 100 % lie under the 100 % resource id plus these offsets.
struct PictureRender {
    int percent;
    int id_offset;
};
inline constexpr PictureRender kPictureRenders[] = {{100, 0}, {125, 10000}, {150, 20000}, {200, 30000}};

// The render a picture is taken from at `dpi`: the one made for that scale,
// else the next larger one (scaled down, which keeps it sharp), else the
// largest (scaled up). `exact` tells whether it needs no scaling.
struct PictureChoice {
    PictureRender render;
    bool exact;
};
constexpr PictureChoice picture_choice(Dpi dpi) {
    for (const PictureRender& r : kPictureRenders) {
        const int render_dpi = kBaseDpi * r.percent / 100;
        if (render_dpi >= dpi.value()) return {r, render_dpi == dpi.value()};
    }
    return {kPictureRenders[3], false};
}

}  // namespace varuno
