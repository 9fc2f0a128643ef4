#include "platform/dialog_template.h"

#include <optional>
#include <string>
#include <string_view>

namespace varuno {
namespace {

constexpr std::uint32_t kSetFont = 0x40L;       // DS_SETFONT
constexpr std::uint32_t kTypeMask = 0x1F;       // SS_TYPEMASK
constexpr std::uint32_t kBitmapType = 0x0E;     // SS_BITMAP
constexpr std::uint16_t kStaticClass = 0x0082;  // the predefined class "Static"

// A little-endian reader that stops, rather than reads past the end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    std::uint16_t word() {
        if (!take(2)) return 0;
        return static_cast<std::uint16_t>(bytes_[at_ - 2] | bytes_[at_ - 1] << 8);
    }
    std::uint32_t dword() {
        const std::uint32_t low = word();
        return low | static_cast<std::uint32_t>(word()) << 16;
    }
    void skip(std::size_t n) { take(n); }
    void align(std::size_t to) {
        if (at_ % to) skip(to - at_ % to);
    }
    // A name or a resource number: 0 (none), 0xFFFF and a number, or a
    // text ending in 0.
    struct Name {
        std::optional<std::uint16_t> number;
        std::u16string text;
    };
    Name name() {
        const std::uint16_t first = word();
        if (first == 0) return {};
        if (first == 0xFFFF) return {word(), {}};
        Name n{std::nullopt, std::u16string(1, static_cast<char16_t>(first))};
        for (std::uint16_t c = word(); ok_ && c != 0; c = word()) n.text += static_cast<char16_t>(c);
        return n;
    }

private:
    bool take(std::size_t n) {
        if (!ok_ || bytes_.size() - at_ < n) return ok_ = false;
        at_ += n;
        return true;
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

bool is_static(const Reader::Name& cls) {
    if (cls.number) return *cls.number == kStaticClass;
    const std::u16string_view name = u"static";
    if (cls.text.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((cls.text[i] | 0x20) != name[i]) return false;
    return true;
}

}  // namespace

std::vector<TemplatePicture> template_pictures(std::span<const std::uint8_t> dialog_template) {
    std::vector<TemplatePicture> pictures;
    Reader r(dialog_template);
    const std::uint16_t version = r.word();
    const bool extended = version == 1 && r.word() == 0xFFFF;
    std::uint32_t style = 0;
    if (extended) {
        r.skip(8);  // help id, extended style
        style = r.dword();
    } else {
        r = Reader(dialog_template);
        style = r.dword();
        r.skip(4);  // extended style
    }
    const int items = r.word();
    r.skip(8);                     // x, y, cx, cy
    r.name();                      // menu
    r.name();                      // class
    r.name();                      // title
    if (style & kSetFont) {        // also set by DS_SHELLFONT
        r.skip(extended ? 6 : 2);  // size (and weight, italic, charset)
        r.name();                  // face
    }
    for (int i = 0; i < items && r.ok(); ++i) {
        r.align(4);
        std::uint32_t item_style = 0;
        int id = 0;
        if (extended) {
            r.skip(8);  // help id, extended style
            item_style = r.dword();
            r.skip(8);  // x, y, cx, cy
            id = static_cast<int>(r.dword());
        } else {
            item_style = r.dword();
            r.skip(12);  // extended style, x, y, cx, cy
            id = static_cast<std::int16_t>(r.word());
        }
        const Reader::Name cls = r.name();
        const Reader::Name title = r.name();
        r.skip(r.word());  // creation data
        if (r.ok() && is_static(cls) && (item_style & kTypeMask) == kBitmapType && title.number)
            pictures.push_back({id, *title.number});
    }
    return pictures;
}

}  // namespace varuno
