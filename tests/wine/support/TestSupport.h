#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace orlena::test {

// Folder of the running test program, without a trailing backslash.
std::string ProgramDir();

// Path of a deliverable DLL in the build's deliverables folder.
std::string DeliverablePath(const char* fileName);

// A fresh file name in the temporary folder; the file itself is not created.
std::string TempFilePath(const char* prefix);

// The file's bytes once it exists, or nothing when it has not appeared
// within the timeout.
std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs);

// A DLL loaded for the test and freed with it.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& path);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }
    template <typename Function>
    Function Proc(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// Saves a registry key's values (not its subkeys) and puts them back as they
// were when the backup goes, so a test may change them or delete the key.
// A key that did not exist is deleted again.
class RegistryKeyBackup {
public:
    RegistryKeyBackup(HKEY root, std::string path);
    ~RegistryKeyBackup();
    RegistryKeyBackup(const RegistryKeyBackup&) = delete;
    RegistryKeyBackup& operator=(const RegistryKeyBackup&) = delete;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::string path_;
    bool existed_ = false;
    std::vector<Value> values_;
};

// Registry writes for test set-up; each fails the calling test on error.
void SetRegistryString(HKEY root, const std::string& path, const char* name, const std::string& text);
void SetRegistryDword(HKEY root, const std::string& path, const char* name, DWORD value);
void DeleteRegistryKey(HKEY root, const std::string& path);

}  // namespace orlena::test
