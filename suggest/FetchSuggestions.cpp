#include "FetchSuggestions.h"

#include "InternetHandle.h"
#include "SuggestionParser.h"

#include <cstring>

namespace orlena {
namespace {

constexpr char kAgent[] = "DoCoMo/2.0 N901iS(c100;TB;W24H12)";
constexpr DWORD kReadPieceSize = 1024;

// The reply body. A piece counts up to its first zero byte, so no zero byte
// reaches the suggestions, whose text ends at the first zero for the caller.
// Pieces are joined as they came: where the transport happened to cut the
// body must not change what the reply says.
std::string ReadReply(HINTERNET request) {
    std::string reply;
    char piece[kReadPieceSize];
    for (;;) {
        DWORD count = kReadPieceSize;
        if (!InternetReadFile(request, piece, kReadPieceSize, &count) || count == 0) break;
        reply.append(piece, strnlen(piece, count));
    }
    return reply;
}

}  // namespace

void FetchSuggestions(const std::string& host, const std::string& objectName, std::vector<std::string>& suggestions) {
    suggestions.clear();
    const InternetHandle internet(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return;
    // A failed step leaves a null handle; the steps after it then fail too
    // and the read delivers nothing.
    const InternetHandle connection(InternetConnectA(internet.get(), host.c_str(), INTERNET_DEFAULT_HTTP_PORT, nullptr,
                                                     nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    const InternetHandle request(HttpOpenRequestA(connection.get(), "GET", objectName.c_str(), "HTTP/1.1", nullptr,
                                                  nullptr, INTERNET_FLAG_RELOAD, 0));
    HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0);
    ParseSuggestions(ReadReply(request.get()), suggestions);
}

}  // namespace orlena
