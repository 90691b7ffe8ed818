#include "SuggestionText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct JoinCase {
    const char* name;
    std::vector<std::string> suggestions;
    std::size_t maxBytes;
    std::string expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const JoinCase& c, std::ostream* out) { *out << c.name; }

class JoinSuggestionLinesTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinSuggestionLinesTest, KeepsWholeLinesThatFit) {
    const JoinCase& c = GetParam();
    EXPECT_EQ(orlena::JoinSuggestionLines(c.suggestions, c.maxBytes), c.expected) << c.name;
}

constexpr std::size_t kTextLimit = orlena::kSuggestionBufferSize - 1;

const JoinCase kCases[] = {
    {"no suggestions", {}, kTextLimit, ""},
    {"every line ends with CR LF", {"a", "b"}, kTextLimit, "a\r\nb\r\n"},
    {"exact fit", {"ab", "cd"}, 8, "ab\r\ncd\r\n"},
    {"one byte over drops the whole last line", {"ab", "cd"}, 7, "ab\r\n"},
    // A byte-wise cut would keep the lead byte without its trail byte.
    {"double-byte character not split", {"ab", "\x93\x8C"}, 5, "ab\r\n"},
    {"first line too long", {"abcdef"}, 4, ""},
    {"lines after a misfit dropped", {"ab", "toolong", "c"}, 8, "ab\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, JoinSuggestionLinesTest, testing::ValuesIn(kCases));

TEST(JoinSuggestionLines, FillsTheCallersBufferWithWholeLinesOnly) {
    const std::string tokyo = "\x93\x8C\x8B\x9E";
    const std::vector<std::string> suggestions(1000, tokyo);
    std::string expected;
    for (std::size_t line = 0; line < kTextLimit / 6; ++line) expected += tokyo + "\r\n";
    EXPECT_EQ(orlena::JoinSuggestionLines(suggestions, kTextLimit), expected);
}

}  // namespace
