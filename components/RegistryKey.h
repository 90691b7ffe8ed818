#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orlena {

// An open registry key, closed when the object goes. Opening never creates.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.Detach()) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; false (and the key stays closed) when it is
    // missing or the access is refused.
    bool Open(HKEY root, const char* path, REGSAM access);
    void Close() noexcept;
    HKEY Detach() noexcept;
    bool IsOpen() const noexcept { return key_ != nullptr; }

    // The text of a REG_SZ or REG_EXPAND_SZ value up to its first zero
    // character, taken as stored. Empty when the value is missing or is not
    // text; pass nullptr or "" for the key's default value.
    std::optional<std::string> ReadString(const char* name) const;

private:
    HKEY key_ = nullptr;
};

}  // namespace orlena
