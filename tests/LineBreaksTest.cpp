// Tests for where lines may end: the simple rules of builds without libunibreak, and that they
// agree with the Unicode rules (libunibreak) on the texts they are meant for.
#include "gui/text/LineBreaks.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

// The breaks as one mark a byte: '.' none, '/' allowed, '!' mandatory.
std::string marks(const LineBreaks& breaks) {
    std::string out;
    for (LineBreak b : breaks)
        out += b == LineBreak::None ? '.' : b == LineBreak::Allowed ? '/' : '!';
    return out;
}

struct Case {
    const char* text;
    const char* breaks;
};

const Case kCases[] = {
    {"", ""},
    {"AB CD", "../.!"},
    {"a  b", "../!"},  // after the last of a run of spaces
    {"ab ", "..!"},    // never before a space: the end is the first place
    {"ab\tcd", "../.!"},
    {"one\ntwo", "...!..!"},       // a line feed ends a line
    {"a\r\nb", "..!!"},            // CR LF is one line end
    {"well-known", "..../....!"},  // after a hyphen
    {"-5 x", "../!"},              // a minus sign stays with its number
    {"a\xe2\x80\x8b"
     "b",
     ".../!"},                                              // after a zero-width space
    {"\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", "../../..!"},  // between ideographs
    {"abc \xe6\x97\xa5\xe6\x9c\xac", ".../../..!"},
    {"x\xffy", "..!"},  // a malformed byte is a character of its own
};

TEST(LineBreaks, SimpleRulesMarkEachByte) {
    for (const Case& c : kCases)
        EXPECT_EQ(marks(simpleLineBreaks(c.text)), c.breaks) << c.text;
}

#if TRELLIS_HAVE_UNIBREAK
TEST(LineBreaks, SimpleRulesAgreeWithTheUnicodeRules) {
    for (const Case& c : kCases)
        EXPECT_EQ(marks(simpleLineBreaks(c.text)), marks(unicodeLineBreaks(c.text))) << c.text;
}
#endif

}  // namespace
}  // namespace trellis
