// The names and messages of the guide program: how it keeps to one
// instance, its windows' title, and what it tells the user when it cannot
// run. What it relies on of varuno (the main window's title, its control
// identifiers, the ini file of the completed tour) is resources/
// window_contract.h. Texts are UTF-8.
#pragma once
#include <string_view>

namespace varuno::corvid {

// One guide at a time: the mutex, and the class of the hidden owner window
// by which a second start finds the first.
constexpr std::string_view kMutexName = "コルヴィディアン　フォー　ヴァルーノ";
constexpr std::string_view kOwnerClass = "コルヴィディアン　フォー　ヴァルーノ ここにはユニークな名前をつける";
// The title of every window of the guide.
constexpr std::string_view kGuideTitle = "Corvidian for Varuno  Ver 1.0.0";

struct GuideMessage {
    std::string_view text;
    std::string_view caption;
};

constexpr std::string_view kMainAbsentText =
    "QXtool-Varuno -ヴァルーノ-（以下、Varuno）が起動されていません。\n"
    "\n"
    "Corvidian for Varuno（以下、Corvid）を有効に起動させるには、CorvidとVarunoを同一フォルダに格納し、\n"
    "　　①Corvidを起動させる\n"
    "　　②VarunoのヘルプボタンのメニューからCorvidを選択する\n"
    "のいずれかをとって下さい。";

// varuno is not running and could not be started.
constexpr GuideMessage kCannotStart{kMainAbsentText, "Corvidian for Varuno：起動不可"};
// varuno was started but showed no window in time.
constexpr GuideMessage kTimedOut{
    "QXtool-Varuno -ヴァルーノ-（以下、Varuno）が起動できません。\n"
    "\n"
    "Corvidian for Varuno（以下、Corvid）を有効に起動させるには、CorvidとVarunoを同一フォルダに格納し、\n"
    "　　①Corvidを起動させる\n"
    "　　②VarunoのヘルプボタンのメニューからCorvidを選択する\n"
    "のいずれかをとって下さい。",
    "Corvidian for Varuno：タイムアウト"};
// The screen is too narrow for the main window and the character side by side.
constexpr GuideMessage kScreenTooSmall{"大変申し訳ありませんが、Corvidianを起動するだけの画面サイズがありません。\n"
                                       "解像度：SVGA(800×600)のパソコンで実行して下さい。",
                                       "Corvidian for Varuno：起動不可"};
// varuno's window went away during the tour.
constexpr GuideMessage kMainGone{kMainAbsentText, "Corvidian for Varuno：本体消滅"};

}  // namespace varuno::corvid
