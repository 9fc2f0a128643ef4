#include "strkit/rotation.h"

#include "strkit/strkit.h"

namespace varuno {

int next_rotation(int position, int length) { return position + 1 > length ? 1 : position + 1; }

std::string rotated(std::string_view text, int position) {
    const std::string whole(text);
    return std::string(strkit::strleft(whole.c_str(), position)) + strkit::strmid(whole.c_str(), 1, position - 1);
}

}  // namespace varuno
