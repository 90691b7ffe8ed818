#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orlena {

// Size of the caller's suggestion buffer, terminating zero included.
constexpr std::size_t kSuggestionBufferSize = 4096;

// The suggestions one per line, each followed by CR LF, keeping only as many
// whole lines as fit in `maxBytes` bytes.
std::string JoinSuggestionLines(const std::vector<std::string>& suggestions, std::size_t maxBytes);

}  // namespace orlena
