#pragma once

#include <string>
#include <vector>

namespace orlena {

// Asks the suggestion service at `host` (port 80) for `objectName` and fills
// `suggestions` from the reply; leaves it empty when the exchange fails.
void FetchSuggestions(const std::string& host, const std::string& objectName, std::vector<std::string>& suggestions);

}  // namespace orlena
