#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orlena::test {

std::string ProgramDir() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/"));
}

std::string DeliverablePath(const char* fileName) {
    // Test programs live in <build>\tests\bin, deliverables in <build>\bin.
    return ProgramDir() + "\\..\\..\\bin\\" + fileName;
}

std::string TempFilePath(const char* prefix) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    static unsigned counter = 0;
    std::ostringstream name;
    name << dir << prefix << '-' << GetCurrentProcessId() << '-' << ++counter << ".txt";
    DeleteFileA(name.str().c_str());
    return name.str();
}

std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            std::ostringstream bytes;
            bytes << file.rdbuf();
            return bytes.str();
        }
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return std::nullopt;
}

LoadedLibrary::LoadedLibrary(const std::string& path)
    : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}

LoadedLibrary::~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

RegistryKeyBackup::RegistryKeyBackup(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    existed_ = true;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Value value{std::string(name, nameLength), type, std::vector<BYTE>(size)};
        RegQueryValueExA(key, value.name.c_str(), nullptr, nullptr, value.data.data(), &size);
        values_.push_back(std::move(value));
    }
    RegCloseKey(key);
}

RegistryKeyBackup::~RegistryKeyBackup() {
    if (!existed_) {
        RegDeleteKeyA(root_, path_.c_str());
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    // Values the test added go; the saved ones come back as they were.
    std::vector<std::string> currentNames;
    char name[16384];
    for (DWORD nameLength = sizeof name; RegEnumValueA(key, static_cast<DWORD>(currentNames.size()), name, &nameLength,
                                                       nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         nameLength = sizeof name) {
        currentNames.emplace_back(name, nameLength);
    }
    for (const std::string& current : currentNames) RegDeleteValueA(key, current.c_str());
    for (const Value& value : values_) {
        RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    }
    RegCloseKey(key);
}

namespace {

void SetRegistryValue(HKEY root, const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS) << path;
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS) << path;
    RegCloseKey(key);
}

}  // namespace

void SetRegistryString(HKEY root, const std::string& path, const char* name, const std::string& text) {
    SetRegistryValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void SetRegistryDword(HKEY root, const std::string& path, const char* name, DWORD value) {
    SetRegistryValue(root, path, name, REG_DWORD, &value, sizeof value);
}

void DeleteRegistryKey(HKEY root, const std::string& path) {
    const LSTATUS status = RegDeleteKeyA(root, path.c_str());
    EXPECT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << path;
}

}  // namespace orlena::test
