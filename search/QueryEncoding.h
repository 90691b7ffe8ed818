#pragma once

#include <string>
#include <string_view>

namespace orlena {

// Percent-encodes the bytes of a query value. A code-page-932 double-byte
// character (lead byte followed by a trail byte) is escaped as one unit, so
// its second byte is never read as ASCII on its own. Every other high byte,
// every control byte and the bytes that would split a command line or change
// the meaning of a query string (space " # % & +) are escaped too; the
// remaining ASCII bytes are copied.
std::string EncodeQuery(std::string_view text);

}  // namespace orlena
