#include "BrowserPath.h"

#include "RegistryKey.h"

namespace orlena {

std::string GetIEPath() {
    static const char kBrowserLocationKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
    RegistryKey key;
    // Full access, not read access: a user who may not write the machine's
    // keys gets no path and the shell opens the URL instead.
    if (!key.Open(HKEY_LOCAL_MACHINE, kBrowserLocationKey, KEY_ALL_ACCESS)) return {};
    return key.ReadString(nullptr).value_or(std::string());
}

}  // namespace orlena
