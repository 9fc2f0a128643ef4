// Display scale: sizes given at 96 DPI mapped to other scales, the render a
// picture is taken from, the lists' widening, and the pictures a dialog
// template names.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "mainwin/main_model.h"
#include "platform/dialog_template.h"
#include "platform/dpi.h"
#include "resources/pixel_sizes.h"

namespace varuno {
namespace {

constexpr int kScales[] = {96, 120, 144, 168, 192, 240, 288};

TEST(Dpi, SizesAreExactAt96AndRoundLikeMulDivElsewhere) {
    const Dpi base;
    for (int v : {-172, -1, 0, 1, 15, 46, 239, 240, 500, 1000}) EXPECT_EQ(base.px(v), v);
    EXPECT_TRUE(base.is_base());
    EXPECT_EQ(Dpi(72), base);  // no scale below 100 %
    EXPECT_EQ(Dpi(0), base);
    // 125 %: 2 px is 2.5, rounded away from zero on both sides.
    EXPECT_EQ(Dpi(120).px(2), 3);
    EXPECT_EQ(Dpi(120).px(-2), -3);
    EXPECT_EQ(Dpi(120).px(15), 19);   // 18.75
    EXPECT_EQ(Dpi(144).px(99), 149);  // 148.5
    EXPECT_EQ(Dpi(192).px(px96::kListWideShift), 344);
    // The sign does not change the size: widening left moves as far as right.
    for (int dpi : kScales)
        for (int v = 0; v < 600; ++v) ASSERT_EQ(Dpi(dpi).px(-v), -Dpi(dpi).px(v)) << dpi << " " << v;
}

TEST(Dpi, FontHeightsFollowThePointSize) {
    EXPECT_EQ(Dpi().font_height(9), -12);
    EXPECT_EQ(Dpi(120).font_height(9), -15);
    EXPECT_EQ(Dpi(144).font_height(11), -22);
    EXPECT_EQ(Dpi(192).font_height(9), -24);
}

// The status bar's parts share their edges at every scale: no part loses
// its width to rounding and none overlaps the next.
TEST(Dpi, StatusBarPartsStayInOrderAndProportional) {
    for (int dpi : kScales) {
        const Dpi d(dpi);
        int previous = 0;
        for (std::size_t k = 0; k < px96::kStatusEdges.size(); ++k) {
            const int edge = d.px(px96::kStatusEdges[k]);
            const int width96 = px96::kStatusEdges[k] - (k == 0 ? 0 : px96::kStatusEdges[k - 1]);
            const double exact = width96 * dpi / 96.0;
            EXPECT_GT(edge, previous) << dpi;
            EXPECT_NEAR(edge - previous, exact, 1.0) << dpi << " part " << k;
            previous = edge;
        }
        EXPECT_NEAR(previous, px96::kStatusEdges.back() * dpi / 96.0, 0.5) << dpi;
    }
}

TEST(Dpi, PicturesComeFromTheRenderAtOrAboveTheScale) {
    struct Case {
        int dpi, percent;
        bool exact;
    };
    for (const Case& c : {Case{96, 100, true}, Case{97, 125, false}, Case{120, 125, true}, Case{144, 150, true},
                          Case{168, 200, false}, Case{192, 200, true}, Case{240, 200, false}, Case{480, 200, false}}) {
        const PictureChoice choice = picture_choice(Dpi(c.dpi));
        EXPECT_EQ(choice.render.percent, c.percent) << c.dpi;
        EXPECT_EQ(choice.exact, c.exact) << c.dpi;
    }
    // Each render has its own block of resource ids above the 100 % ones.
    for (std::size_t k = 1; k < std::size(kPictureRenders); ++k)
        EXPECT_GT(kPictureRenders[k].id_offset, kPictureRenders[k - 1].id_offset + 9000);
}

// A unit list widens over the other court while it is open and goes back to
// exactly where it was, at every scale; court B's lists widen to the left.
TEST(ListWidening, WidensByScaleAndRestoresThePlaceItHad) {
    for (int dpi : {96, 144, 192}) {
        const Dpi d(dpi);
        ListWidening widening;
        EXPECT_FALSE(widening.restore(0, d)) << "never widened";
        const Rect a{d.px(10), d.px(60), d.px(78), d.px(80)};
        const ListPlace wide_a = widening.widen(0, a, d);
        EXPECT_EQ(wide_a.rect.left, a.left);
        EXPECT_EQ(wide_a.rect.right - wide_a.rect.left, d.px(px96::kListWide));
        EXPECT_EQ(wide_a.rect.bottom - wide_a.rect.top, d.px(px96::kListDropped));
        const Rect b{d.px(260), d.px(60), d.px(328), d.px(80)};
        const ListPlace wide_b = widening.widen(2, b, d);
        EXPECT_EQ(wide_b.rect.left, b.left - d.px(px96::kListWideShift));
        EXPECT_NE(wide_a.covered, wide_b.covered);
        const auto back_a = widening.restore(0, d);
        ASSERT_TRUE(back_a);
        EXPECT_EQ(back_a->rect.left, a.left);
        EXPECT_EQ(back_a->rect.right, a.right);
        EXPECT_EQ(back_a->covered, wide_a.covered);
        EXPECT_FALSE(widening.restore(0, d)) << "restored once only";
        ASSERT_TRUE(widening.restore(2, d));
    }
}

// ---- Dialog templates, as the resource compiler writes them ----

class TemplateBytes {
public:
    void word(std::uint16_t w) {
        bytes_.push_back(static_cast<std::uint8_t>(w & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    void dword(std::uint32_t d) {
        word(static_cast<std::uint16_t>(d & 0xFFFF));
        word(static_cast<std::uint16_t>(d >> 16));
    }
    void text(const std::u16string& t) {
        for (char16_t c : t) word(c);
        word(0);
    }
    void number(std::uint16_t n) {
        word(0xFFFF);
        word(n);
    }
    void align() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kBitmapStyle = 0x50000000 | 0x0E;  // WS_CHILD | WS_VISIBLE | SS_BITMAP
constexpr std::uint32_t kTextStyle = 0x50000000;

// An extended template with a font: a text, a picture by number, a picture
// by name (kept by the window itself), a button and another picture.
std::vector<std::uint8_t> extended_template() {
    TemplateBytes t;
    t.word(1);
    t.word(0xFFFF);
    t.dword(0);
    t.dword(0);
    t.dword(0x80C80080 | 0x40);  // DS_SETFONT
    t.word(5);
    for (int i = 0; i < 4; ++i) t.word(10);
    t.word(0);          // no menu
    t.word(0);          // the dialog class
    t.text(u"Varuno");  // title
    t.word(9);
    t.word(400);
    t.word(0x0100);  // italic, charset
    t.text(u"ＭＳ Ｐゴシック");
    const auto item = [&](std::uint32_t style, std::uint32_t id, bool numbered_class, std::uint16_t class_number,
                          const std::u16string& class_name, bool numbered_title, std::uint16_t title_number) {
        t.align();
        t.dword(0);
        t.dword(0);
        t.dword(style);
        for (int i = 0; i < 4; ++i) t.word(1);
        t.dword(id);
        if (numbered_class)
            t.number(class_number);
        else
            t.text(class_name);
        if (numbered_title)
            t.number(title_number);
        else
            t.text(u"text");
        t.word(0);
    };
    item(kTextStyle, 100, true, 0x82, u"", false, 0);
    item(kBitmapStyle, 101, true, 0x82, u"", true, 7001);
    item(kBitmapStyle, 102, true, 0x82, u"", false, 0);
    item(0x50010000, 103, true, 0x80, u"", true, 7002);  // a button showing a number: not a picture
    item(kBitmapStyle, 104, false, 0, u"STATIC", true, 7003);
    return t.bytes_;
}

TEST(DialogTemplate, FindsThePicturesOfStaticControlsInOrder) {
    const std::vector<std::uint8_t> bytes = extended_template();
    const std::vector<TemplatePicture> pictures = template_pictures(bytes);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].control, 101);
    EXPECT_EQ(pictures[0].bitmap, 7001);
    EXPECT_EQ(pictures[1].control, 104);
    EXPECT_EQ(pictures[1].bitmap, 7003);
}

TEST(DialogTemplate, ReadsTheClassicLayoutWithoutAFont) {
    TemplateBytes t;
    t.dword(0x80C80080);  // DS_MODALFRAME, no DS_SETFONT
    t.dword(0);
    t.word(1);
    for (int i = 0; i < 4; ++i) t.word(10);
    t.word(0);
    t.word(0);
    t.word(0);
    t.align();
    t.dword(kBitmapStyle);
    t.dword(0);
    for (int i = 0; i < 4; ++i) t.word(1);
    t.word(0xFFFF);  // id -1 (a static without an id of its own)
    t.number(0x82);
    t.number(120);
    t.word(0);
    const std::vector<TemplatePicture> pictures = template_pictures(t.bytes_);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].control, -1);
    EXPECT_EQ(pictures[0].bitmap, 120);
}

// A template cut anywhere gives the pictures read before the cut, never
// more, and never reads past the end.
TEST(DialogTemplate, ACutTemplateGivesWhatCouldBeRead) {
    const std::vector<std::uint8_t> bytes = extended_template();
    std::size_t previous = 0;
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        const std::size_t found = template_pictures(cut).size();
        EXPECT_GE(found, previous) << n;
        EXPECT_LE(found, 2u);
        previous = found;
    }
    EXPECT_EQ(previous, 2u);
}

}  // namespace
}  // namespace varuno
