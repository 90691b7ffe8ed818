#include "SuggestionText.h"

#include <string_view>

namespace orlena {

// Lines are kept whole so that a cut never splits a double-byte character or
// leaves a line without its CR LF. The first line that does not fit ends the
// text, even if a shorter one follows: what is shown stays the top of the
// service's ranking rather than a selection by length.
std::string JoinSuggestionLines(const std::vector<std::string>& suggestions, std::size_t maxBytes) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text;
    for (const std::string& suggestion : suggestions) {
        const std::size_t room = maxBytes - text.size();
        if (suggestion.size() > room || kLineEnd.size() > room - suggestion.size()) break;
        text += suggestion;
        text += kLineEnd;
    }
    return text;
}

}  // namespace orlena
