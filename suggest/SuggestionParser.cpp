#include "SuggestionParser.h"

#include <algorithm>

namespace orlena {
namespace {

constexpr std::string_view kMarker = "suggestion data=";

// Spaces and every control byte; the bytes of a double-byte space are above
// this range, so a full-width blank counts as text.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

bool IsBlankOnly(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlank); }

// The bytes between the tag's first and second double quote. A missing quote
// cuts nothing at its end: without any quote the whole tag is the value, and
// with one quote the value runs to the tag's closing '>'.
std::string_view QuotedValue(std::string_view tag) {
    const std::size_t open = tag.find('"');
    if (open != std::string_view::npos) tag.remove_prefix(open + 1);
    return tag.substr(0, tag.find('"'));
}

void AppendSuggestionOf(std::string_view tag, std::vector<std::string>& suggestions) {
    if (tag.find(kMarker) == std::string_view::npos) return;
    const std::string_view value = QuotedValue(tag);
    // A blank value is dropped, but a kept one keeps its blanks.
    if (!IsBlankOnly(value)) suggestions.emplace_back(value);
}

// Markup sets its tags side by side, so the byte after a '>' is most often
// the next '<': looking at it first saves a library call on most tags.
std::size_t FindNextOpen(std::string_view reply, std::size_t from) {
    if (from < reply.size() && reply[from] == '<') return from;
    return reply.find('<', from);
}

}  // namespace

// A tag runs from a '<' to the first '>' after it, and the next tag starts at
// the first '<' after that '>'. A '>' that stands before the next '<' closes
// nothing and is passed over by the search for the '>' after that '<', not
// stepped over one at a time: each byte is looked at a bounded number of
// times, so the time grows linearly with the reply however its brackets fall.
void ParseSuggestions(std::string_view reply, std::vector<std::string>& suggestions) {
    suggestions.clear();
    for (std::size_t open = reply.find('<'); open != std::string_view::npos;) {
        const std::size_t close = reply.find('>', open + 1);
        if (close == std::string_view::npos) return;
        AppendSuggestionOf(reply.substr(open, close - open + 1), suggestions);
        open = FindNextOpen(reply, close + 1);
    }
}

}  // namespace orlena
