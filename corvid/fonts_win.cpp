#include "corvid/fonts_win.h"

#include <string>
#include <vector>

#include "platform/handles_win.h"
#include "platform/wide_text.h"

namespace varuno::corvid {
namespace {

// Faces to try, in order; the first installed one is used. The Japanese
// names come first because Windows lists the fonts by them on Japanese
// systems; the last entries are broadly available CJK faces.
std::vector<std::wstring> candidates(GuideFace face) {
    switch (face) {
    case GuideFace::kPop:
        return {wide_utf8("HGS創英角ﾎﾟｯﾌﾟ体"),
                wide_utf8("HG創英角ﾎﾟｯﾌﾟ体"),
                L"HGSSoeiKakupoptai",
                wide_utf8("ＭＳ Ｐゴシック"),
                L"MS PGothic",
                L"Meiryo UI",
                L"Noto Sans CJK JP"};
    case GuideFace::kGothic:
        return {wide_utf8("ＭＳ ゴシック"), L"MS Gothic", L"Noto Sans Mono CJK JP", L"Noto Sans CJK JP"};
    case GuideFace::kPGothic:
    case GuideFace::kSystemFont: break;
    }
    return {wide_utf8("ＭＳ Ｐゴシック"), L"MS PGothic", L"Meiryo UI", L"Noto Sans CJK JP"};
}

int CALLBACK found_face(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(HDC dc, const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, found_face, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The first installed candidate; when none is, the face of the default GUI
// font, which the system links to a font with Japanese glyphs.
std::wstring chosen_face(GuideFace face) {
    HDC dc = GetDC(nullptr);
    std::wstring chosen;
    for (const std::wstring& name : candidates(face)) {
        if (installed(dc, name)) {
            chosen = name;
            break;
        }
    }
    ReleaseDC(nullptr, dc);
    if (chosen.empty()) {
        LOGFONTW gui{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
        chosen = gui.lfFaceName;
    }
    return chosen;
}

// Whether the system font draws Japanese: on a Japanese system it does; on
// others the splash's notes take a Japanese face instead.
bool system_font_is_japanese() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    const bool japanese = GetTextCharset(dc) == SHIFTJIS_CHARSET;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return japanese;
}

}  // namespace

HFONT GuideFonts::create(GuideFace face, int points, Dpi dpi) {
    if (face == GuideFace::kSystemFont && system_font_is_japanese()) {
        // The stock font is made for the system's DPI: scaled to the monitor's.
        LOGFONTW system{};
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof system, &system);
        const int system_dpi = GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY);
        system.lfHeight = MulDiv(system.lfHeight, dpi.value(), system_dpi);
        system.lfWidth = MulDiv(system.lfWidth, dpi.value(), system_dpi);
        return CreateFontIndirectW(&system);
    }
    std::wstring& name = faces_[static_cast<std::size_t>(face)];
    if (name.empty()) name = chosen_face(face);
    return CreateFontW(dpi.font_height(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       name.c_str());
}

}  // namespace varuno::corvid
