// Hintory's one export: the search engine's suggestions for the words typed
// so far, one per line, in the caller's buffer.

#include "EndpointHosts.h"
#include "FetchSuggestions.h"
#include "QueryEncoding.h"
#include "SuggestionText.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The words go out as the caller's code-page-932 bytes, escaped.
std::string SuggestionObjectName(const char* query) {
    const std::string words = query != nullptr ? query : "";
    return "/complete/search?output=toolbar&q=" + orlena::EncodeQuery(words) + "&hl=ja";
}

std::string SuggestionTextFor(const char* query) {
    std::vector<std::string> suggestions;
    orlena::FetchSuggestions(ORLENA_SUGGEST_HOST, SuggestionObjectName(query), suggestions);
    return orlena::JoinSuggestionLines(suggestions, orlena::kSuggestionBufferSize - 1);
}

}  // namespace

extern "C" void __stdcall Suggest(const char* query, char* dest) noexcept {
    if (dest == nullptr) return;
    std::string text;
    try {
        text = SuggestionTextFor(query);
    } catch (...) {
        text.clear();  // nothing may cross the export: no suggestions then
    }
    std::memcpy(dest, text.data(), text.size());
    dest[text.size()] = '\0';
}
