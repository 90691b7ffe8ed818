#include "QueryEncoding.h"

namespace orlena {
namespace {

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC; }
bool IsHighByte(unsigned char b) { return b >= 0x80; }

// Low bytes that may not stand raw in a URL handed to a browser's command
// line or written into an HTTP request line.
bool IsUnsafeLowByte(unsigned char b) {
    if (b < 0x20 || b == 0x7F) return true;
    switch (b) {
    case ' ': case '"': case '#': case '%': case '&': case '+':
        return true;
    default:
        return false;
    }
}

void AppendEscape(std::string& out, unsigned char b) {
    static const char kHexDigits[] = "0123456789ABCDEF";
    out += '%';
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
}

}  // namespace

std::string EncodeQuery(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(a) && i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
            AppendEscape(out, a);
            AppendEscape(out, static_cast<unsigned char>(text[++i]));
        } else if (IsHighByte(a) || IsUnsafeLowByte(a)) {
            AppendEscape(out, a);
        } else {
            out += static_cast<char>(a);
        }
    }
    return out;
}

}  // namespace orlena
