// The host program: drives Orlena's libraries in a Wine prefix (or on
// Windows) the way the browser and the toolbar do.
//
//   orlena-host --search KIND WORDS   runs one search, as the search button does

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

using SearchFunction = void(__stdcall*)(int kind, const char* query);

std::wstring DeliverablesDir() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, length);
    // The host lives in <build>\host, the deliverables in <build>\bin.
    return dir.substr(0, dir.find_last_of(L"\\/")) + L"\\..\\bin\\";
}

// The toolbar hands the libraries its text in the system's ANSI code page.
std::string ToAnsi(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

int RunSearch(int kind, const wchar_t* words) {
    const std::wstring path = DeliverablesDir() + L"Trovemark.dll";
    HMODULE trovemark = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (trovemark == nullptr) {
        fwprintf(stderr, L"orlena-host: cannot load %ls\n", path.c_str());
        return 1;
    }
    auto search = reinterpret_cast<SearchFunction>(reinterpret_cast<void*>(GetProcAddress(trovemark, "Search")));
    if (search != nullptr) search(kind, ToAnsi(words).c_str());
    FreeLibrary(trovemark);
    return search != nullptr ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wcscmp(argv[1], L"--search") == 0) {
        return RunSearch(static_cast<int>(std::wcstol(argv[2], nullptr, 10)), argv[3]);
    }
    fwprintf(stderr, L"usage: orlena-host --search KIND WORDS\n");
    return 2;
}
