// Opening the help file beside the program: the HTML help, at a topic.
#pragma once
#include <windows.h>

namespace varuno {

inline constexpr int kHelpIndex = 0;
inline constexpr int kHelpFormulaErrors = 80;  // the formula-error box's topic

// Opens varuno.html beside the program, at the topic's anchor ("ctx80"; the
// index has none). When the file is missing or nothing opens it, a message
// box says so and names the file. Answers whether the help opened.
bool open_help(HWND owner, int context);

// Starts the guide Corvid.exe beside the program; a failure is ignored.
void start_guide(HWND owner);

}  // namespace varuno
