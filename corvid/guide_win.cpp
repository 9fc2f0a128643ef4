#include "corvid/guide_win.h"

#include "platform/cp932.h"
#include "platform/ini.h"
#include "platform/wide_text.h"
#include "resources/window_contract.h"

namespace varuno::corvid {
namespace {

Rect work_area(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

}  // namespace

HWND find_main_window() { return FindWindowW(nullptr, wide_utf8(contract::kMainWindowTitle).c_str()); }

Rect work_area_of(HWND window) { return work_area(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

Rect work_area_at(const RECT& r) { return work_area(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST)); }

void set_guide_title(HWND window) { SetWindowTextW(window, wide_utf8(kGuideTitle).c_str()); }

void show_message(HWND owner, const GuideMessage& message) {
    MessageBoxW(owner, wide_utf8(message.text).c_str(), wide_utf8(message.caption).c_str(), MB_OK);
}

bool tour_seen() {
    return ini_read_int(contract::kGuideIniSection, contract::kGuideIniKey, contract::kGuideIniFile) != 0;
}

void record_tour_seen() {
    ini_write_text(contract::kGuideIniSection, contract::kGuideIniKey, "1", contract::kGuideIniFile);
}

}  // namespace varuno::corvid
