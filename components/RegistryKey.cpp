#include "RegistryKey.h"

#include <cstring>
#include <vector>

namespace orlena {

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = other.Detach();
    }
    return *this;
}

bool RegistryKey::Open(HKEY root, const char* path, REGSAM access) {
    Close();
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path, 0, access, &opened) != ERROR_SUCCESS) return false;
    key_ = opened;
    return true;
}

void RegistryKey::Close() noexcept {
    if (key_ != nullptr) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

HKEY RegistryKey::Detach() noexcept {
    HKEY key = key_;
    key_ = nullptr;
    return key;
}

std::optional<std::string> RegistryKey::ReadString(const char* name) const {
    if (key_ == nullptr) return std::nullopt;
    const auto isText = [](DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; };
    for (;;) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || !isText(type)) {
            return std::nullopt;
        }
        std::vector<char> data(size + 1, '\0');  // room for a zero the value may lack
        const LSTATUS status = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) continue;  // it grew between measuring and reading
        if (status != ERROR_SUCCESS || !isText(type)) return std::nullopt;
        return std::string(data.data(), strnlen(data.data(), size));
    }
}

}  // namespace orlena
