// Files that cannot be written (a read-only folder: a zip opened in place,
// Program Files): the user hears of it once per run, with the file and the
// reason, instead of losing the window's place, the settings, favourites and
// search history without a word.
#pragma once
#include <windows.h>

#include <string_view>

namespace varuno {

class SaveFailureReport {
public:
    // A write to `file` (an ini file beside the program) failed just now; the
    // thread's last error says why. Shows the message, owned by `owner`, the
    // first time; answers whether it did.
    bool report(HWND owner, std::string_view file);

private:
    bool shown_ = false;
};

}  // namespace varuno
