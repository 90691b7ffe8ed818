#pragma once

#include <string>

namespace orlena {

// The program path of the browser, from the machine's App Paths entry;
// empty when the entry cannot be opened with full access or holds no text.
std::string GetIEPath();

}  // namespace orlena
