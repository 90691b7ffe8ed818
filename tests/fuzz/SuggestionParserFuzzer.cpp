// Feeds arbitrary replies to the suggestion parser and checks it against the
// stepwise rules.

#include "SuggestionParser.h"
#include "StepwiseSuggestionParser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsBlankOnly(const std::string& text) { return orlena_test::StripBlanks(text).empty(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string reply(reinterpret_cast<const char*>(data), size);
    // Left-over entries must not survive: the list is cleared first.
    std::vector<std::string> suggestions{"stale"};
    orlena::ParseSuggestions(reply, suggestions);

    for (const std::string& suggestion : suggestions) {
        Require(!IsBlankOnly(suggestion));
        Require(reply.find(suggestion) != std::string::npos);
    }
    Require(suggestions == orlena_test::ParseSuggestionsStepwise(reply));
    return 0;
}
