// Owning wrappers for COM: an interface pointer released in the destructor, and memory handed out by
// the shell's task allocator (item id lists) freed with CoTaskMemFree.
#pragma once

#include <objbase.h>

#include <utility>

namespace tk {

template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer = std::exchange(other.pointer, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const noexcept { return pointer; }
    Interface* operator->() const noexcept { return pointer; }
    explicit operator bool() const noexcept { return pointer != nullptr; }

    // For calls that hand out a new reference: releases what is held and gives the slot to fill.
    Interface** Receive() noexcept {
        Reset();
        return &pointer;
    }

    void Reset() noexcept {
        if (Interface* old = std::exchange(pointer, nullptr)) {
            old->Release();
        }
    }

private:
    Interface* pointer = nullptr;
};

template <typename Type>
class CoTaskMemPtr {
public:
    CoTaskMemPtr() noexcept = default;
    explicit CoTaskMemPtr(Type* pointer) noexcept : pointer(pointer) {}
    CoTaskMemPtr(const CoTaskMemPtr&) = delete;
    CoTaskMemPtr& operator=(const CoTaskMemPtr&) = delete;
    CoTaskMemPtr(CoTaskMemPtr&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    CoTaskMemPtr& operator=(CoTaskMemPtr&& other) noexcept {
        if (this != &other) {
            CoTaskMemFree(std::exchange(pointer, std::exchange(other.pointer, nullptr)));
        }
        return *this;
    }
    ~CoTaskMemPtr() { CoTaskMemFree(pointer); }

    Type* Get() const noexcept { return pointer; }
    explicit operator bool() const noexcept { return pointer != nullptr; }

private:
    Type* pointer = nullptr;
};

} // namespace tk
