#pragma once
// Owners for GDI and menu handles, memory device contexts and global memory, and the scopes of
// device contexts, selections and global locks. The owner template and the kernel handles' owners
// are base/UniqueHandle.h.

#include "base/UniqueHandle.h"

#include <windows.h>

namespace ui {

using base::UniqueHandle;
using base::UniqueKernelHandle;

using UniqueFont = UniqueHandle<base::NullableHandleTraits<HFONT, DeleteObject>>;
using UniqueBrush = UniqueHandle<base::NullableHandleTraits<HBRUSH, DeleteObject>>;
using UniqueBitmap = UniqueHandle<base::NullableHandleTraits<HBITMAP, DeleteObject>>;
using UniqueMenu = UniqueHandle<base::NullableHandleTraits<HMENU, DestroyMenu>>;
// A memory device context (CreateCompatibleDC); a window's own DC goes back differently, see WindowDC.
using UniqueMemoryDC = UniqueHandle<base::NullableHandleTraits<HDC, DeleteDC>>;
// A global memory block that is freed unless Release hands it on (to the clipboard).
using UniqueGlobalMemory = UniqueHandle<base::NullableHandleTraits<HGLOBAL, GlobalFree>>;

// A device context of a window, released when the scope ends.
class WindowDC {
public:
    explicit WindowDC(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window))
    {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC for the scope and puts the old one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectScope()
    {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GlobalLock for the scope.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope()
    {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

} // namespace ui
