#pragma once
// One small owner per Win32 resource: each releases what it holds exactly
// once, on every path out of the scope.

#include <windows.h>
#include <winspool.h>

#include <utility>

namespace framework {

template <typename Handle, typename Traits>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : h_(h) {}
    ~ScopedHandle() { reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            reset();
            h_ = std::exchange(other.h_, Handle{});
        }
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    Handle release() { return std::exchange(h_, Handle{}); }
    void reset(Handle h = Handle{}) {
        if (h_ != Handle{}) Traits::Close(h_);
        h_ = h;
    }

private:
    Handle h_{};
};

struct WindowTraits { static void Close(HWND h) { DestroyWindow(h); } };
struct FontTraits { static void Close(HFONT h) { DeleteObject(h); } };
struct BitmapTraits { static void Close(HBITMAP h) { DeleteObject(h); } };
struct BrushTraits { static void Close(HBRUSH h) { DeleteObject(h); } };
struct PenTraits { static void Close(HPEN h) { DeleteObject(h); } };
struct CreatedDcTraits { static void Close(HDC h) { DeleteDC(h); } };
struct PrinterTraits { static void Close(HANDLE h) { ClosePrinter(h); } };
struct EnhMetaFileTraits { static void Close(HENHMETAFILE h) { DeleteEnhMetaFile(h); } };
struct KernelHandleTraits { static void Close(HANDLE h) { CloseHandle(h); } };

using ScopedWindow = ScopedHandle<HWND, WindowTraits>;
using ScopedFont = ScopedHandle<HFONT, FontTraits>;
using ScopedBitmap = ScopedHandle<HBITMAP, BitmapTraits>;
using ScopedBrush = ScopedHandle<HBRUSH, BrushTraits>;
using ScopedPen = ScopedHandle<HPEN, PenTraits>;
using ScopedCreatedDc = ScopedHandle<HDC, CreatedDcTraits>;
using ScopedPrinterHandle = ScopedHandle<HANDLE, PrinterTraits>;
using ScopedEnhMetaFile = ScopedHandle<HENHMETAFILE, EnhMetaFileTraits>;
using ScopedKernelHandle = ScopedHandle<HANDLE, KernelHandleTraits>;

// A DC from GetDC, given back with ReleaseDC.
class ScopedGetDc {
public:
    explicit ScopedGetDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDc() { if (dc_) ReleaseDC(window_, dc_); }
    ScopedGetDc(const ScopedGetDc&) = delete;
    ScopedGetDc& operator=(const ScopedGetDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~ScopedPaint() { EndPaint(window_, &ps_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and restores the previous one.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { if (previous_) SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a DC's state (mapping mode, colours, ...) and restores it.
class ScopedDcState {
public:
    explicit ScopedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~ScopedDcState() { if (saved_) RestoreDC(dc_, saved_); }
    ScopedDcState(const ScopedDcState&) = delete;
    ScopedDcState& operator=(const ScopedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace framework
