#include "mainwin/help_url.h"

namespace varuno {
namespace {

void append_escaped(std::u16string& url, char16_t c) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    // These characters are all below U+0080: one UTF-8 byte each.
    url += u'%';
    url += kHex[(c >> 4) & 0xF];
    url += kHex[c & 0xF];
}

}  // namespace

std::u16string help_url(std::u16string_view path, std::u16string_view anchor) {
    std::u16string url = u"file:///";
    for (char16_t c : path) {
        if (c == u'\\')
            url += u'/';
        else if (c == u'%' || c == u'#' || c == u'?' || c == u' ' || c < 0x20 || c == 0x7F)
            append_escaped(url, c);
        else
            url += c;
    }
    if (!anchor.empty()) url += u"#" + std::u16string(anchor);
    return url;
}

}  // namespace varuno
