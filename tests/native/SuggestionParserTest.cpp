#include "SuggestionParser.h"
#include "StepwiseSuggestionParser.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Suggestions = std::vector<std::string>;

Suggestions Parse(const std::string& reply) {
    Suggestions suggestions;
    orlena::ParseSuggestions(reply, suggestions);
    return suggestions;
}

struct ParseCase {
    const char* name;
    std::string reply;
    Suggestions expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class ParseSuggestionsTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseSuggestionsTest, TakesTheValuesOfSuggestionTags) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(Parse(c.reply), c.expected) << c.name;
}

const ParseCase kCases[] = {
    {"empty reply", "", {}},
    {"no marker", R"(<toplevel><CompleteSuggestion><query data="x"/></CompleteSuggestion></toplevel>)", {}},
    {"reply order, duplicates kept",
     R"(<?xml version="1.0"?><toplevel>)"
     R"(<CompleteSuggestion><suggestion data="x"/></CompleteSuggestion>)"
     R"(<CompleteSuggestion><suggestion data="y"/></CompleteSuggestion>)"
     R"(<CompleteSuggestion><suggestion data="x"/></CompleteSuggestion></toplevel>)",
     {"x", "y", "x"}},

    // Blank values are dropped; kept values keep their blanks and bytes.
    {"adjacent quotes", R"(<suggestion data=""/>)", {}},
    {"spaces only", R"(<suggestion data="   "/>)", {}},
    {"control bytes only", "<suggestion data=\"\t\r\n\0 \x1F\"/>"s, {}},
    {"double-byte space is text", "<suggestion data=\"\x81\x40\"/>", {"\x81\x40"}},
    {"surrounding spaces kept", R"(<suggestion data=" tokyo "/>)", {" tokyo "}},
    {"references not resolved", R"(<suggestion data="a&amp;b"/>)", {"a&amp;b"}},
    {"code page 932 bytes as they are", "<suggestion data=\"\x93\x8C\x8B\x9E\"/>", {"\x93\x8C\x8B\x9E"}},

    // Only '<', '>', the quotes and the marker matter.
    {"'>' in a value ends the tag", R"(<suggestion data="a>b"/><suggestion data="c"/>)", {"a>", "c"}},
    {"one quote runs to the tag's end", R"(<suggestion data="abc/>)", {"abc/>"}},
    {"no quote gives the whole tag", R"(<suggestion data=abc/>)", {"<suggestion data=abc/>"}},
    {"earlier attribute's value taken", R"(<entry lang="ja" suggestion data="x"/>)", {"ja"}},
    {"tag starts at the first '<'", R"(<a="q" <suggestion data="x"/>)", {"q"}},
    {"capital S not recognised", R"(<Suggestion data="x"/>)", {}},
    {"capital D not recognised", R"(<suggestion Data="x"/>)", {}},
    {"marker outside tags ignored", R"(suggestion data="x" <a>)", {}},
    {"marker with no '<' at all", R"(suggestion data="x">)", {}},
    {"text and '>' before the first '<'", R"(junk > more >> <suggestion data="x"/>)", {"x"}},
    {"stray '>' between tags", R"(<a>>>> >><suggestion data="x"/>>)", {"x"}},
    {"unclosed last tag ends the scan", R"(<suggestion data="x"/><suggestion data="y")", {"x"}},
};

INSTANTIATE_TEST_SUITE_P(Table, ParseSuggestionsTest, testing::ValuesIn(kCases));

// A line break may stand anywhere in a reply, even inside a tag, so one can
// land at any byte of a tag. Only inside the value or the marker may it show.
TEST(ParseSuggestions, LineBreakAtAnyOffsetChangesOnlyTheValueOrLosesTheMarker) {
    const std::string reply = R"(<toplevel><CompleteSuggestion><suggestion data="tokyo"/></CompleteSuggestion></toplevel>)";
    const std::string marker = "suggestion data=";
    const std::size_t markerAt = reply.find(marker);
    const std::size_t valueAt = reply.find("tokyo");
    const std::size_t valueEnd = valueAt + 5;

    for (std::size_t cut = 0; cut <= reply.size(); ++cut) {
        std::string broken = reply;
        broken.insert(cut, "\r\n");
        Suggestions expected{"tokyo"};
        if (cut > markerAt && cut < markerAt + marker.size()) {
            expected.clear();
        } else if (cut >= valueAt && cut <= valueEnd) {
            expected[0].insert(cut - valueAt, "\r\n");
        }
        EXPECT_EQ(Parse(broken), expected) << "CR LF at offset " << cut;
    }
}

// Random replies from the bytes that matter, against the rules carried out
// literally. Small pieces make unusual orders of quotes and brackets common.
std::string RandomReply(std::mt19937& random) {
    static const std::string kPieces[] = {"<", ">", "\"", " ", "a", "\r", "\n", "\0"s, "\x81\x40", "suggestion data="};
    std::uniform_int_distribution<std::size_t> pieceCount(0, 40);
    std::uniform_int_distribution<std::size_t> pieceIndex(0, std::size(kPieces) - 1);
    std::string reply;
    for (std::size_t n = pieceCount(random); n > 0; --n) reply += kPieces[pieceIndex(random)];
    return reply;
}

TEST(ParseSuggestions, AgreesWithTheStepwiseRulesOnRandomReplies) {
    std::mt19937 random(20240611);
    // One list for every reply: a parser that forgets to clear it fails here.
    Suggestions suggestions{"stale"};
    for (int i = 0; i < 5000; ++i) {
        const std::string reply = RandomReply(random);
        orlena::ParseSuggestions(reply, suggestions);
        ASSERT_EQ(suggestions, orlena_test::ParseSuggestionsStepwise(reply)) << testing::PrintToString(reply);
    }
}

}  // namespace
