#pragma once

#include <string>
#include <string_view>

namespace orlena {

// Re-encodes text from one Windows code page into another by way of UTF-16.
// Empty when the system cannot convert (for example, an unknown code page).
std::string ConvertCodePage(unsigned sourceCodePage, unsigned targetCodePage, std::string_view text);

}  // namespace orlena
