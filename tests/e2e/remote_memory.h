// Memory in another process, for the few messages whose answer is written through a
// pointer that the system does not carry across processes (a dialog's folder, a
// tooltip's text): the pointer must be one that is valid in the receiving process.
#pragma once

#include <windows.h>

#include <string>

namespace gridmate::e2e {

class RemoteMemory {
public:
    RemoteMemory(DWORD processId, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // Null when the process could not be opened or the memory not reserved.
    void* address() const { return address_; }
    // The address `offset` bytes in.
    void* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool write(size_t offset, const void* bytes, size_t size) const;
    // The text stored from `offset` on, up to its first NUL.
    std::string readText(size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_ = nullptr;
    size_t size_;
};

}  // namespace gridmate::e2e
