// The guide's fonts. Each is asked for by the face the guide was designed
// with; where that face is not installed, the nearest installed substitute
// is taken, so that Japanese text never shows as empty boxes.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "platform/dpi.h"

namespace varuno::corvid {

enum class GuideFace {
    kPop,         // "HGS創英角ﾎﾟｯﾌﾟ体": the splash's title
    kPGothic,     // "ＭＳ Ｐゴシック": balloon and label texts
    kGothic,      // "ＭＳ ゴシック": the splash's credits
    kSystemFont,  // the system font, for the splash's notes
};

// Chooses each face once (the installed fonts do not change while the guide
// runs) and makes fonts of them.
class GuideFonts {
public:
    // A font of `points` points on a monitor of `dpi`: normal weight, the
    // Shift_JIS character set, proof quality. The caller deletes it.
    HFONT create(GuideFace face, int points, Dpi dpi);

private:
    std::array<std::wstring, 4> faces_;  // chosen on first use
};

}  // namespace varuno::corvid
