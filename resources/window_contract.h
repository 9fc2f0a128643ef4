// What other programs rely on of varuno: the main window's exact title, by
// which the guide Corvid and a second start find it; the identifiers of its
// controls, whose screen rectangles the guide reads to point at them; the
// single-instance mutex; and the guide's ini file, which the guide writes
// and varuno reads. Shared by varuno.exe, Corvid.exe and the tests, so that
// none of them can drift from the others. Texts are UTF-8.
#pragma once
#include <string_view>

#include "resources/resource.h"

namespace varuno::contract {

// Four full-width spaces after "-ヴァルーノ-".
inline constexpr std::string_view kMainWindowTitle =
    "QXtool-Varuno -ヴァルーノ-　　　　単位換算ソフト／作者：Orvel／HP：Larkmere";
inline constexpr std::string_view kMainMutexName = "Varuno -ヴァルーノ-";
inline constexpr std::string_view kMainProgram = "varuno.exe";
inline constexpr std::string_view kGuideProgram = "Corvid.exe";

// varuno's own ini file: the window's place ("MAIN"/"x", "y" and the marker
// "INI"/"MainExist") and the search dialog's state ("FIND").
inline constexpr const char* kMainIniFile = "varuno.ini";

// The guide's completion mark: "exp" under "type1"; 0 or missing means the
// tour has never been completed.
inline constexpr std::string_view kGuideIniFile = "corvid_varuno.ini";
inline constexpr std::string_view kGuideIniSection = "type1";
inline constexpr std::string_view kGuideIniKey = "exp";

// The four unit lists and the four value fields are numbered in one order
// (A before, A after, B before, B after; A input, A output, B input, B
// output): list j is IDC_LIST_A_BEFORE + j, field j is IDC_INPUT_A + j.
static_assert(IDC_LIST_A_AFTER == IDC_LIST_A_BEFORE + 1 && IDC_LIST_B_BEFORE == IDC_LIST_A_BEFORE + 2 &&
              IDC_LIST_B_AFTER == IDC_LIST_A_BEFORE + 3);
static_assert(IDC_OUTPUT_A == IDC_INPUT_A + 1 && IDC_INPUT_B == IDC_INPUT_A + 2 && IDC_OUTPUT_B == IDC_INPUT_A + 3);
// A live switch's option k reports its first id + 4 k.
static_assert(IDC_LIVE_A_OFF == IDC_LIVE_A_ON + 4 && IDC_LIVE_B_OFF == IDC_LIVE_B_ON + 4);
// The function buttons' report: WM_APP + 200.
static_assert(WM_NVBTN == 0x8000 + 200);

}  // namespace varuno::contract
