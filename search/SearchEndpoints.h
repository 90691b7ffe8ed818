#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orlena {

// The URL prefix of the service that a search kind selects; kinds outside
// the table (the selector's -1 for "nothing chosen" among them) fall back
// to web search.
std::string SearchUrlPrefix(std::int32_t kind);

// The full search URL: the kind's prefix followed by the already encoded words.
std::string BuildSearchUrl(std::int32_t kind, std::string_view encodedWords);

}  // namespace orlena
