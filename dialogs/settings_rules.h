// The settings dialog's rules apart from its window: the marquee speed as
// the dialog shows it, in hundredths of a second, and the scrolling sample.
#pragma once
#include <string>
#include <string_view>

namespace varuno {

// The marquee speed as the dialog shows it, in hundredths of a second: the
// stored milliseconds / 10.
inline constexpr int kSpeedMin = 0, kSpeedMax = 300;
inline constexpr int speed_of(int marquee_ms) { return marquee_ms / 10; }
inline constexpr int marquee_ms_of(int speed) { return speed * 10; }

// The speed a typed text stands for: its leading number, an empty or
// non-numeric text 0, clamped to 0 ... 300.
int speed_from_text(std::string_view text);

// Trackbar actions on the speed, as the control reports them.
enum class SpeedScroll { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kTop, kBottom, kEndTrack };
// The speed after `action` on `speed` (`thumb`: the thumb's position), clamped.
int scrolled_speed(int speed, SpeedScroll action, int thumb);

// The sample line of the settings dialog, turned one character per tick.
class SampleScroller {
public:
    // Moves on by one character and answers the text to show: the sample
    // rotated left by position - 1 characters (double-byte ones count one).
    std::string step();
    int position() const { return position_; }

private:
    int position_ = 0;  // 0 until the first tick; 1 shows the text unrotated
};

// The sample text (CP932).
const std::string& sample_text();

}  // namespace varuno
