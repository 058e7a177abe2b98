#pragma once
// Owners for Win32 handles: one small template, one traits type per kind of handle. The kernel
// owners live here, in the lowest folder that closes handles; ui/Handles.h adds the GDI and menu
// ones. Windows only.

#include <windows.h>

#include <utility>

namespace Serialize {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid())
    {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Invalid();
};

// A handle that is null when there is none, given back with Close.
template <class H, auto Close_>
struct NullableHandleTraits {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { Close_(h); }
};

// CreateFileW reports a failure with INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};

using UniqueKernelHandle = UniqueHandle<NullableHandleTraits<HANDLE, CloseHandle>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;

} // namespace Serialize
