// Ini files beside the program (sections in square brackets, key=value lines)
// and paths beside the program.
//
// Section, key and value texts are CP932; file names are bare names such as
// "varuno.ini", always put beside the running program. A missing file,
// section or key reads as "0". Section and key names compare without regard
// to ASCII case, as Windows compares them. Nothing is cached: each read opens
// the file, each write replaces it whole (a temporary file, then a rename), so
// a crash or a full disk never leaves a half-written file behind.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace varuno {

// Full path of `name` (CP932) in the folder of the running program.
std::filesystem::path path_beside_program(std::string_view name);

// The leading decimal integer of `text` (optional sign); 0 without digits.
int leading_int(std::string_view text);

std::string ini_read_text(std::string_view section, std::string_view key, std::string_view file);
std::string ini_read_text_at(std::string_view section, int key, std::string_view file);
int ini_read_int(std::string_view section, std::string_view key, std::string_view file);
int ini_read_int_at(std::string_view section, int key, std::string_view file);

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

namespace ini_backend {
// Implemented once per platform. `read` answers "0" for a missing value and
// at most 1023 bytes. `write` with a null key removes the section, with a
// null value the key.
std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key);
bool write(const std::filesystem::path& file, std::string_view section, const std::string_view* key,
           const std::string_view* value);
} // namespace ini_backend

} // namespace varuno
