#include "CodePage.h"

#include <windows.h>

#include <vector>

namespace orlena {

std::string ConvertCodePage(unsigned sourceCodePage, unsigned targetCodePage, std::string_view text) {
    // The conversions run on a zero-terminated copy and measure with length
    // -1, so a zero byte inside the text ends it, as it would for the caller.
    const std::string source(text);
    const int wideCount = MultiByteToWideChar(sourceCodePage, 0, source.c_str(), -1, nullptr, 0);
    if (wideCount <= 0) return {};
    std::vector<wchar_t> wide(static_cast<size_t>(wideCount));
    if (MultiByteToWideChar(sourceCodePage, 0, source.c_str(), -1, wide.data(), wideCount) <= 0) return {};

    const int byteCount = WideCharToMultiByte(targetCodePage, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (byteCount <= 0) return {};
    std::string target(static_cast<size_t>(byteCount), '\0');
    const int written = WideCharToMultiByte(targetCodePage, 0, wide.data(), -1, target.data(), byteCount, nullptr, nullptr);
    if (written <= 0) return {};
    target.resize(static_cast<size_t>(written) - 1);  // drop the terminating zero
    return target;
}

}  // namespace orlena
