// The help file's address: a folder whose name has URL syntax in it must
// still name the same file.
#include <gtest/gtest.h>

#include "mainwin/help_url.h"

namespace varuno {
namespace {

TEST(HelpUrl, EscapesWhatAUrlWouldReadAsItsOwnSyntax) {
    EXPECT_EQ(help_url(u"C:\\Tools\\Varuno\\varuno.html", u"ctx80"), u"file:///C:/Tools/Varuno/varuno.html#ctx80");
    EXPECT_EQ(help_url(u"C:\\Tools\\C#\\100%\\a?b c\\varuno.html", u"ctx80"),
              u"file:///C:/Tools/C%23/100%25/a%3Fb%20c/varuno.html#ctx80");
    // Double-byte folder names stay as they are; no anchor, no '#'.
    EXPECT_EQ(help_url(u"D:\\単位 換算\\varuno.html", u""), u"file:///D:/単位%20換算/varuno.html");
}

}  // namespace
}  // namespace varuno
