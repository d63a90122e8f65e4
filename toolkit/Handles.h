// Owning wrappers for the Win32 handles that have no window of their own. Each closes its handle in the
// destructor and can only be moved. A raw handle taken from one with Get() is borrowed, never owned.
#pragma once

#include <windows.h>

#include <utility>

namespace tk {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const noexcept { return handle; }
    explicit operator bool() const noexcept { return handle != Traits::Empty(); }

    Type Release() noexcept { return std::exchange(handle, Traits::Empty()); }

    void Reset(Type replacement = Traits::Empty()) noexcept {
        Type old = std::exchange(handle, replacement);
        if (old != Traits::Empty()) {
            Traits::Close(old);
        }
    }

private:
    Type handle = Traits::Empty();
};

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { DeleteObject(handle); }
};

// GDI objects keep their own type so that a font cannot be handed where a bitmap is expected.
template <typename GdiType>
struct TypedGdiTraits {
    using Type = GdiType;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { DeleteObject(handle); }
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { CloseHandle(handle); }
};

struct HookTraits {
    using Type = HHOOK;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { UnhookWindowsHookEx(handle); }
};

struct AcceleratorTraits {
    using Type = HACCEL;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { DestroyAcceleratorTable(handle); }
};

struct MenuTraits {
    using Type = HMENU;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { DestroyMenu(handle); }
};

struct DeviceContextTraits {
    using Type = HDC;
    static Type Empty() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { DeleteDC(handle); }
};

using FontHandle = UniqueHandle<TypedGdiTraits<HFONT>>;
using BitmapHandle = UniqueHandle<TypedGdiTraits<HBITMAP>>;
using BrushHandle = UniqueHandle<TypedGdiTraits<HBRUSH>>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using HookHandle = UniqueHandle<HookTraits>;
using AcceleratorHandle = UniqueHandle<AcceleratorTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
// A device context made with CreateDC or CreateCompatibleDC (not one taken with GetDC).
using DeviceContextHandle = UniqueHandle<DeviceContextTraits>;

// Selects a GDI object into a device context for the lifetime of the scope and puts the old one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc(dc), previous(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous) {
            SelectObject(dc, previous);
        }
    }

private:
    HDC dc;
    HGDIOBJ previous;
};

} // namespace tk
