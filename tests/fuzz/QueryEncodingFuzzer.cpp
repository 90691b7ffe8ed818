// Feeds arbitrary bytes to the query encoder and checks that the result is
// safe in a URL and a command line and still carries every input byte.

#include "QueryEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

bool MayStandRaw(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x21 || b >= 0x7F) return false;
    return std::string_view("\"#&+").find(c) == std::string_view::npos;
}

// Undoes the escapes, requiring each to be '%' and two upper-case hex digits
// and every other byte to be one that may stand raw.
std::string DecodeStrictly(std::string_view encoded) {
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            Require(MayStandRaw(encoded[i]));
            decoded += encoded[i];
            continue;
        }
        Require(i + 2 < encoded.size() && IsUpperHexDigit(encoded[i + 1]) && IsUpperHexDigit(encoded[i + 2]));
        decoded += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
        i += 2;
    }
    return decoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(DecodeStrictly(orlena::EncodeQuery(text)) == text);
    return 0;
}
