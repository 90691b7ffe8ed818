// Stands in for a browser: writes its own command line to the file named by
// ORLENA_URL_RECORD, so a test or the demo can see what it was asked to open.

#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char target[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("ORLENA_URL_RECORD", target, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;

    // Written under another name and then renamed, so a reader never sees
    // half a record.
    const std::string partial = std::string(target) + ".partial";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* commandLine = GetCommandLineA();
    DWORD written = 0;
    const BOOL ok = WriteFile(file, commandLine, static_cast<DWORD>(lstrlenA(commandLine)), &written, nullptr);
    CloseHandle(file);
    if (!ok) return 1;
    return MoveFileExA(partial.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
