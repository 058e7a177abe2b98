#pragma once
// Owners for Win32 handles: one small template, and traits that name how a kind of handle is
// given back. The kernel, file and file-search owners live here, in the lowest folder that closes
// handles; ui/Handles.h adds the GDI, menu and window ones. Windows only.

#include <windows.h>

#include <utility>

namespace base {

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

// A handle that is INVALID_HANDLE_VALUE when there is none, as CreateFileW and FindFirstFileW
// report a failure.
template <auto Close_>
struct InvalidValueHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { Close_(h); }
};

using UniqueKernelHandle = UniqueHandle<NullableHandleTraits<HANDLE, CloseHandle>>;
using UniqueFile = UniqueHandle<InvalidValueHandleTraits<CloseHandle>>;
using UniqueFileSearch = UniqueHandle<InvalidValueHandleTraits<FindClose>>;

} // namespace base
