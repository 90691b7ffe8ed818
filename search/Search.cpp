// Trovemark's one export: opens the search results of the chosen service.

#include "BrowserPath.h"
#include "CodePage.h"
#include "QueryEncoding.h"
#include "SearchEndpoints.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr unsigned kShiftJisCodePage = 932;

std::string SearchUrlFor(int kind, const char* query) {
    const std::string words = query != nullptr ? query : "";
    const std::string utf8Words = orlena::ConvertCodePage(kShiftJisCodePage, CP_UTF8, words);
    return orlena::BuildSearchUrl(kind, orlena::EncodeQuery(utf8Words));
}

// Starts the browser with the URL; without a browser the shell's handler
// for web addresses opens it. The outcome is not reported to anyone.
void OpenUrl(const std::string& browserPath, const std::string& url) {
    if (!browserPath.empty()) {
        ShellExecuteA(GetDesktopWindow(), "open", browserPath.c_str(), url.c_str(), nullptr, SW_SHOW);
    } else {
        ShellExecuteA(GetDesktopWindow(), "open", url.c_str(), nullptr, nullptr, SW_SHOW);
    }
}

}  // namespace

extern "C" void __stdcall Search(int kind, const char* query) noexcept {
    try {
        OpenUrl(orlena::GetIEPath(), SearchUrlFor(kind, query));
    } catch (...) {
        // Nothing may cross the export; a search that could not be built
        // simply opens nothing.
    }
}
