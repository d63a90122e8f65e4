// Memory in another process (the program under test), for window messages that carry pointers.
#pragma once

#include <windows.h>

#include <cstddef>

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size) : process(process) {
        address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (address) {
            VirtualFreeEx(process, address, 0, MEM_RELEASE);
        }
    }
    char* Address() const { return static_cast<char*>(address); }
    bool Write(size_t offset, const void* data, size_t size) {
        return WriteProcessMemory(process, Address() + offset, data, size, nullptr) != FALSE;
    }
    bool Read(size_t offset, void* data, size_t size) {
        return ReadProcessMemory(process, Address() + offset, data, size, nullptr) != FALSE;
    }

private:
    HANDLE process;
    void* address = nullptr;
};
