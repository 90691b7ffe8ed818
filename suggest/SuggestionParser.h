#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orlena {

// Fills `suggestions` (cleared first) with the values of the reply's
// suggestion tags, in the reply's order.
void ParseSuggestions(std::string_view reply, std::vector<std::string>& suggestions);

}  // namespace orlena
