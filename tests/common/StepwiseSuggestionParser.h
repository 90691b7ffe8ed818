#pragma once

// The suggestion reply rules carried out one step at a time on copies of the
// text, the slow way. Tests and fuzzers compare the real parser with it, so
// it is written for being checked by eye, not for speed.

#include <string>
#include <vector>

namespace orlena_test {

inline bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

inline std::string StripBlanks(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankByte(text[begin])) ++begin;
    while (end > begin && IsBlankByte(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

inline std::vector<std::string> ParseSuggestionsStepwise(const std::string& reply) {
    std::vector<std::string> list;
    std::string rest = reply;
    for (;;) {
        const std::size_t open = rest.find('<');
        const std::size_t close = rest.find('>');
        if (open == std::string::npos || close == std::string::npos) return list;
        std::string candidate = close < open ? std::string() : rest.substr(open, close - open + 1);
        rest.erase(0, close + 1);
        if (candidate.find("suggestion data=") == std::string::npos) continue;
        const std::size_t firstQuote = candidate.find('"');
        if (firstQuote != std::string::npos) candidate.erase(0, firstQuote + 1);
        const std::size_t secondQuote = candidate.find('"');
        if (secondQuote != std::string::npos) candidate.erase(secondQuote);
        if (StripBlanks(candidate).empty()) continue;
        list.push_back(candidate);
    }
}

}  // namespace orlena_test
