// The private-profile format in memory: a file's bytes as lines, reading a
// value and editing keys and sections, and the bytes to write back. The file
// backend without the Windows profile API (ini_portable.cpp) reads and writes
// files through it; nothing here touches a file.
//
// Rules, those of the Windows profile API: "[section]" lines and "key=value"
// lines; names are trimmed and compare without ASCII case, a double-byte
// character as a whole; values are trimmed and lose one pair of enclosing
// quotes; the first section and the first key of equal names win; reads give
// at most 1023 bytes and never half of a double-byte character. Lines end in
// CRLF when written; a lone LF ends a line when read.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varuno::ini_text {

// The lines of a file, without their line ends.
using Lines = std::vector<std::string>;

Lines parse(std::string_view bytes);
std::string serialize(const Lines& lines);

// The values of `keys` in `section`, each none when the file has no such
// key; the section's lines are looked at once for all of them.
std::vector<std::optional<std::string>> read(const Lines& lines, std::string_view section,
                                             std::span<const std::string> keys);

// Sets `key` to `stored` (written as it is: the caller has made it one line
// and quoted it where reading would change it). A missing section is added at
// the end, a missing key after its section's last line that is not blank.
void set(Lines& lines, std::string_view section, std::string_view key, std::string_view stored);

// Remove the key, or every section of that name with its keys. They answer
// whether anything was removed.
bool remove_key(Lines& lines, std::string_view section, std::string_view key);
bool remove_section(Lines& lines, std::string_view section);

}  // namespace varuno::ini_text
