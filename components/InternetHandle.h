#pragma once

#include <windows.h>
#include <wininet.h>

namespace orlena {

// A WinInet handle, closed when the object goes. Declare the internet,
// connection and request handles in that order and they close in reverse.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle = nullptr) noexcept : handle_(handle) {}
    ~InternetHandle() {
        if (handle_ != nullptr) InternetCloseHandle(handle_);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;

    HINTERNET get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

}  // namespace orlena
