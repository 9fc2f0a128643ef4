#include "dialogs/settings_rules.h"

#include <algorithm>

#include "platform/cp932.h"
#include "platform/ini.h"
#include "strkit/rotation.h"

namespace varuno {

int speed_from_text(std::string_view text) { return std::clamp(leading_int(text), kSpeedMin, kSpeedMax); }

int scrolled_speed(int speed, SpeedScroll action, int thumb) {
    switch (action) {
    case SpeedScroll::kLineUp: speed -= 5; break;
    case SpeedScroll::kLineDown: speed += 5; break;
    case SpeedScroll::kPageUp: speed -= 30; break;
    case SpeedScroll::kPageDown: speed += 30; break;
    case SpeedScroll::kThumb: speed = thumb; break;
    case SpeedScroll::kTop: speed = kSpeedMin; break;
    case SpeedScroll::kBottom: speed = kSpeedMax; break;
    case SpeedScroll::kEndTrack: break;
    }
    return std::clamp(speed, kSpeedMin, kSpeedMax);
}

const std::string& sample_text() {
    static const std::string text =
        cp932::from_utf8("これはスクロール見本です。；100秒/100＝1秒です。；0を入力すると、スクロールを停止します。");
    return text;
}

std::string SampleScroller::step() {
    const std::string& text = sample_text();
    position_ = next_rotation(position_, static_cast<int>(cp932::char_count(text)));
    return rotated(text, position_);
}

}  // namespace varuno
