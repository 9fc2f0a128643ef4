// Ini files beside the program (sections in square brackets, key=value lines)
// and paths beside the program.
//
// Section, key and value texts are CP932; file names are bare names such as
// "varuno.ini", always put beside the running program. A missing file,
// section or key reads as "0". Section and key names compare without regard
// to ASCII case, as Windows compares them. Nothing is cached: each read opens
// the file, each write replaces it whole (a temporary file, then a rename), so
// a crash or a full disk never leaves a half-written file behind.
//
// A value is one line of the file: CR, LF and NUL in a value are each written
// as a space, so no value can start a section or a key. Names that could not
// be read back as they were written are refused (the write answers false and
// the file is not touched): any name with CR, LF or NUL, a section name with
// ']' or ending in a lead byte without its trail byte, a key name with '=' or
// starting with '[' after its leading blanks.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varuno {

// Full path of `name` (CP932) in the folder of the running program.
std::filesystem::path path_beside_program(std::string_view name);

// The leading decimal integer of `text` (optional sign); 0 without digits.
int leading_int(std::string_view text);

std::string ini_read_text(std::string_view section, std::string_view key, std::string_view file);
std::string ini_read_text_at(std::string_view section, int key, std::string_view file);
int ini_read_int(std::string_view section, std::string_view key, std::string_view file);
int ini_read_int_at(std::string_view section, int key, std::string_view file);
// The value, or none when the file has no such key: tells a missing key from
// one that holds "0".
std::optional<std::string> ini_read_optional(std::string_view section, std::string_view key, std::string_view file);
// Several keys of one section with one look at the file, each none when
// missing: a long section is read in one pass instead of once per key.
std::vector<std::optional<std::string>> ini_read_keys(std::string_view section, const std::vector<std::string>& keys,
                                                      std::string_view file);

// Writes create the file and the section as needed. They answer false when
// the file could not be written (a read-only folder, a full disk); the file
// then keeps its old content. Callers may ignore the answer.
bool ini_write_text(std::string_view section, std::string_view key, std::string_view value, std::string_view file);
bool ini_write_text_at(std::string_view section, int key, std::string_view value, std::string_view file);
bool ini_write_int(std::string_view section, std::string_view key, int value, std::string_view file);
bool ini_write_int_at(std::string_view section, int key, int value, std::string_view file);

// Removes the key, or the whole section with all its keys.
bool ini_delete(bool whole_section, std::string_view section, std::string_view key, std::string_view file);
bool ini_delete_at(bool whole_section, std::string_view section, int key, std::string_view file);

// One change of a write that changes several keys at once.
struct IniChange {
    std::string section;
    std::optional<std::string> key;    // none: the whole section goes
    std::optional<std::string> value;  // none: the key goes
};

// Makes all the changes, in order, with one replacement of the file. One
// refused name refuses them all.
bool ini_write_changes(const std::vector<IniChange>& changes, std::string_view file);

// The rules above for names and values, for the backends and the fuzzer.
bool ini_section_name_allowed(std::string_view section);
bool ini_key_name_allowed(std::string_view key);
// What a write stores for `value`: CR, LF and NUL as spaces, and in quotes
// when reading would otherwise change it (outer blanks, enclosing quotes).
std::string ini_stored_value(std::string_view value);

namespace ini_backend {
// Implemented once per platform. `read` answers none for a missing value and
// at most 1023 bytes per value. `write` makes changes whose names are allowed
// and whose values are as stored, with one replacement of the file; removing
// what is not there creates no file.
std::vector<std::optional<std::string>> read(const std::filesystem::path& file, std::string_view section,
                                             const std::vector<std::string>& keys);
bool write(const std::filesystem::path& file, const std::vector<IniChange>& changes);
}  // namespace ini_backend

}  // namespace varuno
