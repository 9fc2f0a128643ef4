// The ini routines on Windows: the private-profile API with wide texts.
//
// New files are created as UTF-16 with a byte-order mark, which makes the
// profile API keep them in Unicode: Japanese values survive on any system
// locale. Every write goes to a copy of the file that then replaces it, so a
// crash or a full disk never leaves a half-written file.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno::ini_backend {
namespace {

constexpr DWORD kBufferChars = 1024;

std::wstring wide(std::string_view cp932_text) {
    const std::u16string w = cp932::to_utf16(cp932_text);
    return std::wstring(w.begin(), w.end());
}

// Copies `from` to `to` byte by byte (a fresh write time, unlike CopyFile, so
// the profile cache sees the new file), or creates `to` as an empty Unicode
// file when `from` does not exist.
bool prepare_copy(const std::wstring& from, const std::wstring& to) {
    std::vector<char> bytes;
    HANDLE in = CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in != INVALID_HANDLE_VALUE) {
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(in, chunk, sizeof chunk, &got, nullptr) && got > 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
        CloseHandle(in);
    } else {
        bytes = {'\xFF', '\xFE'};
    }
    HANDLE out = CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(out);
    return ok;
}

// The value as the profile API answers it, cut to at most 1023 bytes,
// never half a double-byte character; `missing` is what a missing key gives.
std::string profile_string(const std::filesystem::path& file, const std::wstring& section, const std::wstring& key,
                           const wchar_t* missing) {
    wchar_t buffer[kBufferChars];
    const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), missing, buffer, kBufferChars, file.c_str());
    std::string value = cp932::from_utf16(std::u16string(buffer, buffer + n));
    std::size_t keep = 0;
    while (keep < value.size() && keep + cp932::char_length(value, keep) <= kBufferChars - 1)
        keep += cp932::char_length(value, keep);
    value.resize(keep);
    return value;
}

}  // namespace

// The profile API answers a default for a missing key. A key is missing when
// the answers for two different defaults are those defaults: no stored value
// can equal both.
std::vector<std::optional<std::string>> read(const std::filesystem::path& file, std::string_view section,
                                             const std::vector<std::string>& keys) {
    const std::wstring w_section = wide(section);
    std::vector<std::optional<std::string>> values;
    for (const std::string& key : keys) {
        const std::wstring w_key = wide(key);
        const std::string value = profile_string(file, w_section, w_key, L"\x01");
        const bool missing = value == "\x01" && profile_string(file, w_section, w_key, L"\x02") == "\x02";
        values.push_back(missing ? std::nullopt : std::optional<std::string>(value));
    }
    return values;
}

bool write(const std::filesystem::path& file, const std::vector<IniChange>& changes) {
    const std::wstring target = file.wstring();
    const std::wstring temp = target + L".tmp~";
    bool removals_only = true;
    for (const IniChange& change : changes) removals_only = removals_only && !change.value;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (removals_only && attributes == INVALID_FILE_ATTRIBUTES) return true;  // nothing to remove
    // A file the user made read-only stays as it is. Windows refuses to
    // replace it anyway; Wine would replace it.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // On failure the thread's last error tells why (the clean-up keeps it).
    const auto failed = [&] {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        SetLastError(error);
        return false;
    };
    if (!prepare_copy(target, temp)) return failed();
    BOOL ok = TRUE;
    for (const IniChange& change : changes) {
        const std::wstring w_section = wide(change.section);
        const std::wstring w_key = change.key ? wide(*change.key) : std::wstring();
        const std::wstring w_value = change.value ? wide(*change.value) : std::wstring();
        ok = ok && WritePrivateProfileStringW(w_section.c_str(), change.key ? w_key.c_str() : nullptr,
                                              change.value ? w_value.c_str() : nullptr, temp.c_str());
    }
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, temp.c_str());  // flushes the cache; answers FALSE
    ok = ok && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return ok ? true : failed();
}

}  // namespace varuno::ini_backend
