// The guide's fonts. Each is asked for by the face the guide was designed
// with; where that face is not installed, the nearest installed substitute
// is taken, so that Japanese text never shows as empty boxes.
#pragma once
#include <windows.h>

namespace varuno::corvid {

enum class GuideFace {
    kPop,          // "HGS創英角ﾎﾟｯﾌﾟ体": the splash's title
    kPGothic,      // "ＭＳ Ｐゴシック": balloon and label texts
    kGothic,       // "ＭＳ ゴシック": the splash's credits
    kSystemFont,   // the system font, for the splash's notes
};

// A font of `points` points on the screen: normal weight, the Shift_JIS
// character set, proof quality. The caller deletes it.
HFONT create_guide_font(GuideFace face, int points);

} // namespace varuno::corvid
