// Texts that turn left character by character, as the status bar's marquees
// and the settings dialog's sample show them. Characters are CP932
// characters: a double-byte character is one and is never split.
#pragma once
#include <string>
#include <string_view>

namespace varuno {

// The next position of a turning text of `length` characters: one on, and
// back to 1 after the last.
int next_rotation(int position, int length);

// `text` turned left by position − 1 characters: from its position-th
// character to the end, then its characters 1 ... position − 1 (strleft
// followed by strmid of the string library).
std::string rotated(std::string_view text, int position);

}  // namespace varuno
