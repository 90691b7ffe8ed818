#include "QueryEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EncodeCase {
    const char* name;
    std::string input;
    std::string expected;
};

class EncodeQueryTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeQueryTest, EncodesAsExpected) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(orlena::EncodeQuery(c.input), c.expected) << c.name;
}

using namespace std::string_literals;

const EncodeCase kCases[] = {
    {"empty", "", ""},
    {"plain ascii", "abc", "abc"},
    {"unreserved ascii stays", "aZ09-._~=?/:;,!*'()@$[]{}|\\^`<>", "aZ09-._~=?/:;,!*'()@$[]{}|\\^`<>"},
    // Bytes that would split a command line or change the query's meaning.
    {"query delimiters", "a b&c+d#e%f", "a%20b%26c%2Bd%23e%25f"},
    {"double quote", "say \"hi\"", "say%20%22hi%22"},
    {"line break", "a\r\nb", "a%0D%0Ab"},
    {"tab, escape and delete", "\t\x1B\x7F", "%09%1B%7F"},
    {"zero byte", "a\0b"s, "a%00b"},
    // Code page 932 pairs are escaped as one unit.
    {"tokyo in 932", "\x93\x8C\x8B\x9E", "%93%8C%8B%9E"},
    {"trail byte in ascii range", "\x83\x5C", "%83%5C"},
    {"lone katakana", "\xB1", "%B1"},
    {"high byte last", "a\xB1", "a%B1"},
    {"lead byte alone", "\x81", "%81"},
    {"lead byte last", "a\x81", "a%81"},
    {"0x7F is a trail byte", "\x81\x7F", "%81%7F"},
    {"below trail range", "\x81\x3F", "%81?"},
    {"0xFD is no lead byte", "\xFD\x41", "%FDA"},
    {"high byte then pair", "\xA0\x81\x40", "%A0%81%40"},
    {"lead byte then unsafe byte", "\x81 ", "%81%20"},
    // UTF-8 text goes through the same rules.
    {"tokyo in utf-8", "\xE6\x9D\xB1\xE4\xBA\xAC", "%E6%9D%B1%E4%BA%AC"},
    {"utf-8 then ascii letter pairs", "\xE3\x81\x81\x61", "%E3%81%81%61"},
};

INSTANTIATE_TEST_SUITE_P(Table, EncodeQueryTest, testing::ValuesIn(kCases));

TEST(EncodeQuery, EscapesEveryControlByteAndNothingPrintableButTheReservedFive) {
    for (int b = 0; b < 0x80; ++b) {
        const std::string encoded = orlena::EncodeQuery(std::string(1, static_cast<char>(b)));
        const bool escaped = b < 0x20 || b == 0x7F || std::string(" \"#%&+").find(static_cast<char>(b)) != std::string::npos;
        EXPECT_EQ(encoded.size(), escaped ? 3u : 1u) << "byte " << b;
    }
}

}  // namespace
