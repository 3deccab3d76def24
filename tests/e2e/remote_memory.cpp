#include "e2e/remote_memory.h"

namespace gridmate::e2e {

RemoteMemory::RemoteMemory(DWORD processId, size_t size)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId)),
      size_(size) {
    if (process_)
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

bool RemoteMemory::write(size_t offset, const void* bytes, size_t size) const {
    if (!address_ || offset + size > size_) return false;
    SIZE_T written = 0;
    return WriteProcessMemory(process_, at(offset), bytes, size, &written) && written == size;
}

std::string RemoteMemory::readText(size_t offset) const {
    if (!address_ || offset >= size_) return {};
    std::string bytes(size_ - offset, '\0');
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_, at(offset), bytes.data(), bytes.size(), &read)) return {};
    bytes.resize(read);
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace gridmate::e2e
